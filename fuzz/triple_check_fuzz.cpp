// Fuzzes the verify command with three entries (the input's lines) on an in-memory window.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "check/triple_check.h"
#include "tests/support/recording_surface.h"

namespace {

using enum TextBox;

void CheckOneClick(std::string_view a, std::string_view b, std::string_view c,
                   std::string_view separator) {
    RecordingSurface surface;
    surface.TypeEntries(a, b, c);
    try {
        TripleCheck(surface, separator);
    } catch (...) {
        std::abort();  // nothing may escape
    }
    const auto& messages = surface.messages();
    const auto results = surface.ResultTexts();
    if (messages.size() > 1) {
        std::abort();
    }
    if (!messages.empty()) {
        for (const auto& text : results) {
            if (!text.empty()) {
                std::abort();  // a refused triple writes nothing
            }
        }
        return;
    }
    for (const auto& text : results) {
        if (text.empty()) {
            std::abort();  // an accepted one writes all nine boxes
        }
    }
    const auto& relation = surface.text(Text10);
    const bool equal = relation == "=" && surface.text(Text6) == "=" && surface.text(Text12) == "è";
    const bool unequal =
        relation == "=/" && surface.text(Text6) == "=/" && surface.text(Text12) == "non è";
    if (!equal && !unequal) {
        std::abort();
    }
    if (surface.text(Text4) != a || surface.text(Text5) != b || surface.text(Text7) != c) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view entries[3];
    for (auto& entry : entries) {
        const std::size_t end = input.find('\n');
        entry = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    CheckOneClick(entries[0], entries[1], entries[2], ".");
    CheckOneClick(entries[0], entries[1], entries[2], ",");
    return 0;
}
