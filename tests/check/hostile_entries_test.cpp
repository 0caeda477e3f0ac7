// Hostile entries through the verify command: each has one defined outcome, and nothing escapes.
#include <gtest/gtest.h>

#include <string>

#include "check/triple_check.h"
#include "tests/support/recording_surface.h"

namespace {

using enum TextBox;

enum class Outcome { Triple, NotTriple, Invalid, TooLarge, TooSmall };

struct Hostile {
    const char* name;
    std::string entry;  // typed into Text1; Text2 and Text3 hold 4 and 5
    Outcome outcome;
};

void PrintTo(const Hostile& h, std::ostream* out) {
    *out << h.name;
}

Outcome OutcomeOf(const RecordingSurface& surface) {
    if (surface.messages().empty()) {
        return surface.text(Text12) == "è" ? Outcome::Triple : Outcome::NotTriple;
    }
    const std::string& message = surface.messages().front();
    return message == kInvalidEntries ? Outcome::Invalid
           : message == kTooLarge     ? Outcome::TooLarge
                                      : Outcome::TooSmall;
}

class HostileEntries : public testing::TestWithParam<Hostile> {};

TEST_P(HostileEntries, HaveOneDefinedOutcome) {
    RecordingSurface surface;
    surface.TypeEntries(GetParam().entry, "4", "5");
    ASSERT_NO_THROW(TripleCheck(surface));
    EXPECT_EQ(OutcomeOf(surface), GetParam().outcome);
    EXPECT_LE(surface.messages().size(), 1u);
    if (surface.messages().empty()) {
        EXPECT_EQ(surface.text(Text4), GetParam().entry);  // copied byte for byte
    } else {
        EXPECT_EQ(surface.text(Text4), "");
    }
}

const std::string kHundredThousandDigits = "1" + std::string(99'999, '0');
const std::string kTenMegabytes = "3." + std::string(10'000'000, '0');

INSTANTIATE_TEST_SUITE_P(
    Table, HostileEntries,
    testing::Values(
        Hostile{"inf", "inf", Outcome::Invalid}, Hostile{"nan", "nan", Outcome::Invalid},
        Hostile{"Infinity", "Infinity", Outcome::Invalid}, Hostile{"hex", "0x10", Outcome::Invalid},
        Hostile{"basic_hex", "&H10", Outcome::Invalid},
        Hostile{"bare_exponent", "1e", Outcome::NotTriple},
        Hostile{"signed_bare_exponent", "1e+", Outcome::NotTriple},
        Hostile{"minus_zero", "-0", Outcome::Invalid}, Hostile{"plus", "+3", Outcome::Triple},
        Hostile{"leading_space", " 3", Outcome::Triple},
        Hostile{"trailing_space", "3 ", Outcome::Triple},
        Hostile{"leading_tab", "\t3", Outcome::Triple},
        Hostile{"underflow", "1E-400", Outcome::TooSmall},
        Hostile{"overflow", "1E400", Outcome::TooLarge},
        Hostile{"negative_overflow", "-1E400", Outcome::Invalid},
        Hostile{"digits_100000", kHundredThousandDigits, Outcome::TooLarge},
        Hostile{"ten_megabytes", kTenMegabytes, Outcome::Triple},
        Hostile{"nul_after", std::string("3\0abc", 5), Outcome::Triple},
        Hostile{"nul_before",
                std::string("\0"
                            "3",
                            2),
                Outcome::Invalid},
        Hostile{"lone_surrogate_after", "3\xED\xA0\x80", Outcome::Triple},
        Hostile{"lone_surrogate_before",
                "\xED\xB0\x80"
                "3",
                Outcome::Invalid},
        Hostile{"invalid_utf8", "3\xFF\xFE", Outcome::Triple},
        Hostile{"full_width", "\xEF\xBC\x93", Outcome::Invalid},
        Hostile{"arabic_indic", "\xD9\xA3", Outcome::Invalid},
        Hostile{"rtl_mark",
                "\xE2\x80\x8F"
                "3",
                Outcome::Invalid},
        Hostile{"emoji", "\xF0\x9F\x98\x80", Outcome::Invalid},
        Hostile{"digit_then_emoji", "3\xF0\x9F\x98\x80", Outcome::Triple},
        Hostile{"combining_accent", "3\xCC\x81", Outcome::Triple},
        Hostile{"tiny_square", "1E-160", Outcome::TooSmall}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
