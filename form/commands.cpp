// The buttons' handlers, one click at a time.
#include "form/commands.h"

#include <utility>

#include "check/triple_check.h"
#include "form/clear_all.h"

Commands::Commands(FormSurface& surface, std::string decimal_separator)
    : surface_(surface), decimal_separator_(std::move(decimal_separator)) {}

template <typename Work>
void Commands::RunAlone(Work work) {
    if (running_) {
        return;
    }
    running_ = true;
    struct Done {
        bool& running;
        ~Done() { running = false; }
    } done{running_};
    work();
}

void Commands::Command1_Click() {
    RunAlone([this] { ClearAll(surface_); });
}

void Commands::Command2_Click() {
    RunAlone([this] { TripleCheck(surface_, decimal_separator_); });
}
