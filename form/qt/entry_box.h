// The window's text box: a line edit that shows as much of its text as it can, its beginning
// once the focus has left, the whole text in a tooltip where it does not fit, and whose pastes
// are cut to the room left before Qt sees them.
#pragma once

#include <QClipboard>
#include <QLineEdit>

// Qt 6.4 cuts an over-long insertion in time proportional to the square of the room left
// (measured: 0.2 s with 100,000 characters of room, minutes under AddressSanitizer). Cutting the
// pasted text first keeps a 10 MB paste as quick as a paste that fits.
class EntryBox : public QLineEdit {
  public:
    explicit EntryBox(QWidget* parent = nullptr);

    // What the box's tooltip shows: where the text is wider than the part of the box that shows
    // it, the text (a long one cut); otherwise nothing.
    QString OverflowTip() const;

  protected:
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void PasteWithinLimit(QClipboard::Mode mode);
};
