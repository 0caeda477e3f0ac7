// What every window must show, read by the tests of each: the Tab cycle, and VERIFICA end to end.
#pragma once

#include <array>
#include <string_view>

inline constexpr std::array<std::string_view, 14> kTabCycle = {
    "Text1", "Text2",  "Text3",    "Command2", "Text4", "Text5",  "Text7",
    "Text6", "Text12", "Command1", "Text8",    "Text9", "Text10", "Text11"};

struct VerifyCase {
    std::string_view name;
    std::string_view a, b, c;                 // typed into Text1, Text2, Text3
    std::array<std::string_view, 9> results;  // Text4 .. Text12 afterwards
    std::string_view message;                 // the warning shown, if any
};

inline constexpr std::string_view kWarningCaption = "Terne pitagoriche";

inline constexpr std::array<VerifyCase, 5> kVerifyCases = {{
    {"triple", "3", "4", "5", {"3", "4", "=", "5", "9", "16", "=", "25", "è"}, ""},
    {"not a triple", "2", "3", "4", {"2", "3", "=/", "4", "4", "9", "=/", "16", "non è"}, ""},
    {"invalid entry", "abc", "4", "5", {}, "Impossibile: valori errati."},
    {"lone surrogate",
     "3\xED\xA0\x80",
     "4",
     "5",
     {"3\xED\xA0\x80", "4", "=", "5", "9", "16", "=", "25", "è"},
     ""},
    // Longer than their boxes: each must show its beginning, not its tail.
    {"long squares",
     "123456789",
     "0.000123",
     "123456789",
     {"123456789", "0.000123", "=", "123456789", "1.52415787501905E+16", "1.5129E-08", "=",
      "1.52415787501905E+16", "è"},
     ""},
}};
