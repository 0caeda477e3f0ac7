// Writes what every window must do as JSON, for the tests of windows not written in C++.
#include <cstdio>

#include "tests/form/window_behaviours.h"

int main() {
    const std::string json = BehavioursJson();
    return std::fwrite(json.data(), 1, json.size(), stdout) == json.size() ? 0 : 1;
}
