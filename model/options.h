#pragma once

namespace tessaro {

// Feet on the folding box's side panel; the values are the radio group's item indices.
enum class Feet { None = 0, One = 1, Two = 2 };

// The option switches that the generators read, with the window's defaults.
struct Options {
    bool ExtAngle = false;        // relief notches at the inside corners of the boxes
    bool CAngle = true;           // lid corners cut off
    bool ShortOpora = true;       // bottom-support jumper
    bool CheckBoxOneZub = false;  // one bottom-support tooth
    Feet PinSel = Feet::Two;      // feet on the side panel
    bool ScrewCheck = false;      // screw slots and holes
    bool ExtAngle2 = false;       // relief notches of the tab-slot test piece
};

// The radio item's text ("No", "1", "2"), as the full set's file name shows it.
[[nodiscard]] const char* feetText(Feet feet);

}  // namespace tessaro
