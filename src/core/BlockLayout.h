#pragma once

#include <array>
#include <cstdint>

namespace aec {

// The fixed shape of the processor's 31 parameter blocks: how many slots each carries in
// transfers, where its EQ bands start and how many bands it has.
namespace Block {
constexpr int Music = 0;
constexpr int DynamicEq = 1;
constexpr int MicA = 2;
constexpr int MicB = 3;
constexpr int EchoA = 4;
constexpr int Reverb = 5;
constexpr int MainLeft = 6;      // 6, 7, 8: one per OutputMode; right side at 9, 10, 11
constexpr int SurroundLeft = 12; // 12, 13, 14; right side at 15, 16, 17
constexpr int Centre = 18;       // 18, 19, 20
constexpr int Sub = 21;          // 21, 22, 23
constexpr int EchoB = 24;
constexpr int HiddenMusic = 25;
constexpr int HiddenMicA = 26;
constexpr int HiddenMicB = 27;
constexpr int Unbound = 28;
constexpr int SystemVolume = 29;
constexpr int System = 30;
} // namespace Block

constexpr int BlockCount = 31;
constexpr int RowLength = 165;         // every row of the tables, whatever the block's SlotCount
constexpr int TransferBlockCount = 30; // blocks 0 to 29 move in bulk; block 30 never does
constexpr int OutputModeCount = 3;     // sing, disco, decode

// Slots 0 to SlotCount - 1 of a block are transferred and stored.
inline constexpr std::array<std::int32_t, BlockCount> SlotCount = {
    164, 60, 114, 114, 48, 45, 70, 70, 70, 70, 70, 70, 70, 70, 70, 70,
    70,  70, 70,  70,  70, 70, 70, 70, 48, 26, 26, 26, 37, 10, 21};

// Marks the dynamic-EQ layout, whose bands are ten slots wide.
constexpr std::int32_t DynamicEqBandLayout = 258;

// Slot of a block's first EQ band (the entries of blocks 28 to 30 are not used).
inline constexpr std::array<std::int32_t, BlockCount> FirstEqSlot = {10, DynamicEqBandLayout,
                                                                     15, 15,
                                                                     14, 11,
                                                                     21, 21,
                                                                     21, 21,
                                                                     21, 21,
                                                                     21, 21,
                                                                     21, 21,
                                                                     21, 21,
                                                                     21, 21,
                                                                     21, 21,
                                                                     21, 21,
                                                                     14, 1,
                                                                     1,  1,
                                                                     48, 10,
                                                                     32};

inline constexpr std::array<std::int32_t, BlockCount> EqBandCount = {
    15, 3,  20, 20, 7,  7,  10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
    10, 10, 10, 10, 10, 10, 10, 10, 7,  5,  5,  5,  0,  0,  0};

// The five fields of an EQ band.
enum class BandField { Type = 0, Frequency = 1, Gain = 2, PeakQ = 3, ShelfQ = 4 };

// Slot of one field of band n (from 0) of a block.
constexpr int BandSlot(int block, int band, BandField field)
{
    const int k = static_cast<int>(field);
    if (FirstEqSlot[block] == DynamicEqBandLayout)
        return 10 * band + k + 2;
    return FirstEqSlot[block] + 5 * band + k;
}

// The slot that passes a block's EQ through (not for the dynamic EQ, block 1).
constexpr int EqPassSlot(int block)
{
    return FirstEqSlot[block] - 1;
}

// Low-pass frequency slots, which start at the top step of the frequency scale.
constexpr std::int32_t LowPassStartValue = 360;
int LowPassFrequencySlot(int block); // -1 where the block has no low-pass filter

} // namespace aec
