// Reading accessible objects as a screen reader does.
#include "tests/form/win32/accessibility.h"

#include <oleacc.h>

#include <memory>

namespace {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, Releaser>;

Accessible ObjectOf(HWND window, LONG object) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(object), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&accessible)))) {
        return nullptr;
    }
    return Accessible(accessible);
}

VARIANT Self() {
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}

std::wstring Take(BSTR text) {
    std::wstring taken = text != nullptr ? text : L"";
    SysFreeString(text);
    return taken;
}

// Each child of a client object, as its own accessible object where it has one.
std::vector<Accessible> Children(IAccessible& parent) {
    long count = 0;
    parent.get_accChildCount(&count);
    std::vector<VARIANT> children(static_cast<std::size_t>(count));
    long got = 0;
    std::vector<Accessible> objects;
    if (count == 0 || FAILED(AccessibleChildren(&parent, 0, count, children.data(), &got))) {
        return objects;
    }
    for (long i = 0; i < got; ++i) {
        VARIANT& child = children[static_cast<std::size_t>(i)];
        if (child.vt == VT_DISPATCH && child.pdispVal != nullptr) {
            IAccessible* accessible = nullptr;
            child.pdispVal->QueryInterface(__uuidof(IAccessible),
                                           reinterpret_cast<void**>(&accessible));
            objects.emplace_back(accessible);
        }
        VariantClear(&child);
    }
    return objects;
}

}  // namespace

AccessibleFacts FactsOf(HWND window, LONG object) {
    AccessibleFacts facts;
    const Accessible accessible = ObjectOf(window, object);
    if (!accessible) {
        facts.name = L"(no accessible object)";
        return facts;
    }
    const VARIANT self = Self();
    VARIANT role{};
    if (accessible->get_accRole(self, &role) == S_OK && role.vt == VT_I4) {
        facts.role = role.lVal;
    }
    BSTR text = nullptr;
    if (accessible->get_accName(self, &text) == S_OK) {
        facts.name = Take(text);
    }
    text = nullptr;
    if (accessible->get_accDescription(self, &text) == S_OK) {
        facts.description = Take(text);
    }
    long left = 0, top = 0, width = 0, height = 0;
    if (accessible->accLocation(&left, &top, &width, &height, self) == S_OK) {
        facts.location = RECT{left, top, left + width, top + height};
    }
    return facts;
}

std::vector<HWND> AccessibleChildWindows(HWND window) {
    std::vector<HWND> windows;
    if (const Accessible client = ObjectOf(window, OBJID_CLIENT)) {
        for (const Accessible& child : Children(*client)) {
            HWND found = nullptr;
            if (child) {
                WindowFromAccessibleObject(child.get(), &found);
            }
            windows.push_back(found);
        }
    }
    return windows;
}

std::vector<std::wstring> ChildNames(HWND window) {
    std::vector<std::wstring> names;
    for (const HWND child : AccessibleChildWindows(window)) {
        names.push_back(FactsOf(child, OBJID_CLIENT).name);
    }
    return names;
}
