// The buttons' commands: dispatch by the table's Command, and no command inside another's warning.
#include "form/commands.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/support/recording_surface.h"

namespace {

using enum TextBox;

// A window whose warning, while it is open, lets something else press a button, as a screen
// reader or another program can.
class PressingSurface : public RecordingSurface {
  public:
    std::function<void()> while_open;

    void ShowMessage(std::string_view prompt) override {
        RecordingSurface::ShowMessage(prompt);
        if (while_open) {
            while_open();
        }
    }
};

TEST(Commands, RunTheCommandOfTheirRow) {
    PressingSurface surface;
    Commands commands(surface, ",");
    surface.TypeEntries("1.5", "2", "2.5");
    commands.Run(Command::TripleCheck);
    EXPECT_EQ(surface.text(Text8), "2,25");
    commands.Run(Command::None);
    EXPECT_EQ(surface.text(Text8), "2,25");
    commands.Run(Command::ClearAll);
    EXPECT_EQ(surface.text(Text8), "");
    EXPECT_EQ(surface.text(Text1), "");
}

TEST(Commands, PressesWhileAWarningIsOpenRunNothing) {
    PressingSurface surface;
    Commands commands(surface, ".");
    int presses = 0;
    surface.while_open = [&] {
        for (const Command command : {Command::TripleCheck, Command::ClearAll}) {
            commands.Run(command);
            ++presses;
        }
    };
    surface.TypeEntries("abc", "4", "5");
    commands.Run(Command::TripleCheck);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(surface.messages().size(), 1u);
    EXPECT_EQ(surface.text(Text1), "abc");  // AZZERA did not run behind the warning

    surface.while_open = nullptr;  // once it is closed, a click runs again
    commands.Run(Command::TripleCheck);
    EXPECT_EQ(surface.messages().size(), 2u);
}

}  // namespace
