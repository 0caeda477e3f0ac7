// Box texts to the commands' bytes and back: every UTF-16 text survives, lone surrogates too.
#include "form/box_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Crossing {
    const char* name;
    std::u16string box;
    std::string bytes;
};

void PrintTo(const Crossing& c, std::ostream* out) {
    *out << c.name;
}

class BoxTextCrossings : public testing::TestWithParam<Crossing> {};

TEST_P(BoxTextCrossings, GoBothWaysUnitForUnit) {
    EXPECT_EQ(BoxBytes(GetParam().box), GetParam().bytes);
    EXPECT_EQ(BoxUtf16(GetParam().bytes), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BoxTextCrossings,
    testing::Values(Crossing{"empty", u"", ""}, Crossing{"digits", u"3.5", "3.5"},
                    Crossing{"accent", u"non è", "non \xC3\xA8"},
                    Crossing{"ellipsis", u"\u2026", "\xE2\x80\xA6"},
                    Crossing{"nul", std::u16string(u"3\0x", 3), std::string("3\0x", 3)},
                    Crossing{"pair", u"3\U0001F600", "3\xF0\x9F\x98\x80"},
                    Crossing{"lone high", u"3\xD800", "3\xED\xA0\x80"},
                    Crossing{"lone low first",
                             u"\xDC00"
                             u"4",
                             "\xED\xB0\x80"
                             "4"},
                    Crossing{"reversed pair", u"\xDC00\xD800", "\xED\xB0\x80\xED\xA0\x80"},
                    Crossing{"last code point", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"}));

struct Malformed {
    const char* name;
    std::string bytes;
    std::u16string box;
};

void PrintTo(const Malformed& m, std::ostream* out) {
    *out << m.name;
}

class MalformedBytes : public testing::TestWithParam<Malformed> {};

TEST_P(MalformedBytes, BecomeReplacementCharacters) {
    EXPECT_EQ(BoxUtf16(GetParam().bytes), GetParam().box);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, MalformedBytes,
    testing::Values(Malformed{"stray continuation", "3\x80", u"3\uFFFD"},
                    Malformed{"cut at the end", "3\xC3", u"3\uFFFD"},
                    Malformed{"cut before ascii",
                              "\xE2\x80"
                              "4",
                              u"\uFFFD\uFFFD"
                              u"4"},
                    Malformed{"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
                    Malformed{"overlong three", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
                    Malformed{"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
                    Malformed{"invalid lead", "\xFF", u"\uFFFD"}));

struct Cut {
    const char* name;
    std::u16string text;
    std::size_t kept;  // units left
};

void PrintTo(const Cut& c, std::ostream* out) {
    *out << c.name;
}

class BoxLengthCuts : public testing::TestWithParam<Cut> {};

TEST_P(BoxLengthCuts, KeepWholeCharactersUpToTheLimit) {
    const std::u16string_view cut = CutToBoxLength(GetParam().text);
    EXPECT_EQ(cut, std::u16string_view(GetParam().text).substr(0, GetParam().kept));
}

const std::size_t kLimit = kMaxBoxLength;
const std::u16string kFull(kLimit, u'7');

INSTANTIATE_TEST_SUITE_P(
    Texts, BoxLengthCuts,
    testing::Values(Cut{"empty", u"", 0}, Cut{"full", kFull, kLimit},
                    Cut{"one unit over", kFull + u"8", kLimit},
                    Cut{"pair straddling the limit", kFull.substr(1) + u"\U0001F600", kLimit - 1},
                    Cut{"pair ending at the limit", kFull.substr(2) + u"\U0001F600" + u"8", kLimit},
                    Cut{"lone high half at the limit, nothing after", kFull.substr(1) + u"\xD800",
                        kLimit},
                    Cut{"lone high half at the limit, a digit after",
                        kFull.substr(1) + u"\xD800" + u"8", kLimit},
                    Cut{"lone low half after the limit", kFull + u"\xDC00", kLimit}));

TEST(ToolTipText, ShowsShortTextsWholeAndCutsLongOnesOutsideASurrogatePair) {
    const std::u16string fits(kToolTipLength, u'7');
    EXPECT_EQ(ToolTipText(fits), fits);
    EXPECT_EQ(ToolTipText(fits + u"8"), fits + u"\u2026");
    // U+1F600 straddling the cut stays whole by going.
    const std::u16string pair = std::u16string(kToolTipLength - 1, u'7') + u"\U0001F600";
    EXPECT_EQ(ToolTipText(pair), std::u16string(kToolTipLength - 1, u'7') + u"\u2026");
}

}  // namespace
