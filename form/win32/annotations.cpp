// Screen readers name a box by the label that precedes it, and these boxes have none of their
// own: the names and hints come from the table, as annotations (Dynamic Annotation) of the boxes'
// accessible objects.
#include "form/win32/annotations.h"

#include <oleacc.h>

#include "form/win32/wide_text.h"

void BoxAnnotations::Release::operator()(IAccPropServices* services) const {
    services->Release();
}

void BoxAnnotations::Annotate(const std::array<HWND, kControls.size()>& controls) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return;
    }
    services_.reset(services);
    controls_ = controls;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlSpec& entry = kControls[row];
        if (!entry.accessible_name.empty()) {
            services->SetHwndPropStr(controls[row], OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                                     Wide(entry.accessible_name).c_str());
        }
        if (!entry.accessible_description.empty()) {
            services->SetHwndPropStr(controls[row], OBJID_CLIENT, CHILDID_SELF,
                                     PROPID_ACC_DESCRIPTION,
                                     Wide(entry.accessible_description).c_str());
        }
    }
}

void BoxAnnotations::Clear() {
    if (!services_) {
        return;
    }
    MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (const HWND control : controls_) {
        services_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, properties, 2);
    }
    services_.reset();
}
