// What the commands need of the window: read a box, write a box, show a warning.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The twelve text boxes of the window, by control name.
enum class TextBox {
    Text1 = 1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
};

inline constexpr int kTextBoxCount = 12;

// A box's place among the twelve, from 0.
constexpr std::size_t BoxIndex(TextBox box) {
    return static_cast<std::size_t>(box) - 1;
}

// Texts are UTF-8 and pass through unchanged: nothing is trimmed or normalised.
class FormSurface {
  public:
    virtual ~FormSurface() = default;

    // The box's current text, exactly as typed.
    virtual std::string GetText(TextBox box) const = 0;
    // Replaces the box's whole text; the focus does not move.
    virtual void SetText(TextBox box, std::string_view text) = 0;
    // A modal warning with one OK button; returns once it is dismissed.
    virtual void ShowMessage(std::string_view prompt) = 0;
};
