// A working value of the verify command: empty, or one number.
#pragma once

#include <optional>
#include <string_view>

#include "check/numeric_text.h"

class WorkValue {
  public:
    WorkValue() = default;
    explicit WorkValue(double number) : number_(number) {}

    bool empty() const { return !number_.has_value(); }
    // Only for a value that holds a number.
    double number() const { return *number_; }
    // "" when empty, the number's text otherwise.
    NumberText Text(std::string_view separator = ".") const {
        return number_ ? NumberToText(*number_, separator) : NumberText();
    }

  private:
    std::optional<double> number_;
};
