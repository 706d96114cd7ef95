#pragma once

#include "core/ParamAddress.h"
#include "core/ParameterModel.h"

#include <array>
#include <cstdint>
#include <functional>

namespace aec {

// Default frequency steps of the EQ bands, one row of 20 per band-label group (EqGroupOf).
using DefaultFrequencyRow = std::array<int, 20>;
const DefaultFrequencyRow& DefaultBandFreq(int group);

// The defaults of the other band fields: peaking, 0.0 dB, Q "1.00" and shelving Q "0.71".
constexpr int DefaultBandType = 1;
constexpr int DefaultBandGain = 120;
constexpr int DefaultPeakQ = 16;
constexpr int DefaultShelfQ = 10;

int DefaultBandValue(int block, int band, BandField field);

constexpr int AllBlocks = 100; // the selector of every block

// Writes the default EQ into every band of the processor block that the view block `selector`
// stands for (or, for AllBlocks, of blocks 0 to 27 and the music right bank), in the store
// and the view. A single block's values are also handed to `sendPaced`, one by one; the
// start-up reset of all blocks sends nothing. Returns the view block to refresh.
int ResetEq(ParameterModel& model, int selector,
            const std::function<void(ParamAddress, std::int32_t)>& sendPaced);

} // namespace aec
