#pragma once

namespace aec {

// The three system-volume positions of one channel (music, microphone or effect): the
// normal volume, the start volume, and the maximum, which neither of the others may pass.
struct VolumePositions
{
    int normal = 0;
    int start = 0;
    int maximum = 0;
};

enum class VolumeRole { Normal = 0, Start = 1, Maximum = 2 };

// Pulls the other positions under the maximum after the slider of `role` moved, unless a
// refresh is writing them (`suppressed`): a normal volume above the maximum drops to it, a
// start volume above it drops to it, a lowered maximum pulls both down. Returns the
// positions and the one the value pane shows.
struct VolumeLimitResult
{
    VolumePositions positions;
    int shown;
};
VolumeLimitResult ApplyVolumeLimits(VolumePositions positions, VolumeRole role, bool suppressed);

// The normal volume rises by at most one step per change: the position the slider takes when
// dragged from the pane's last position `previous` to `requested`.
int LimitNormalRise(int previous, int requested, bool suppressed);

// Drag handles: the left edge of a handle for a slider position, and back (halves to even).
int HandleLeftEdge(int position);
int HandlePosition(int leftEdge);
constexpr int HandleMinLeft = 53;
constexpr int HandleMaxLeft = 211;

} // namespace aec
