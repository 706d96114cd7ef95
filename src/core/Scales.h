#pragma once

#include <QString>

#include <array>

namespace aec {

// The scales behind the value kinds: every parameter is an index into one of them.
constexpr int FreqStepCount = 362; // 19.7 Hz to 20600 Hz, 36 steps per octave
constexpr int FreqTopStep = FreqStepCount - 1;
constexpr int QStepCount = 101;   // "0.40" to "128.00"
constexpr int ShelfQTopStep = 24; // "1.60", the highest Q of a shelving band
constexpr int RatioTopStep = 40;
constexpr int ReleaseTopStep = 7;
constexpr int AttackTopStep = 19;

QString FreqText(int step); // "19.7" .. "1000" .. "20600"
float FreqValue(int step);  // the text's value, as the processor's table holds it
QString QText(int step);    // "0.40" .. "128.00"
double QValue(int step);
QString RatioText(int step);
QString ReleaseText(int step); // "Atk x 2" .. "Atk x 32"
QString AttackText(int step);  // milliseconds, "0.5" .. "400"

// A number with `decimals` decimals, halves rounded away from zero: the number patterns "#0",
// "#0.0" and "#0.00".
QString FormatNumber(double value, int decimals);

} // namespace aec
