// What a screen reader learns of a window through its accessible objects (MSAA), in this process
// or across processes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct AccessibleFacts {
    long role = 0;
    std::wstring name, description;
    RECT location{};  // on the screen
};

// The facts of a window's object `object` (OBJID_CLIENT, OBJID_WINDOW), itself (CHILDID_SELF).
AccessibleFacts FactsOf(HWND window, LONG object);
// The windows of the children of a window's client object, in the order the object gives them.
std::vector<HWND> AccessibleChildWindows(HWND window);
// The names of the children of a window's client object.
std::vector<std::wstring> ChildNames(HWND window);
