#pragma once

namespace tessaro {

// Feet on the folding box's side panel; the values are the radio group's item indices.
enum class Feet { None = 0, One = 1, Two = 2 };

// The option switches that the generators read, with the window's defaults.
struct Options {
    bool cornerRelief = false;        // relief notches at the inside corners of the boxes
    bool roundedLidCorners = true;    // lid corners cut off
    bool supportJumper = true;        // bottom-support jumper
    bool singleSupportTooth = false;  // one bottom-support tooth
    Feet feet = Feet::Two;            // feet on the side panel
    bool screwJoints = false;         // screw slots and holes
    bool tabSlotRelief = false;       // relief notches of the tab-slot test piece
};

// The radio item's text ("No", "1", "2"), as the full set's file name shows it.
[[nodiscard]] const char* feetText(Feet feet);

}  // namespace tessaro
