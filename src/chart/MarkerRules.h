#pragma once

#include "core/BlockLayout.h"

#include <vector>

namespace aec {

// How far the chart lets a marker go, whether a pointer drags it or keys step it.
namespace MarkerLimits {
constexpr double LowestFrequency = 19.5; // Hz, the left edge of a marker's travel
constexpr double HighestFrequency = 20600;
constexpr int DynamicEqGainFloor = -12; // dB
constexpr int DynamicEqPage = 8;
} // namespace MarkerLimits

// What a page lets one of its markers do: nothing at all while the EQ pass holds it, else
// move sideways (frequency) and up and down (gain), or only one of those, or neither.
struct MarkerMotion
{
    bool held = false;
    bool sideways = true;
    bool upDown = true;

    bool moves() const { return !held && (sideways || upDown); }
};

// The rules of a page (by its index) for a marker: 0 to 19 the EQ bands, 20 and 21 the filters.
MarkerMotion MarkerMotionOn(int page, int marker, bool eqPassOn);

// The frequency and gain steps a key may set: those a drag can reach on the page.
int LowestMarkerFrequencyStep();
int HighestMarkerFrequencyStep();
int LowestMarkerGainStep(int page);
int HighestMarkerGainStep();

// The steps a key may set in a field of a band on the page; Q takes its whole scale.
struct StepRange
{
    int low = 0;
    int high = 0;
};
StepRange MarkerStepRange(int page, BandField field);

// A value stepped by `delta` and kept within low..high; a value already outside stays where it
// is rather than jump across the range.
int StepWithin(int value, int delta, int low, int high);

// The marker after (direction > 0) or before `current` among `markers` (ascending), wrapping
// round; from a marker that is not among them, the first or the last. -1 when there is none.
int AdjacentMarker(const std::vector<int>& markers, int current, int direction);

} // namespace aec
