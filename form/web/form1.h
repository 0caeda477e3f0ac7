// The web page's Form1: the FormSurface over the page's boxes and warning, with the commands its
// two buttons run. The page's script (`Terne`, app/web/start.js and page.js) and this meet at the
// table's rows: the window's elements are the table's controls, in the table's order, and every
// crossing names a control by its row.
#pragma once

#include <string>
#include <string_view>

#include "check/form_surface.h"
#include "form/commands.h"

class Form1 : public FormSurface {
  public:
    // `decimal_separator` is the one the squares are written with (the browser's language's).
    explicit Form1(std::string decimal_separator);

    // Runs the handler of a button's row, unless the warning is still open: a click made by a
    // script or an assistive tool reaches a button behind it. A verdict written is announced.
    void Click(std::size_t row);

    // Reads no further than the box's limit, whatever a script has put into the box.
    std::string GetText(TextBox box) const override;
    // Cuts the text at the box's limit, as a paste is cut, and shows its beginning.
    void SetText(TextBox box, std::string_view text) override;
    // Opens the page's modal warning and returns at once: a page cannot wait for a click. The
    // commands show a warning as their last step, and the page takes no input while it is open
    // (Click), so nothing can tell the difference.
    void ShowMessage(std::string_view prompt) override;

  private:
    Commands commands_;
};

// What the page's script calls; nothing else is exported.
extern "C" {
// Makes the page's Form1, if no click has made it yet. Asking the browser for its number format
// takes 20 to 70 ms the first time, so the page asks once it has painted, before this is called.
void Form1_Load();
// A click on the button of row `row` of the control table.
void Form1_Click(int row);
// Gives the box of row `row` the tooltip its text needs: its whole text, or its beginning with
// "…", where the text does not fit; none where it does.
void Form1_RefreshTip(int row);
}
