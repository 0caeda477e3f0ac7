// Top-level windows that another X client destroys are closed as if by the user.
#pragma once

#include <QAbstractNativeEventFilter>

// Anything may destroy a window on X (xdotool windowclose, a broken window manager), and Qt then
// goes on as if it were still there: a warning's modal loop would block the main window for
// good, and the main window's loss would leave the process running with no window. With this
// filter installed, a lost dialog is rejected and any other lost top-level widget is closed, so
// the loop ends, and the program ends with its last window. Elsewhere than on xcb it does nothing.
class LostWindows : public QAbstractNativeEventFilter {
  public:
    LostWindows();
    ~LostWindows() override;
    LostWindows(const LostWindows&) = delete;
    LostWindows& operator=(const LostWindows&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* result) override;
};
