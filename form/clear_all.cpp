// The AZZERA command.
#include "form/clear_all.h"

void ClearAll(FormSurface& surface) {
    for (int box = 1; box <= kTextBoxCount; ++box) {
        surface.SetText(static_cast<TextBox>(box), "");
    }
}
