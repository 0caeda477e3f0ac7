// The buttons' commands, dispatched from the control table's Command.
#include "form/commands.h"

#include <utility>

#include "check/triple_check.h"
#include "form/clear_all.h"

Commands::Commands(FormSurface& surface, std::string decimal_separator)
    : surface_(surface), decimal_separator_(std::move(decimal_separator)) {}

void Commands::Run(Command command) {
    if (running_) {
        return;
    }
    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    switch (command) {
        case Command::ClearAll:
            ClearAll(surface_);
            break;
        case Command::TripleCheck:
            TripleCheck(surface_, decimal_separator_);
            break;
        case Command::None:
            break;
    }
}
