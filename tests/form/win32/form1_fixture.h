// The real Win32 Form1, shown and focused, driven through its message loop, with a watcher that
// closes any message box it opens.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "form/win32/form1.h"
#include "tests/form/win32/message_watcher.h"

class Form1Test : public testing::Test {
  protected:
    void SetUp() override { Open("."); }
    void TearDown() override { Close(); }

    void Open(const char* separator);
    void Close();

    // Dispatches what is waiting, as the program's loop does, and what arrives in `ms`.
    void Pump(DWORD ms = 20);
    // A key pressed and released on the focused control, through the message loop.
    void Press(WORD key, bool shift = false, bool repeated = false);
    void Type(TextBox box, std::wstring_view text);
    void TypeEntries(std::string_view a, std::string_view b, std::string_view c);
    void Click(std::string_view button);

    HWND box(TextBox box) const { return form_->box(box); }
    HWND control(std::string_view name) const { return form_->control(RowNamed(name)); }
    std::wstring Text(TextBox box) const { return WindowText(this->box(box)); }
    // Text4 .. Text12.
    std::array<std::wstring, 9> ResultTexts() const;

    std::unique_ptr<Form1> form_;
    std::unique_ptr<MessageWatcher> watcher_;
};
