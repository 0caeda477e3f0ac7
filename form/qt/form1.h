// The program's one window, built from the control table, and the commands' view of it.
#pragma once

#include <QWidget>

#include <array>
#include <string>
#include <string_view>

#include "check/form_surface.h"
#include "form/commands.h"
#include "form/control_table.h"
#include "form/qt/lost_windows.h"

class QLineEdit;
class QPushButton;

class Form1 : public QWidget, public FormSurface {
    Q_OBJECT

  public:
    // `decimal_separator` is the one the squares are written with (the user's locale's).
    explicit Form1(std::string decimal_separator = ".", QWidget* parent = nullptr);

    // The control of a row of kControls.
    QWidget* control(std::size_t row) const { return controls_[row]; }

    std::string GetText(TextBox box) const override;
    void SetText(TextBox box, std::string_view text) override;
    void ShowMessage(std::string_view prompt) override;

  private:
    QLineEdit* box(TextBox box) const;

    std::array<QWidget*, kControls.size()> controls_{};
    std::array<QLineEdit*, kTextBoxCount> text_boxes_{};
    Commands commands_;
    LostWindows lost_windows_;
};
