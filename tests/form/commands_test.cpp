// The buttons' handlers: each button's row leads to its own, and no command runs inside another's
// warning.
#include "form/commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string_view>

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

void Click(Commands& commands, std::string_view button) {
    (commands.*HandlerOf(RowNamed(button)))();
}

TEST(Commands, EachButtonsRowLeadsToItsCommand) {
    PressingSurface surface;
    Commands commands(surface, ",");
    surface.TypeEntries("1.5", "2", "2.5");
    Click(commands, "Command2");
    EXPECT_EQ(surface.text(Text8), "2,25");
    Click(commands, "Command1");
    EXPECT_EQ(surface.text(Text8), "");
    EXPECT_EQ(surface.text(Text1), "");
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        EXPECT_EQ(HandlerOf(row) != nullptr, kControls[row].kind() == ControlKind::Button) << row;
    }
}

TEST(Commands, PressesWhileAWarningIsOpenRunNothing) {
    PressingSurface surface;
    Commands commands(surface, ".");
    int presses = 0;
    surface.while_open = [&] {
        for (const std::string_view button : {"Command2", "Command1"}) {
            Click(commands, button);
            ++presses;
        }
    };
    surface.TypeEntries("abc", "4", "5");
    commands.Command2_Click();
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(surface.messages().size(), 1u);
    EXPECT_EQ(surface.text(Text1), "abc");  // AZZERA did not run behind the warning

    surface.while_open = nullptr;  // once it is closed, a click runs again
    commands.Command2_Click();
    EXPECT_EQ(surface.messages().size(), 2u);
}

}  // namespace
