// The window's text box: a line edit whose pastes are cut to the room left before Qt sees them.
#pragma once

#include <QClipboard>
#include <QLineEdit>

// Qt 6.4 cuts an over-long insertion in time proportional to the square of the room left
// (measured: 0.2 s with 100,000 characters of room, minutes under AddressSanitizer). Cutting the
// pasted text first keeps a 10 MB paste as quick as a paste that fits.
class EntryBox : public QLineEdit {
  public:
    using QLineEdit::QLineEdit;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void PasteCut(QClipboard::Mode mode);
};
