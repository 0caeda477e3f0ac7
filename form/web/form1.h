// The web page's Form1: the FormSurface over the page's boxes and warning, and the commands its
// two buttons run. The page's script calls the functions exported at the end.
#pragma once

#include <string>
#include <string_view>

#include "check/form_surface.h"
#include "form/commands.h"

class PageSurface : public FormSurface {
  public:
    // Reads no further than the box's limit, whatever a script has put into the box.
    std::string GetText(TextBox box) const override;
    // Cuts the text at the box's limit, as a paste is cut, and shows its beginning.
    void SetText(TextBox box, std::string_view text) override;
    // Opens the page's modal warning and returns at once: a page cannot wait for a click. The
    // commands show a warning as their last step, and the page takes no input while it is open
    // (WarningOpen), so nothing can tell the difference.
    void ShowMessage(std::string_view prompt) override;

    bool WarningOpen() const;
    // Says `text` to a screen reader, politely, once more each time it is given.
    void Announce(std::string_view text);
};

class Form1 {
  public:
    explicit Form1(std::string decimal_separator);
    // Runs the button's command, unless the warning is still open: a click made by a script or
    // an assistive tool reaches a button behind it. A verdict written is also announced.
    void Click(Command command);

  private:
    PageSurface surface_;
    Commands commands_;
};

// The decimal separator of the browser's language.
std::string PageDecimalSeparator();

extern "C" {
// Makes the page's Form1, if no click has made it yet. Asking the browser for its number format
// takes 20 to 50 ms the first time, so the page asks once it has painted, before this is called.
void Form1_Load();
void Command1_Click();
void Command2_Click();
// Gives the box its tooltip, its whole text or the beginning of it, when the text does not fit.
void Form1_BoxChanged(int box);
}
