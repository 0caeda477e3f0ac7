// Screen readers name a box by the label that precedes it, and these boxes have none of their
// own: the names and hints come from the table, as annotations (Dynamic Annotation) of the boxes'
// accessible objects.
#include "form/win32/annotations.h"

#include <oleacc.h>

#include "form/win32/wide_text.h"

namespace {

// The four GUIDs the annotations use, defined here: libuuid's definitions come in one object with
// all the others, 40 KB of the program.
constexpr GUID kAccPropServicesClass{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kAccPropServicesInterface{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr MSAAPROPID kName{
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr MSAAPROPID kDescription{
    0x4d48dfe4, 0xbd3f, 0x491f, {0xa6, 0x48, 0x49, 0x2d, 0x6f, 0x20, 0xc5, 0x88}};

}  // namespace

void BoxAnnotations::Release::operator()(IAccPropServices* services) const {
    services->Release();
}

void BoxAnnotations::Annotate(const std::array<HWND, kControls.size()>& controls) {
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                kAccPropServicesInterface, reinterpret_cast<void**>(&services)))) {
        return;
    }
    services_.reset(services);
    controls_ = controls;
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlSpec& entry = kControls[row];
        if (!entry.accessible_name.empty()) {
            services->SetHwndPropStr(controls[row], OBJID_CLIENT, CHILDID_SELF, kName,
                                     Wide(entry.accessible_name).c_str());
        }
        if (!entry.accessible_description.empty()) {
            services->SetHwndPropStr(controls[row], OBJID_CLIENT, CHILDID_SELF, kDescription,
                                     Wide(entry.accessible_description).c_str());
        }
    }
}

void BoxAnnotations::Clear() {
    if (!services_) {
        return;
    }
    MSAAPROPID properties[] = {kName, kDescription};
    for (const HWND control : controls_) {
        services_->ClearHwndProps(control, OBJID_CLIENT, CHILDID_SELF, properties, 2);
    }
    services_.reset();
}
