#include "editing/VolumeLimits.h"

#include <cmath>

namespace aec {
namespace {
constexpr double PixelsPerStep = 1.89;
}

VolumeLimitResult ApplyVolumeLimits(VolumePositions p, VolumeRole role, bool suppressed)
{
    switch (role) {
    case VolumeRole::Normal:
        if (p.maximum < p.normal && !suppressed)
            p.normal = p.maximum;
        return {p, p.normal};
    case VolumeRole::Start:
        if (p.maximum < p.start && !suppressed)
            p.start = p.maximum;
        return {p, p.start};
    case VolumeRole::Maximum:
        if (!suppressed) {
            if (p.maximum < p.start)
                p.start = p.maximum;
            if (p.maximum < p.normal)
                p.normal = p.maximum;
        }
        return {p, p.maximum};
    }
    return {p, p.normal};
}

int LimitNormalRise(int previous, int requested, bool suppressed)
{
    return previous < requested && !suppressed ? previous + 1 : requested;
}

int HandleLeftEdge(int position)
{
    return static_cast<int>(std::lround(position * PixelsPerStep + HandleMinLeft));
}

int HandlePosition(int leftEdge)
{
    return static_cast<int>(std::nearbyint((leftEdge - HandleMinLeft) / PixelsPerStep));
}

} // namespace aec
