// Program start of the web page: creates Form1 over the page, which is already shown. The module
// stays loaded after main returns, for the buttons.
#include "form/web/form1.h"

int main() {
    Form1_Load();
    return 0;
}
