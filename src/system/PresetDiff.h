#pragma once

#include "core/DeviceValue.h"

#include <QString>

#include <optional>
#include <vector>

namespace aec {

// One parameter that two presets (or a preset and a processor) hold differently; a side that
// does not set the parameter at all has no value.
struct PresetDifference
{
    ParamAddress address = 0;
    std::optional<std::int32_t> before;
    std::optional<std::int32_t> after;
};

// The parameters that differ, in address order.
std::vector<PresetDifference> ComparePresets(const DeviceValues& before, const DeviceValues& after);

// "music.eq.5.gain: 2.0dB -> 4.0dB"; raw values follow the texts where those read the same,
// "(not set)" stands for a missing side.
QString DifferenceLine(const PresetDifference& difference);

} // namespace aec
