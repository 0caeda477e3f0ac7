// The control table of Form1, row by row as the controls appear on screen.
#include "form/control_table.h"

namespace {
using enum ControlKind;
}

const WindowSpec kForm1 = {"Form1", 7170, 4980, kWhite, "MS Sans Serif", 8.25};

// clang-format off
const std::array<ControlSpec, 26> kControls = {{
//   name        index     kind     caption                        left  top   width height font pt       text colour     tab accessible name
    {"Label1",   kNoIndex, Label,   "TERNE PITAGORICHE",           2280, 240,  3135, 375, 13.5,         kBlue,           1,  ""},
    {"Label2",   kNoIndex, Label,   "Inserisci una terna",         2760, 720,  2055, 375, 12,           kDefaultColour,  0,  ""},
    {"Label9",   kNoIndex, Label,   "(numero più grande nell'ultima casella)",
                                                                   480,  840,  1455, 495, kDefaultFont, kRed,            23, ""},
    {"Text1",    kNoIndex, TextBox, "",                            2640, 1200, 495,  495, 13.5,         kDefaultColour,  2,  "Primo numero"},
    {"Text2",    kNoIndex, TextBox, "",                            3480, 1200, 495,  495, 13.5,         kDefaultColour,  3,  "Secondo numero"},
    {"Text3",    kNoIndex, TextBox, "",                            4320, 1200, 495,  495, 13.5,         kDefaultColour,  4,  "Terzo numero, il più grande"},
    {"Command1", kNoIndex, Button,  "AZZERA",                      5400, 1200, 1455, 495, 13.5,         kDefaultColour,  14, ""},
    {"Label11",  kNoIndex, Label,   "Per i numeri decimali, usa il punto al posto della virgola",
                                                                   240,  1320, 1935, 495, kDefaultFont, kBlue,           25, ""},
    {"Label3",   1,        Label,   "2",                           1080, 2040, 255,  255, kDefaultFont, kDefaultColour,  15, ""},
    {"Label4",   kNoIndex, Label,   "2",                           2640, 2040, 255,  255, kDefaultFont, kDefaultColour,  16, ""},
    {"Label5",   kNoIndex, Label,   "2",                           4800, 2040, 255,  255, kDefaultFont, kDefaultColour,  17, ""},
    {"Text4",    kNoIndex, TextBox, "",                            480,  2160, 615,  615, 13.5,         kDefaultColour,  6,  "Base del primo quadrato"},
    {"Label3",   0,        Label,   "+",                           1440, 2160, 495,  495, 24,           kDefaultColour,  8,  ""},
    {"Text5",    kNoIndex, TextBox, "",                            2040, 2160, 615,  615, 13.5,         kDefaultColour,  7,  "Base del secondo quadrato"},
    {"Text6",    kNoIndex, TextBox, "",                            3240, 2160, 615,  615, 13.5,         kDefaultColour,  10, "Relazione tra le potenze"},
    {"Text7",    kNoIndex, TextBox, "",                            4200, 2160, 615,  615, 13.5,         kDefaultColour,  9,  "Base del terzo quadrato"},
    {"Command2", kNoIndex, Button,  "VERIFICA",                    5400, 2280, 1455, 495, 13.5,         kDefaultColour,  5,  ""},
    {"Text8",    kNoIndex, TextBox, "",                            480,  3120, 975,  615, 13.5,         kDefaultColour,  18, "Quadrato del primo numero"},
    {"Label8",   kNoIndex, Label,   "+",                           1800, 3240, 495,  375, 24,           kDefaultColour,  20, ""},
    {"Text9",    kNoIndex, TextBox, "",                            2640, 3120, 975,  615, 13.5,         kDefaultColour,  19, "Quadrato del secondo numero"},
    {"Text10",   kNoIndex, TextBox, "",                            3960, 3120, 615,  615, 13.5,         kDefaultColour,  21, "Relazione tra i quadrati"},
    {"Text11",   kNoIndex, TextBox, "",                            4920, 3120, 975,  615, 13.5,         kDefaultColour,  22, "Quadrato del terzo numero"},
    {"Label6",   1,        Label,   "La TERNA",                    360,  3960, 2055, 495, 18,           kDefaultColour,  11, ""},
    {"Text12",   kNoIndex, TextBox, "",                            2640, 3960, 1215, 495, 18,           kBlue,           12, "Verdetto"},
    {"Label7",   kNoIndex, Label,   "Pitagorica",                  4200, 3960, 2055, 495, 18,           kDefaultColour,  13, ""},
    {"Label10",  kNoIndex, Label,   "prof. T. Valdrisco",          360,  4680, 1575, 255, kDefaultFont, kDefaultColour,  24, ""},
}};

const std::array<std::string_view, 26> kCreationOrder = {
    "Text11",  "Text10",  "Text9",   "Text8",   "Command1",  "Text12", "Text6",
    "Text7",   "Text5",   "Text4",   "Command2", "Text3",    "Text2",  "Text1",
    "Label11", "Label10", "Label9",  "Label8",  "Label5",    "Label4", "Label3(1)",
    "Label7",  "Label6(1)", "Label3(0)", "Label1", "Label2",
};
// clang-format on

std::string ObjectName(const ControlSpec& control) {
    std::string name(control.name);
    if (control.index != kNoIndex) {
        name += '(' + std::to_string(control.index) + ')';
    }
    return name;
}
