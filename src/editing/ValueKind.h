#pragma once

#include <QString>

#include <optional>

namespace aec {

// What a control's value means: the kind carried in its hint fixes the range, the scale and
// the text. Kinds 0 to 5 belong to edit boxes and lists, 6 and above to value panes.
namespace Kind {
constexpr int Plain = 0;     // the hidden placeholder edit: no text
constexpr int BandType = 1;  // list: bypass, peaking, low shelf, high shelf
constexpr int Frequency = 2; // FreqScale step, "1000Hz"
constexpr int Gain = 3;      // index / 5 - 24 dB, "-24.0dB" .. "12.0dB"
constexpr int Q = 4;         // QScale step
constexpr int InputGain = 5; // index / 2 - 10 dB
constexpr int FilterFrequency = 6;
constexpr int MixLevel = 9; // doubled for the subwoofer's music level
constexpr int LastPaneKind = 26;
constexpr int HighPassList = 20; // on a filter-type list, not a value kind
constexpr int LowPassList = 21;
} // namespace Kind

enum class StepCode { None = 0, Up = 1, Down = 11 };

// Where the value is shown, for the kinds whose range or text depends on it.
struct KindContext
{
    int chartBlock = 0;         // gain edits accept no less than -12 dB on the dynamic EQ
    int currentOutputBlock = 6; // the subwoofer shows its music mix level doubled
    int slot = 0;
    bool shelvingBand = false; // a shelving band's Q goes up to "1.60" only
};

struct KindValue
{
    double value; // limited (and stepped) value, still a real number
    QString text; // what the control shows; empty for kinds 0 and 1
};

// The highest index of a kind; nothing for kinds that do not exist (7, 13, 19, above 26).
std::optional<int> KindMaximum(int kind);

// Steps and limits a value as the control of `kind` does, and gives its text. A user edit
// steps and limits to the full range; a refresh (display-only) only limits from above, with
// the dynamic-EQ gain floor still applied. Nothing for a kind that has no values.
std::optional<KindValue> ApplyKind(int kind, StepCode step, bool displayOnly, double value,
                                   const KindContext& context);

// A typed physical number as a scale index: the nearest frequency step (the lower of two
// equally near), a gain or input gain in its steps (halves to even), the first Q at least as
// high. Other kinds keep the number.
double ParseKindText(int kind, double number);

} // namespace aec
