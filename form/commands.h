// What the buttons' clicks run, in every window: the two handlers, one command each, one click at
// a time; and which handler a button's row of the control table leads to.
#pragma once

#include <cstddef>
#include <string>

#include "check/form_surface.h"
#include "form/control_table.h"

class Commands {
  public:
    // `decimal_separator` is the user's locale's, which the squares are written with.
    Commands(FormSurface& surface, std::string decimal_separator);

    // AZZERA: ClearAll.
    void Command1_Click();
    // VERIFICA: TripleCheck.
    void Command2_Click();

  private:
    // Runs a command to its end. A click that arrives while a command is still running, which
    // can only be inside its warning's modal loop, is dropped: real input is blocked there, but
    // automation and other programs can still press a button, and warnings must not stack.
    template <typename Work>
    void RunAlone(Work work);

    FormSurface& surface_;
    std::string decimal_separator_;
    bool running_ = false;
};

// A click's handler: a window calls it on its Commands where the button of its row is made.
using ClickHandler = void (Commands::*)();

// The handler of a row of kControls: a button's, or none.
constexpr ClickHandler HandlerOf(std::size_t row) {
    switch (kControls[row].role.command) {
        case Command::ClearAll:
            return &Commands::Command1_Click;
        case Command::TripleCheck:
            return &Commands::Command2_Click;
        case Command::None:
            break;
    }
    return nullptr;
}
