// Names of the controls as the toolkits know them.
#include "form/control_table.h"

std::string ObjectName(const ControlSpec& control) {
    std::string name(control.name);
    if (control.index != kNoIndex) {
        name += '(' + std::to_string(control.index) + ')';
    }
    return name;
}
