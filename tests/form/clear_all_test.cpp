// AZZERA against an in-memory window.
#include "form/clear_all.h"

#include <gtest/gtest.h>

#include "check/triple_check.h"
#include "tests/support/recording_surface.h"

namespace {

using enum TextBox;

TEST(ClearAll, EmptiesTheTwelveBoxesInOrderAndNothingElse) {
    RecordingSurface surface;
    ClearAll(surface);
    const std::vector<SurfaceCall> expected = {
        Set(Text1, ""), Set(Text2, ""),  Set(Text3, ""),  Set(Text4, ""),
        Set(Text5, ""), Set(Text6, ""),  Set(Text7, ""),  Set(Text8, ""),
        Set(Text9, ""), Set(Text10, ""), Set(Text11, ""), Set(Text12, ""),
    };
    EXPECT_EQ(surface.calls(), expected);
}

TEST(ClearAll, EmptiesResultsAndTextTypedIntoThem) {
    RecordingSurface surface;
    surface.TypeEntries("3", "4", "5");
    TripleCheck(surface);
    surface.Type(Text10, "typed by hand");
    ClearAll(surface);
    for (int box = 1; box <= kTextBoxCount; ++box) {
        EXPECT_EQ(surface.text(static_cast<TextBox>(box)), "") << "Text" << box;
    }
    EXPECT_TRUE(surface.messages().empty());
}

}  // namespace
