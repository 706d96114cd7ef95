#pragma once

#include "core/ParamAddress.h"
#include "core/ParameterModel.h"

#include <array>
#include <cstdint>

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

// The start-up reset: the default EQ in every band of blocks 0 to 27 and of the music right
// bank, in the store and the view. Nothing is announced or sent: the refresh that follows shows it.
void ResetAllEq(ParameterModel& model);

// The EQ reset button: the default EQ in every band of the processor block that the view block
// stands for, as the person's edits of them, sent one per acknowledgement.
void ResetEq(ParameterModel& model, int viewBlock);

} // namespace aec
