// Closes every message box the window opens and remembers what it showed, so no test can block.
#pragma once

#include <windows.h>

#include <vector>

#include "tests/form/win32/window_text.h"

class MessageWatcher {
  public:
    explicit MessageWatcher(HWND owner);
    ~MessageWatcher();
    MessageWatcher(const MessageWatcher&) = delete;
    MessageWatcher& operator=(const MessageWatcher&) = delete;

    const std::vector<SeenMessage>& seen() const { return seen_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    void CloseMessageBoxes();

    HWND owner_;
    HWND timer_window_ = nullptr;  // its timer also ticks inside the message box's own loop
    std::vector<SeenMessage> seen_;
};
