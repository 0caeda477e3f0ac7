// Accessible objects that pass every question on to the system's own, but for the few they answer
// themselves.
#include "form/win32/accessible.h"

#include <oleacc.h>

#include <atomic>
#include <string>
#include <utility>

#include "form/win32/wide_text.h"

namespace {

// The system's accessible object for a window, wrapped: reference counted, and forwarding every
// call the subclasses do not override.
class Forwarding : public IAccessible {
  public:
    explicit Forwarding(IAccessible* inner) : inner_(inner) {}
    virtual ~Forwarding() { inner_->Release(); }
    Forwarding(const Forwarding&) = delete;
    Forwarding& operator=(const Forwarding&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        if (id == __uuidof(IEnumVARIANT)) {
            *object = nullptr;  // children are asked for one by one, in the order given here
            return E_NOINTERFACE;
        }
        return inner_->QueryInterface(id, object);  // IOleWindow and the like: the window's
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return inner_->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return inner_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return inner_->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* error) override {
        return inner_->Invoke(member, id, locale, flags, parameters, result, exception, error);
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return inner_->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return inner_->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return inner_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return inner_->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return inner_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return inner_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return inner_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return inner_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return inner_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return inner_->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return inner_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return inner_->get_accFocus(focus);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return inner_->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return inner_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return inner_->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        return inner_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return inner_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return inner_->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return inner_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return inner_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return inner_->put_accValue(child, value);
    }

  protected:
    static bool IsSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }
    // A text for a BSTR out-parameter: S_FALSE and nothing for an empty one.
    static HRESULT Text(std::string_view text, BSTR* out) {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (text.empty()) {
            return S_FALSE;
        }
        *out = SysAllocString(BoxWide(text).c_str());
        return *out != nullptr ? S_OK : E_OUTOFMEMORY;
    }

  private:
    IAccessible* inner_;
    std::atomic<ULONG> references_ = 1;
};

// The window's client area, whose children are the controls in the table's order, numbered from
// 1 as MSAA numbers children.
class WindowObject final : public Forwarding {
  public:
    WindowObject(IAccessible* inner, const std::array<HWND, kControls.size()>& controls)
        : Forwarding(inner), controls_(controls) {}

    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (count == nullptr) {
            return E_POINTER;
        }
        *count = static_cast<long>(controls_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        *object = nullptr;
        const long index = child.vt == VT_I4 ? child.lVal : 0;
        if (index < 1 || index > static_cast<long>(controls_.size())) {
            return E_INVALIDARG;
        }
        return AccessibleObjectFromWindow(controls_[static_cast<std::size_t>(index - 1)],
                                          static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                          reinterpret_cast<void**>(object));
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (end == nullptr) {
            return E_POINTER;
        }
        const long count = static_cast<long>(controls_.size());
        long index = 0;
        if (IsSelf(start) && direction == NAVDIR_FIRSTCHILD) {
            index = 1;
        } else if (IsSelf(start) && direction == NAVDIR_LASTCHILD) {
            index = count;
        } else if (start.vt == VT_I4 && start.lVal >= 1 && start.lVal <= count &&
                   (direction == NAVDIR_NEXT || direction == NAVDIR_PREVIOUS)) {
            index = start.lVal + (direction == NAVDIR_NEXT ? 1 : -1);
        } else {
            return Forwarding::accNavigate(direction, start, end);
        }
        VariantInit(end);
        if (index < 1 || index > count) {
            return S_FALSE;
        }
        VARIANT child{};
        child.vt = VT_I4;
        child.lVal = index;
        IDispatch* object = nullptr;
        const HRESULT found = get_accChild(child, &object);
        if (FAILED(found)) {
            return found;
        }
        end->vt = VT_DISPATCH;
        end->pdispVal = object;
        return S_OK;
    }

  private:
    std::array<HWND, kControls.size()> controls_;
};

// A box: the system's edit object, with the table's name and hint.
class BoxObject final : public Forwarding {
  public:
    BoxObject(IAccessible* inner, const ControlRow& entry) : Forwarding(inner), entry_(entry) {}

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return IsSelf(child) ? Text(entry_.accessible_name, name)
                             : Forwarding::get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return IsSelf(child) ? Text(HintText(entry_), description)
                             : Forwarding::get_accDescription(child, description);
    }

  private:
    const ControlRow& entry_;
};

// The system's object for the client area of `window`, wrapped by `wrap`, as WM_GETOBJECT's
// answer; 0 when the system cannot make one, which leaves the question to the system.
template <typename Wrap>
LRESULT Answer(HWND window, WPARAM wparam, Wrap wrap) {
    IAccessible* inner = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, static_cast<LONG>(OBJID_CLIENT),
                                         __uuidof(IAccessible),
                                         reinterpret_cast<void**>(&inner)))) {
        return 0;
    }
    IAccessible* outer = wrap(inner);
    const LRESULT result = LresultFromObject(__uuidof(IAccessible), wparam, outer);
    outer->Release();  // the result holds its own reference
    return result < 0 ? 0 : result;
}

bool AsksForClient(LPARAM lparam) {
    return static_cast<LONG>(lparam) == static_cast<LONG>(OBJID_CLIENT);
}

}  // namespace

LRESULT AnswerWindowObject(HWND window, const std::array<HWND, kControls.size()>& controls,
                           WPARAM wparam, LPARAM lparam) {
    if (!AsksForClient(lparam)) {
        return 0;
    }
    return Answer(window, wparam, [&](IAccessible* inner) -> IAccessible* {
        return new WindowObject(inner, controls);
    });
}

LRESULT AnswerBoxObject(HWND box, std::size_t row, WPARAM wparam, LPARAM lparam) {
    if (!AsksForClient(lparam) || row >= kControls.size()) {
        return 0;
    }
    return Answer(box, wparam, [&](IAccessible* inner) -> IAccessible* {
        return new BoxObject(inner, kControls[row]);
    });
}
