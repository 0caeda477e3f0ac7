// What the table's rules derive: the exponents, and the verdict row as a sentence.
#include "form/control_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ControlTable, TheExponentsAreTheThreeSmallTwos) {
    std::vector<std::string> exponents;
    for (const ControlRow& control : kControls) {
        if (IsExponent(control)) {
            exponents.push_back(ObjectName(control));
        }
    }
    EXPECT_EQ(exponents, (std::vector<std::string>{"Label3(1)", "Label4", "Label5"}));
}

TEST(ControlTable, TheVerdictRowReadsAsOneSentence) {
    EXPECT_EQ(VerdictSentence("è"), "La TERNA è Pitagorica");
    EXPECT_EQ(VerdictSentence("non è"), "La TERNA non è Pitagorica");
}

TEST(ControlTable, ABoxIsDescribedByItsHintsCaptions) {
    EXPECT_EQ(HintText(kControls[RowOf(TextBox::Text3)]),
              "(numero più grande nell'ultima casella) Per i numeri decimali, usa il punto al "
              "posto della virgola");
    EXPECT_EQ(HintText(kControls[RowOf(TextBox::Text8)]), "");
}

}  // namespace
