#pragma once

#include <Qt>

namespace aec {

// What a key pressed on the focused response chart asks for.
struct ChartKeyCommand
{
    enum class Action {
        None, // not the chart's key: the window may have it
        SelectPrevious,
        SelectNext,
        SelectBand, // amount: the band's index from 0
        StepFrequency,
        StepGain,
        StepQ,
        ResetBand,
    };
    Action action = Action::None;
    int amount = 0; // steps (signed) or the band's index
};

// The chart's keys: Left/Right select the previous/next marker, 1 to 9 and 0 bands 1 to 10;
// Ctrl+Left/Right step the frequency, Ctrl+Up/Down the gain, ten steps with Shift; + or = and
// - step the Q one step (Shift is part of "+" on many layouts); Home resets the band.
ChartKeyCommand ChartKeyCommandOf(int key, Qt::KeyboardModifiers modifiers);

} // namespace aec
