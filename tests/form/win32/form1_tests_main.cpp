// Runs the Win32 window tests with the program's own start: COM and the common controls.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const int failures = RUN_ALL_TESTS();
    CoUninitialize();
    return failures;
}
