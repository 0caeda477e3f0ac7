// The real program as a screen reader meets it, through the desktop's accessibility bridge
// (AT-SPI over D-Bus): the window's controls in reading order with their roles, names and
// extents, and the warning box. Run inside its own D-Bus session and X server.
// Usage: atspi_tests PROGRAM
#include <atspi/atspi.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "form/control_table.h"

extern char** environ;

namespace {

const char* g_program = nullptr;  // set once in main, from the command line

// An AtspiAccessible (a GObject) owned here.
struct Accessible {
    AtspiAccessible* object = nullptr;
    explicit Accessible(AtspiAccessible* o = nullptr) : object(o) {}
    Accessible(Accessible&& other) noexcept : object(std::exchange(other.object, nullptr)) {}
    Accessible& operator=(Accessible&& other) noexcept {
        std::swap(object, other.object);
        return *this;
    }
    ~Accessible() {
        if (object != nullptr) {
            g_object_unref(object);
        }
    }
    explicit operator bool() const { return object != nullptr; }
};

std::string Owned(gchar* text) {
    std::string result = text != nullptr ? text : "";
    g_free(text);
    return result;
}

std::string Name(AtspiAccessible* a) {
    return Owned(atspi_accessible_get_name(a, nullptr));
}
std::string Description(AtspiAccessible* a) {
    return Owned(atspi_accessible_get_description(a, nullptr));
}
AtspiRole Role(AtspiAccessible* a) {
    return atspi_accessible_get_role(a, nullptr);
}
std::vector<Accessible> Children(AtspiAccessible* a) {
    std::vector<Accessible> children;
    const int count = atspi_accessible_get_child_count(a, nullptr);
    for (int i = 0; i < count; ++i) {
        children.emplace_back(atspi_accessible_get_child_at_index(a, i, nullptr));
    }
    return children;
}

// The first accessible below `root`, depth first, that `match` accepts.
Accessible Find(AtspiAccessible* root, const std::function<bool(AtspiAccessible*)>& match) {
    for (Accessible& child : Children(root)) {
        if (child && match(child.object)) {
            return std::move(child);
        }
        if (child) {
            if (Accessible found = Find(child.object, match)) {
                return found;
            }
        }
    }
    return Accessible();
}

Accessible WaitFor(AtspiAccessible* root, const std::function<bool(AtspiAccessible*)>& match) {
    for (int i = 0; i < 200; ++i) {
        if (Accessible found = Find(root, match)) {
            return found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return Accessible();
}

bool Press(AtspiAccessible* a) {
    AtspiAction* action = atspi_accessible_get_action_iface(a);
    const bool done = action != nullptr && atspi_action_do_action(action, 0, nullptr);
    if (action != nullptr) {
        g_object_unref(action);
    }
    return done;
}

AtspiRole ExpectedRole(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
            return ATSPI_ROLE_LABEL;
        case ControlKind::TextBox:
            return ATSPI_ROLE_TEXT;
        case ControlKind::Button:
            return ATSPI_ROLE_PUSH_BUTTON;
    }
    return ATSPI_ROLE_INVALID;
}

class Atspi : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(atspi_init() >= 0, true);
        setenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1", 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        char* argv[] = {const_cast<char*>(g_program), nullptr};
        ASSERT_EQ(posix_spawn(&program_, g_program, nullptr, nullptr, argv, environ), 0);
        desktop_ = Accessible(atspi_get_desktop(0));
        form_ = WaitFor(desktop_.object, [](AtspiAccessible* a) {
            return Role(a) == ATSPI_ROLE_FRAME && Name(a) == "Form1";
        });
        ASSERT_TRUE(form_) << "no window Form1 on the accessibility bus";
    }
    void TearDown() override {
        form_ = Accessible();
        desktop_ = Accessible();
        if (program_ > 0) {
            kill(program_, SIGTERM);
            waitpid(program_, nullptr, 0);
        }
    }

    pid_t program_ = 0;
    Accessible desktop_, form_;
};

TEST_F(Atspi, ControlsComeInReadingOrderWithTheirRolesNamesAndPlaces) {
    const std::vector<Accessible> children = Children(form_.object);
    ASSERT_EQ(children.size(), kControls.size());
    for (std::size_t row = 0; row < kControls.size(); ++row) {
        const ControlRow& entry = kControls[row];
        AtspiAccessible* child = children[row].object;
        SCOPED_TRACE(ObjectName(entry));
        EXPECT_EQ(Role(child), ExpectedRole(entry.kind()));
        const std::string_view name =
            entry.kind() == ControlKind::TextBox ? entry.accessible_name : entry.caption;
        EXPECT_EQ(Name(child), name);
        EXPECT_EQ(Description(child), HintText(entry));
        AtspiComponent* component = atspi_accessible_get_component_iface(child);
        ASSERT_NE(component, nullptr);
        AtspiRect* rect = atspi_component_get_extents(component, ATSPI_COORD_TYPE_WINDOW, nullptr);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->x, ToPixels(entry.left, 96));
        EXPECT_EQ(rect->y, ToPixels(entry.top, 96));
        EXPECT_EQ(rect->width, ToPixels(entry.width, 96));
        EXPECT_EQ(rect->height, ToPixels(entry.height, 96));
        g_free(rect);
        g_object_unref(component);
    }
}

TEST_F(Atspi, TheWarningIsAnAlertWithItsTextAndOneButton) {
    Accessible verifica = Find(form_.object, [](AtspiAccessible* a) {
        return Role(a) == ATSPI_ROLE_PUSH_BUTTON && Name(a) == "VERIFICA";
    });
    ASSERT_TRUE(verifica);
    ASSERT_TRUE(Press(verifica.object));  // empty entries: the warning
    Accessible alert =
        WaitFor(desktop_.object, [](AtspiAccessible* a) { return Role(a) == ATSPI_ROLE_ALERT; });
    ASSERT_TRUE(alert) << "no alert";
    EXPECT_EQ(Name(alert.object), kApplicationTitle);
    EXPECT_TRUE(Find(alert.object, [](AtspiAccessible* a) {
        return Role(a) == ATSPI_ROLE_LABEL && Name(a) == "Impossibile: valori errati.";
    }));
    std::vector<std::string> buttons;
    Find(alert.object, [&buttons](AtspiAccessible* a) {
        if (Role(a) == ATSPI_ROLE_PUSH_BUTTON) {
            buttons.push_back(Name(a));
        }
        return false;
    });
    ASSERT_EQ(buttons, std::vector<std::string>{"OK"});
    Accessible ok =
        Find(alert.object, [](AtspiAccessible* a) { return Role(a) == ATSPI_ROLE_PUSH_BUTTON; });
    EXPECT_TRUE(Press(ok.object));
}

}  // namespace

int main(int argc, char* argv[]) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: atspi_tests PROGRAM\n");
        return 2;
    }
    g_program = argv[1];
    return RUN_ALL_TESTS();
}
