// Program start of the web page. The window is already on the page and its buttons work from
// now on; Form1's program part is made once the page has painted, unless a click comes first.
#include <emscripten/emscripten.h>

#include "form/web/form1.h"

namespace {
// clang-format off
EM_JS(void, terne_after_first_frame, (), {
    requestAnimationFrame(function() { setTimeout(function() { Module._Form1_Load(); }, 0); });
});
// clang-format on
}  // namespace

int main() {
    terne_after_first_frame();
    return 0;
}
