// What a button's click runs, in every window: the command of its row in the control table, one
// click at a time.
#pragma once

#include <string>

#include "check/form_surface.h"
#include "form/control_table.h"

class Commands {
  public:
    // `decimal_separator` is the user's locale's, which the squares are written with.
    Commands(FormSurface& surface, std::string decimal_separator);

    // Runs `command` to its end. A click that arrives while a command is still running, which
    // can only be inside its warning's modal loop, is dropped: real input is blocked there, but
    // automation and other programs can still press a button, and warnings must not stack.
    void Run(Command command);

  private:
    FormSurface& surface_;
    std::string decimal_separator_;
    bool running_ = false;
};
