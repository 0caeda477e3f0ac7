// The program's message loop on Windows, and how a failure reaches the user.
#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

#include "form/win32/form1.h"

// Where the message loop takes its messages from: GetMessageW's result for the thread's queue.
using MessageSource = std::function<BOOL(MSG&)>;
inline const MessageSource kThreadMessages = [](MSG& message) {
    return GetMessageW(&message, nullptr, 0, 0);
};
// How many failures in a row end the loop.
inline constexpr int kMaxMessageFailures = 100;

// Takes and dispatches messages until the window is closed; returns the program's exit code, 1
// when messages can no longer be taken (reported to the user).
int RunMessageLoop(Form1& form, const MessageSource& get_message = kThreadMessages);

// Tells the user, in a message box owned by `owner` (or none), that `what` failed with `error`
// (a system error code, or 0) and the program cannot go on.
void ReportFailure(HWND owner, std::string_view what, DWORD error = 0);
