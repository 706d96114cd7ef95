#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

namespace aec {

// What a parameter's value means. Every parameter is a small index into a scale; its kind fixes
// the range, the physical value of each step and the text shown. Each kind keeps a fixed code so
// that it reads the same in logs and tests.
enum class Kind : std::uint8_t {
    Plain = 0,     // no text: a slot without a control of its own
    BandType = 1,  // bypass, peaking, low shelf, high shelf
    Frequency = 2, // frequency-scale step, "1000Hz"
    Gain = 3,      // step / 5 - 24 dB, "-24.0dB" .. "12.0dB"
    Q = 4,         // Q-scale step, "0.40" .. "128.00"
    InputGain = 5, // step / 2 - 10 dB, "-10.0dB" .. "10.0dB"
    FilterFrequency = 6,
    Percent = 8,
    MixLevel = 9,          // percent; the subwoofer's music level shows doubled
    OffsetPercent = 10,    // step - 50 %
    DoubleMs = 11,         // step × 2 ms
    ReverbTime = 12,       // step × 62.5 ms
    OutputLimitLevel = 14, // step - 20 dBu
    Ratio = 15,
    Release = 16, // multiples of the attack time, "Atk x 2"
    Attack = 17,
    Delay = 18,            // step / 10 ms
    DynamicThreshold = 20, // step - 60 dBu
    Pitch = 21,            // key steps -7 .. +7
    MicInputGain = 22,     // step / 2 - 10 dB in whole decibels
    Feedback = 23,
    GateLevel = 24,     // step - 90 dB
    MicLimitLevel = 25, // step - 34 dB
    PreDelay = 26,      // step - 100 ms
    // Lists, switches and volumes.
    FilterType = 40, // "Bypass" and the twelve high- and low-pass slopes
    Trigger,         // a dynamic band's action: off, below, above
    OnOff,
    Volume, // a system volume, 0 .. 84
    Choice, // a list whose items the parameter gives
};

// Steps 0..top read offset + step × scale, with `decimals` decimals and the unit after the number;
// a kind with a lookup scale gives each step's text from it instead (the unit still follows).
struct KindTraits
{
    int top;
    double offset;
    double scale;
    int decimals;
    const char* unit;
    QString (*lookup)(int step);
};

const KindTraits& TraitsOf(Kind kind);
inline int KindTop(Kind kind)
{
    return TraitsOf(kind).top;
}

// The text of a step, the step limited to 0..top first. `factor` multiplies a linear kind's
// value: the subwoofer shows its music mix level doubled.
QString KindText(Kind kind, int step, int factor = 1);

// A typed physical number as a step: the nearest frequency step (the lower of two equally near),
// a gain or input gain in its steps (halves to even), the first Q at least as high (one past the
// scale when none is). Other kinds keep the number.
double ParseKindText(Kind kind, double number);

// Only "-", "." and the digits of a typed text, in their order: "1000Hz" gives "1000".
QString KeepNumberChars(const QString& text);

// The filter types a high- or low-pass list offers, as the processor names them.
const QStringList& FilterTypeNames();

enum class StepCode { None = 0, Up = 1, Down = 11 };
inline int Stepped(int value, StepCode step)
{
    return step == StepCode::Up ? value + 1 : step == StepCode::Down ? value - 1 : value;
}

} // namespace aec
