// The verify command against an in-memory window: verdicts, call order, refusals.
#include "check/triple_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/recording_surface.h"

namespace {

using enum TextBox;

struct Verdict {
    std::string a, b, c;
    std::string separator;
    // Text4 .. Text12 afterwards.
    std::vector<std::string> screen;
};

void PrintTo(const Verdict& v, std::ostream* out) {
    *out << v.a.substr(0, 30) << " / " << v.b << " / " << v.c << " (separator " << v.separator
         << ")";
}

std::vector<std::string> Equal(std::string a, std::string b, std::string c, std::string a2,
                               std::string b2, std::string c2) {
    return {a, b, "=", c, a2, b2, "=", c2, "è"};
}
std::vector<std::string> Unequal(std::string a, std::string b, std::string c, std::string a2,
                                 std::string b2, std::string c2) {
    return {a, b, "=/", c, a2, b2, "=/", c2, "non è"};
}

class Verdicts : public testing::TestWithParam<Verdict> {};

TEST_P(Verdicts, WritesBothEquationsAndTheVerdict) {
    const Verdict& v = GetParam();
    RecordingSurface surface;
    surface.TypeEntries(v.a, v.b, v.c);
    TripleCheck(surface, v.separator);
    EXPECT_EQ(surface.ResultTexts(), v.screen);
    EXPECT_TRUE(surface.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Triples, Verdicts,
    testing::Values(Verdict{"3", "4", "5", ".", Equal("3", "4", "5", "9", "16", "25")},
                    Verdict{"5", "4", "3", ".", Unequal("5", "4", "3", "25", "16", "9")},
                    Verdict{"2", "3", "4", ".", Unequal("2", "3", "4", "4", "9", "16")},
                    Verdict{"6", "8", "10", ".", Equal("6", "8", "10", "36", "64", "100")},
                    Verdict{"20", "21", "29", ".", Equal("20", "21", "29", "400", "441", "841")},
                    Verdict{"1.5", "2", "2.5", ".", Equal("1.5", "2", "2.5", "2.25", "4", "6.25")},
                    Verdict{"1.1", "1.1", "1.5", ".",
                            Unequal("1.1", "1.1", "1.5", "1.21", "1.21", "2.25")},
                    Verdict{"0.03", "0.04", "0.05", ".",
                            Equal("0.03", "0.04", "0.05", "0.0009", "0.0016", "0.0025")},
                    Verdict{"3e7", "4E+7", "5e7", ".",
                            Equal("3e7", "4E+7", "5e7", "900000000000000", "1.6E+15", "2.5E+15")},
                    // The square is 574283995975840.5 exactly: glibc's pow, called unoptimised,
                    // gives one more.
                    Verdict{"23964223.25", "1", "1", ".",
                            Unequal("23964223.25", "1", "1", "574283995975840", "1", "1")}));

// Scaled triples whose squares, as shown, add up in binary64 and not in the x87's extended
// precision, which GCC uses for an i686 unless told otherwise: the 32-bit Windows program.
INSTANTIATE_TEST_SUITE_P(
    Binary64Sums, Verdicts,
    testing::Values(Verdict{"0.05", "0.12", "0.13", ".",
                            Equal("0.05", "0.12", "0.13", "0.0025", "0.0144", "0.0169")},
                    Verdict{"0.07", "0.24", "0.25", ".",
                            Equal("0.07", "0.24", "0.25", "0.0049", "0.0576", "0.0625")},
                    Verdict{"0.08", "0.15", "0.17", ".",
                            Equal("0.08", "0.15", "0.17", "0.0064", "0.0225", "0.0289")},
                    Verdict{"0.12", "0.35", "0.37", ".",
                            Equal("0.12", "0.35", "0.37", "0.0144", "0.1225", "0.1369")}));

// Squares are read back with the separator they were written with, so the verdict is the same
// in every locale.
INSTANTIATE_TEST_SUITE_P(
    CommaLocale, Verdicts,
    testing::Values(Verdict{"1.5", "2", "2.5", ",", Equal("1.5", "2", "2.5", "2,25", "4", "6,25")},
                    Verdict{"1.1", "1.1", "1.5", ",",
                            Unequal("1.1", "1.1", "1.5", "1,21", "1,21", "2,25")},
                    Verdict{"0.03", "0.04", "0.05", ",",
                            Equal("0.03", "0.04", "0.05", "0,0009", "0,0016", "0,0025")},
                    Verdict{"3", "4", "5", "\xD9\xAB", Equal("3", "4", "5", "9", "16", "25")},
                    Verdict{"0.3", "0.4", "0.6", "\xD9\xAB",
                            Unequal("0.3", "0.4", "0.6",
                                    "0\xD9\xAB"
                                    "09",
                                    "0\xD9\xAB"
                                    "16",
                                    "0\xD9\xAB"
                                    "36")}));

// Entries are copied as typed; only their leading number counts.
INSTANTIATE_TEST_SUITE_P(
    EntriesAsTyped, Verdicts,
    testing::Values(Verdict{"3abc", "4", "5", ".", Equal("3abc", "4", "5", "9", "16", "25")},
                    Verdict{"3,5", "4", "5", ".", Equal("3,5", "4", "5", "9", "16", "25")},
                    Verdict{" 3", "4 ", "\t5", ".", Equal(" 3", "4 ", "\t5", "9", "16", "25")},
                    Verdict{"+3", "4e0", "5.", ".", Equal("+3", "4e0", "5.", "9", "16", "25")},
                    Verdict{"1e", "1e+", "2", ".", Unequal("1e", "1e+", "2", "1", "1", "4")}));

// A sum of squares beyond binary64 equals no finite square.
INSTANTIATE_TEST_SUITE_P(
    HugeSquares, Verdicts,
    testing::Values(Verdict{"1E154", "1E154", "1", ".",
                            Unequal("1E154", "1E154", "1", "1E+308", "1E+308", "1")},
                    Verdict{"1E-150", "1E-150", "1E-150", ".",
                            Unequal("1E-150", "1E-150", "1E-150", "1E-300", "1E-300", "1E-300")}));

TEST(TripleCheck, EqualTripleCallsInOrder) {
    RecordingSurface surface;
    surface.TypeEntries("3", "4", "5");
    TripleCheck(surface);
    const std::vector<SurfaceCall> expected = {
        Get(Text1),       Get(Text2),        Get(Text3),       Set(Text4, "3"),
        Set(Text5, "4"),  Set(Text7, "5"),   Set(Text6, "="),  Set(Text8, "9"),
        Set(Text9, "16"), Set(Text11, "25"), Set(Text12, "è"), Set(Text10, "="),
    };
    EXPECT_EQ(surface.calls(), expected);
}

TEST(TripleCheck, UnequalTripleCallsInOrder) {
    RecordingSurface surface;
    surface.TypeEntries("5", "4", "3");
    TripleCheck(surface);
    const std::vector<SurfaceCall> expected = {
        Get(Text1),       Get(Text2),           Get(Text3),       Set(Text4, "5"),
        Set(Text5, "4"),  Set(Text7, "3"),      Set(Text6, "="),  Set(Text8, "25"),
        Set(Text9, "16"), Set(Text11, "9"),     Set(Text12, "è"), Set(Text10, "=/"),
        Set(Text6, "=/"), Set(Text12, "non è"),
    };
    EXPECT_EQ(surface.calls(), expected);
}

TEST(TripleCheck, SameEntriesTwiceGiveTheSameScreen) {
    RecordingSurface surface;
    surface.TypeEntries("2", "3", "4");
    TripleCheck(surface);
    const auto first = surface.ResultTexts();
    TripleCheck(surface);
    EXPECT_EQ(surface.ResultTexts(), first);
}

TEST(TripleCheck, NewTripleOverwritesEveryResultBox) {
    RecordingSurface surface;
    surface.TypeEntries("5", "4", "3");
    TripleCheck(surface);
    surface.TypeEntries("3", "4", "5");
    TripleCheck(surface);
    EXPECT_EQ(surface.ResultTexts(), Equal("3", "4", "5", "9", "16", "25"));
}

// Entries the command refuses: it reads the three boxes, writes none, and warns exactly once.
struct Refusal {
    std::string a, b, c;
    std::string_view message;
};

void PrintTo(const Refusal& r, std::ostream* out) {
    *out << r.a.substr(0, 30) << " / " << r.b << " / " << r.c.substr(0, 30);
}

class Refusals : public testing::TestWithParam<Refusal> {};

TEST_P(Refusals, WriteNothingAndWarnOnce) {
    const Refusal& r = GetParam();
    RecordingSurface surface;
    // A previous, unequal triple and a square typed by hand must survive untouched.
    surface.TypeEntries("5", "4", "3");
    TripleCheck(surface);
    surface.Type(Text8, "typed");
    const auto before = surface.ResultTexts();
    surface.ForgetCalls();

    surface.TypeEntries(r.a, r.b, r.c);
    ASSERT_NO_THROW(TripleCheck(surface, ","));
    const std::vector<SurfaceCall> expected = {Get(Text1), Get(Text2), Get(Text3),
                                               Message(r.message)};
    EXPECT_EQ(surface.calls(), expected);
    EXPECT_EQ(surface.ResultTexts(), before);
}

INSTANTIATE_TEST_SUITE_P(
    InvalidEntries, Refusals,
    testing::Values(
        Refusal{"0", "4", "5", kInvalidEntries}, Refusal{"", "4", "5", kInvalidEntries},
        Refusal{"3", "", "5", kInvalidEntries}, Refusal{"3", "4", "", kInvalidEntries},
        Refusal{"abc", "4", "5", kInvalidEntries}, Refusal{"-3", "4", "5", kInvalidEntries},
        Refusal{"3", "4", "-0", kInvalidEntries}, Refusal{"abc", "def", "", kInvalidEntries},
        Refusal{"inf", "nan", "0x10", kInvalidEntries},
        Refusal{"-1E-400", "4", "5", kInvalidEntries}, Refusal{"0E-400", "4", "5", kInvalidEntries},
        Refusal{"-1E400", "4", "5", kInvalidEntries},
        Refusal{"\xEF\xBC\x93", "4", "5", kInvalidEntries},
        // Wrong entries take precedence over numbers that are out of range.
        Refusal{"1E400", "abc", "5", kInvalidEntries},
        Refusal{"1E-200", "-1", "1E200", kInvalidEntries}));

INSTANTIATE_TEST_SUITE_P(TooLarge, Refusals,
                         testing::Values(Refusal{"1E400", "4", "5", kTooLarge},
                                         Refusal{"3", "4", "1E400", kTooLarge},
                                         Refusal{"1E200", "1", "1", kTooLarge},
                                         Refusal{"1", "1", "1E155", kTooLarge},
                                         Refusal{"1" + std::string(400, '0'), "1", "1", kTooLarge},
                                         Refusal{"1.3407807929942596E154", "1", "1", kTooLarge},
                                         Refusal{"1E200", "1E-200", "1", kTooLarge}));

INSTANTIATE_TEST_SUITE_P(TooSmall, Refusals,
                         testing::Values(Refusal{"1E-200", "1E-200", "1E-200", kTooSmall},
                                         Refusal{"1e-160", "1", "1", kTooSmall},
                                         Refusal{"3", "4", "1E-155", kTooSmall},
                                         Refusal{"4.9e-324", "1", "1", kTooSmall},
                                         // positive, but below the smallest subnormal
                                         Refusal{"1E-400", "4", "5", kTooSmall},
                                         Refusal{"3", "4", "+0.0001e-330", kTooSmall},
                                         Refusal{"1E-400", "1E200", "1", kTooLarge}));

// A locale separator that a number's text could contain would change what the squares read
// back as ("2025" for 2.25 with "0", 1 for 1E+16 with "E"); the point stands in for it.
class UnusableSeparators : public testing::TestWithParam<std::string> {};

TEST_P(UnusableSeparators, GiveThePointAndTheRightVerdicts) {
    RecordingSurface surface;
    surface.TypeEntries("1.5", "2", "2.5");
    ASSERT_NO_THROW(TripleCheck(surface, GetParam()));
    EXPECT_EQ(surface.ResultTexts(), Equal("1.5", "2", "2.5", "2.25", "4", "6.25"));
    surface.TypeEntries("0.03", "0.04", "0.05");
    TripleCheck(surface, GetParam());
    EXPECT_EQ(surface.text(Text12), "è");
    surface.TypeEntries("1E8", "1E8", "1.4142135623730951");
    TripleCheck(surface, GetParam());
    EXPECT_EQ(surface.ResultTexts(),
              Unequal("1E8", "1E8", "1.4142135623730951", "1E+16", "1E+16", "2"));
    EXPECT_TRUE(surface.messages().empty());
}

std::string Repeated(std::string_view unit, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += unit;
    }
    return text;
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnusableSeparators,
                         testing::Values("", "0", "5", "E", "e", "+", "-", " ", "\t", "1,",
                                         "\xC2\xA0", "\xE2\x80\xAF", Repeated("x", 40),
                                         Repeated("\xE2\x82\xAC", 11)));

TEST(TripleCheck, ALongButUsableSeparatorIsKept) {
    RecordingSurface surface;
    surface.TypeEntries("1.5", "2", "2.5");
    TripleCheck(surface, Repeated("\xE2\x82\xAC", 10));
    EXPECT_EQ(surface.text(Text8), "2" + Repeated("\xE2\x82\xAC", 10) + "25");
    EXPECT_EQ(surface.text(Text12), "è");
}

TEST(TripleCheck, LongEntriesAreCopiedWhole) {
    RecordingSurface surface;
    const std::string three = "3." + std::string(100'000, '0');
    surface.TypeEntries(three, "4", "5");
    TripleCheck(surface);
    EXPECT_EQ(surface.text(Text4), three);
    EXPECT_EQ(surface.text(Text8), "9");
    EXPECT_EQ(surface.text(Text12), "è");
}

TEST(TripleCheck, SquaresNextToTheLimitsAreJudged) {
    RecordingSurface surface;
    surface.TypeEntries("1.34078079299425E154", "1.5E-154", "1.34078079299425E154");
    TripleCheck(surface);
    EXPECT_TRUE(surface.messages().empty());
    EXPECT_EQ(surface.text(Text8), "1.79769313486229E+308");
    EXPECT_EQ(surface.text(Text9), "2.25E-308");
    EXPECT_EQ(surface.text(Text12), "è");  // 2.25E-308 vanishes beside 1.8E+308
}

}  // namespace
