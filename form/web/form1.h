// The web page's Form1: the FormSurface over the page's boxes and warning, and the commands its
// two buttons run. The page's script calls the functions exported at the end.
#pragma once

#include <string>
#include <string_view>

#include "check/form_surface.h"
#include "form/commands.h"

class PageSurface : public FormSurface {
  public:
    std::string GetText(TextBox box) const override;
    // Cuts the text at the box's limit, as a paste is cut, and shows its beginning.
    void SetText(TextBox box, std::string_view text) override;
    // Opens the page's modal warning and returns at once: a page cannot wait for a click. The
    // commands show a warning as their last step, and the page takes no other input while it is
    // open, so nothing can tell the difference.
    void ShowMessage(std::string_view prompt) override;
};

class Form1 {
  public:
    explicit Form1(std::string decimal_separator);
    void Click(Command command) { commands_.Run(command); }

  private:
    PageSurface surface_;
    Commands commands_;
};

// The decimal separator of the browser's language.
std::string PageDecimalSeparator();

extern "C" {
// Makes the page's Form1, if no click has made it yet. Asking the browser for its number format
// takes 20 to 50 ms the first time, so the program start leaves this until the page has painted.
void Form1_Load();
void Command1_Click();
void Command2_Click();
// Gives the box its tooltip, its whole text or the beginning of it, when the text does not fit.
void Form1_BoxChanged(int box);
}
