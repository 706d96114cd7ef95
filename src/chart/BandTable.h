#pragma once

#include "chart/FilterResponse.h"
#include "core/ValueTable.h"

#include <array>

namespace aec {

// One band or filter of the block on display, as the chart draws it.
struct BandEntry
{
    float gain = 0;      // dB; 0 for filters
    float frequency = 0; // Hz, the value the frequency table's text spells
    float q = 0;
    BandShape shape;
    ResponseCurve curve{};
    // Where the band's controls are bound (view slots), -1 where there is none: its frequency
    // edit (or a filter's frequency pane), gain edit and Q edit.
    int frequencySlot = -1;
    int gainSlot = -1;
    int qSlot = -1;
};

constexpr int BandTableSize = 22; // 20 EQ bands, then the high-pass and low-pass filters
constexpr int HighPassEntry = 20;
constexpr int LowPassEntry = 21;

// The bands of the block on display, filled from the view values; reused for whichever block
// is shown, so entries not refreshed keep their last curve.
struct BandTable
{
    std::array<BandEntry, BandTableSize> entries{};
    int LastBand = 0; // the last entry in use: the EQ bands, then two filters if any
    // The frequency slots of the high- and low-pass filters of the last block with filters.
    int highPassFrequencySlot = -1;
    int lowPassFrequencySlot = -1;
};

// The slots of a block's high- and low-pass type fields (the frequency follows each), or
// false for a block without filters.
bool FilterTypeSlots(int block, int* highPass, int* lowPass);

// What FillBandTable filled: the block's last EQ band, and whether it has the two filters.
struct FilledBands
{
    int lastEqBand = -1;
    bool filters = false;
};

// Which bands to fill: every one, or a single band.
constexpr int AllBands = -1;

// Fills the entries of the selected band (or all) and always the two filter entries.
FilledBands FillBandTable(BandTable& table, const ViewValues& view, int selector, int block);

} // namespace aec
