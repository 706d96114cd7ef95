#include "chart/MarkerRules.h"

#include "chart/ChartMapper.h"
#include "core/ValueKind.h"

#include <algorithm>

namespace aec {
namespace {

// Which markers a page (by its index) lets move freely; the others move sideways only, or not
// at all.
struct PageMarkers
{
    int page;
    int freeCount;
    bool othersSideways;
    bool passBlocksAll; // while the EQ pass is on, even the filter markers stay
};
constexpr PageMarkers PageRules[] = {
    {0, 15, true, true},  {1, 20, true, false}, {2, 7, true, false},
    {3, 10, true, false}, {4, 5, false, false}, {8, 3, false, false},
};

} // namespace

MarkerMotion MarkerMotionOn(int page, int marker, bool eqPassOn)
{
    MarkerMotion motion;
    for (const PageMarkers& rule : PageRules) {
        if (rule.page != page)
            continue;
        const bool free = marker < rule.freeCount;
        if (eqPassOn && (free || rule.passBlocksAll))
            motion.held = true;
        if (!free) {
            motion.upDown = false;
            motion.sideways = rule.othersSideways;
        }
    }
    return motion;
}

// The frequencies a drag ends on are whole hertz: the left edge reads as 20 Hz.
int LowestMarkerFrequencyStep()
{
    return int(ParseKindText(Kind::Frequency, Nearest(MarkerLimits::LowestFrequency)));
}

int HighestMarkerFrequencyStep()
{
    return int(ParseKindText(Kind::Frequency, MarkerLimits::HighestFrequency));
}

int LowestMarkerGainStep(int page)
{
    const int floor =
        page == MarkerLimits::DynamicEqPage ? MarkerLimits::DynamicEqGainFloor : ChartAxis::MinDb;
    return int(ParseKindText(Kind::Gain, floor));
}

int HighestMarkerGainStep()
{
    return int(ParseKindText(Kind::Gain, ChartAxis::MaxDb));
}

StepRange MarkerStepRange(int page, BandField field)
{
    switch (field) {
    case BandField::Frequency:
        return {LowestMarkerFrequencyStep(), HighestMarkerFrequencyStep()};
    case BandField::Gain:
        return {LowestMarkerGainStep(page), HighestMarkerGainStep()};
    case BandField::PeakQ:
    case BandField::ShelfQ:
        return {0, KindTop(Kind::Q)};
    case BandField::Type:
        break;
    }
    return {0, KindTop(Kind::BandType)};
}

int StepWithin(int value, int delta, int low, int high)
{
    const int stepped = value + delta;
    if (delta > 0)
        return std::max(value, std::min(stepped, high));
    return std::min(value, std::max(stepped, low));
}

int AdjacentMarker(const std::vector<int>& markers, int current, int direction)
{
    if (markers.empty())
        return -1;
    const auto at = std::find(markers.begin(), markers.end(), current);
    if (at == markers.end())
        return direction > 0 ? markers.front() : markers.back();
    const int count = int(markers.size());
    const int index = int(at - markers.begin()) + (direction > 0 ? 1 : -1);
    return markers[std::size_t((index + count) % count)];
}

} // namespace aec
