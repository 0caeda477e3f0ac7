// Reading and writing number texts: accepted and rejected forms, rounding, range, formatting.
#include "check/numeric_text.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "check/work_value.h"

namespace {

struct Reading {
    std::string text;
    double expected;
};

void PrintTo(const Reading& r, std::ostream* out) {
    *out << '"' << r.text << '"';
}

class TextToNumberAccepts : public testing::TestWithParam<Reading> {};

TEST_P(TextToNumberAccepts, ReadsTheLeadingNumber) {
    EXPECT_EQ(TextToNumber(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, TextToNumberAccepts,
    testing::Values(Reading{"3", 3}, Reading{"-2", -2}, Reading{"2.5", 2.5}, Reading{"+3", 3},
                    Reading{"007", 7}, Reading{".5", 0.5}, Reading{"5.", 5}, Reading{"-.5", -0.5},
                    Reading{"1.21", 1.21}, Reading{"1E+16", 1e16}, Reading{"1e16", 1e16},
                    Reading{"1E-05", 1e-5}, Reading{"2.5e3", 2500}, Reading{"1E+308", 1e308},
                    Reading{"0.0009", 0.0009}, Reading{"2.2250738585072014E-308", DBL_MIN}));

INSTANTIATE_TEST_SUITE_P(BlanksAndTrailers, TextToNumberAccepts,
                         testing::Values(Reading{" 3", 3}, Reading{"\t3", 3},
                                         Reading{" \t 4.5", 4.5}, Reading{"3 ", 3},
                                         Reading{"1 2", 1}, Reading{"3abc", 3}, Reading{"3,5", 3},
                                         Reading{"3.5.6", 3.5}, Reading{"12E2x", 1200},
                                         Reading{"1e", 1}, Reading{"1e+", 1}, Reading{"1E-", 1},
                                         Reading{"1E 5", 1}, Reading{"2e3.5", 2000},
                                         Reading{"0x10", 0}, Reading{"5\n", 5},
                                         Reading{std::string("7\0"
                                                             "8",
                                                             3),
                                                 7}));

class TextToNumberRejects : public testing::TestWithParam<std::string> {};

TEST_P(TextToNumberRejects, ReadsZero) {
    const double value = TextToNumber(GetParam());
    EXPECT_EQ(value, 0.0);
    EXPECT_FALSE(std::signbit(value));
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, TextToNumberRejects,
                         testing::Values("", " ", "\t", "abc", "inf", "INF", "nan", "NaN",
                                         "Infinity", "-inf", "&H10", "+", "-", ".", "-.", "+.e5",
                                         "E5", "e5", "- 3", "++3", "+-3", ",5", "\n3",
                                         "\xC2\xA0"
                                         "3" /* no-break space */,
                                         "\xEF\xBC\x93" /* full-width 3 */,
                                         "\xD9\xA3" /* Arabic-Indic 3 */,
                                         "\xE2\x80\x8F"
                                         "3" /* right-to-left mark */,
                                         "\xF0\x9F\x98\x80",
                                         std::string("\0"
                                                     "3",
                                                     2)));

TEST(TextToNumber, MinusZeroKeepsItsSign) {
    EXPECT_TRUE(std::signbit(TextToNumber("-0")));
    EXPECT_TRUE(std::signbit(TextToNumber("-0.000e5")));
}

TEST(TextToNumber, OtherSeparators) {
    EXPECT_EQ(TextToNumber("2,25", ","), 2.25);
    EXPECT_EQ(TextToNumber("2.25", ","), 2);
    EXPECT_EQ(TextToNumber("-1,5E+3", ","), -1500);
    EXPECT_EQ(TextToNumber(",5", ","), 0.5);
    EXPECT_EQ(TextToNumber("1\xD9\xAB"
                           "5",
                           "\xD9\xAB"),
              1.5);                                   // Arabic decimal separator
    EXPECT_EQ(TextToNumber("1\xD9", "\xD9\xAB"), 1);  // half a separator is none
    EXPECT_EQ(TextToNumber("2.5", ""), 2.5);          // no separator means the point
}

// Long mantissas are rounded as a whole, not cut after some digits.
TEST(TextToNumber, RoundsLongMantissasCorrectly) {
    // 2^53 + 1 lies halfway between two doubles: ties go to even, anything above goes up.
    EXPECT_EQ(TextToNumber("9007199254740993"), 9007199254740992.0);
    EXPECT_EQ(TextToNumber("9007199254740993." + std::string(100'000, '0') + "1"),
              9007199254740994.0);
    EXPECT_EQ(TextToNumber("9007199254740993" + std::string(800, '0') + "1E-801"),
              9007199254740994.0);
    EXPECT_EQ(TextToNumber("0.1" + std::string(50'000, '0') + "1"), 0.1);
    EXPECT_EQ(TextToNumber("1" + std::string(300, '0')), 1e300);
    EXPECT_EQ(TextToNumber("0." + std::string(500, '0') + "1e+600"), 1e99);
    EXPECT_EQ(TextToNumber(std::string(100'000, '0') + "3"), 3);
    // The largest double, and the halfway point above it that still rounds down to it.
    EXPECT_EQ(TextToNumber("1.7976931348623157e308"), DBL_MAX);
    EXPECT_EQ(TextToNumber("1.797693134862315807e308"), DBL_MAX);
}

TEST(TextToNumber, TinyNumbersRoundToSubnormalsOrZero) {
    const double smallest = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(TextToNumber("4.9e-324"), smallest);
    EXPECT_EQ(TextToNumber("3e-324"), smallest);
    EXPECT_EQ(TextToNumber("1E-400"), 0.0);
    EXPECT_EQ(TextToNumber("2e-324"), 0.0);
    EXPECT_EQ(TextToNumber("1000e-402"), 0.0);
    EXPECT_EQ(TextToNumber("0.00001e-320"), 0.0);
    EXPECT_EQ(TextToNumber("1e-99999999999999999999999"), 0.0);
    EXPECT_TRUE(std::signbit(TextToNumber("-1E-400")));
    EXPECT_EQ(TextToNumber("0e999999999999999999999"), 0.0);
}

struct OutOfRange {
    std::string text;
    bool negative;
};

void PrintTo(const OutOfRange& r, std::ostream* out) {
    *out << '"' << r.text.substr(0, 40) << '"';
}

class TextToNumberOutOfRange : public testing::TestWithParam<OutOfRange> {};

TEST_P(TextToNumberOutOfRange, Throws) {
    try {
        TextToNumber(GetParam().text);
        FAIL() << "no exception";
    } catch (const NumberOutOfRange& error) {
        EXPECT_EQ(error.negative(), GetParam().negative);
    }
}

INSTANTIATE_TEST_SUITE_P(TooLarge, TextToNumberOutOfRange,
                         testing::Values(OutOfRange{"1E400", false}, OutOfRange{"-1E400", true},
                                         OutOfRange{" +1e309xyz", false},
                                         OutOfRange{"1.7976931348623159e308", false},
                                         OutOfRange{"1.79769313486232E+308", false},
                                         OutOfRange{"1e99999999999999999999999", false},
                                         OutOfRange{"1" + std::string(400, '0'), false},
                                         OutOfRange{"-" + std::string(100'000, '9'), true},
                                         OutOfRange{"0." + std::string(500, '0') + "1e+900", false},
                                         OutOfRange{"0.001e312", false}));

TEST(NumberToText, WritesLikePercent15G) {
    const std::pair<double, const char*> cases[] = {
        {9, "9"},
        {2.25, "2.25"},
        {0.25, "0.25"},
        {0, "0"},
        {-2, "-2"},
        {0.0009, "0.0009"},
        {0.0001, "0.0001"},
        {1e-5, "1E-05"},
        {1.5e-7, "1.5E-07"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {1e16, "1E+16"},
        {1234567890123456, "1.23456789012346E+15"},
        {1e100, "1E+100"},
        {1e308, "1E+308"},
        {DBL_MAX, "1.79769313486232E+308"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
        {std::numeric_limits<double>::infinity(), "INF"},
    };
    for (const auto& [x, text] : cases) {
        EXPECT_EQ(NumberToText(x), text) << x;
    }
}

TEST(NumberToText, UsesTheGivenSeparator) {
    EXPECT_EQ(NumberToText(2.25, ","), "2,25");
    EXPECT_EQ(NumberToText(1.5e-7, ","), "1,5E-07");
    EXPECT_EQ(NumberToText(9, ","), "9");
    EXPECT_EQ(NumberToText(-1.0 / 3, std::string(32, '#')),
              "-0" + std::string(32, '#') + "333333333333333");
    EXPECT_THROW(NumberToText(2.5, std::string(33, '#')), std::length_error);
    EXPECT_EQ(NumberToText(1.21, "\xD9\xAB"),
              "1\xD9\xAB"
              "21");
}

TEST(RoundTrip, GivesFifteenSignificantDigits) {
    const std::tuple<double, const char*, double> cases[] = {
        {1.21, "1.21", 1.21},
        {1e16, "1E+16", 1e16},
        {0.1 + 0.2, "0.3", 0.3},
        {3.14159265358979323846, "3.14159265358979", 3.14159265358979},
        {0.03 * 0.03, "0.0009", 0.0009},
        {2.0 / 3e-300, "6.66666666666667E+299", 6.66666666666667e299},
    };
    for (const auto& [x, text, back] : cases) {
        EXPECT_EQ(NumberToText(x), text);
        EXPECT_EQ(TextToNumber(NumberToText(x)), back) << text;
        EXPECT_EQ(TextToNumber(NumberToText(x, ","), ","), back) << text;
    }
}

TEST(RoundTrip, CommaTextReadWithThePointKeepsTheIntegerPart) {
    EXPECT_EQ(TextToNumber(NumberToText(1.21, ",")), 1);
    EXPECT_EQ(TextToNumber(NumberToText(2.25, ",")), 2);
    EXPECT_EQ(TextToNumber(NumberToText(1e16, ",")), 1e16);
}

TEST(WorkValue, EmptyHasEmptyTextThatReadsZero) {
    const WorkValue empty;
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty.Text(), "");
    EXPECT_EQ(TextToNumber(empty.Text()), 0.0);
    const WorkValue square(2.25);
    EXPECT_EQ(square.Text(","), "2,25");
}

}  // namespace
