#include "core/BlockLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace aec {
namespace {

// The per-block tables are the shape of the processor's memory; transfers and presets rely on
// every entry.
TEST(BlockLayout, TablesHoldTheProcessorsBlockShape)
{
    const std::array<std::int32_t, 31> slotCount = {164, 60, 114, 114, 48, 45, 70, 70, 70, 70, 70,
                                                    70,  70, 70,  70,  70, 70, 70, 70, 70, 70, 70,
                                                    70,  70, 48,  26,  26, 26, 37, 10, 21};
    const std::array<std::int32_t, 31> firstEqSlot = {10, 258, 15, 15, 14, 11, 21, 21, 21, 21, 21,
                                                      21, 21,  21, 21, 21, 21, 21, 21, 21, 21, 21,
                                                      21, 21,  14, 1,  1,  1,  48, 10, 32};
    const std::array<std::int32_t, 31> eqBandCount = {15, 3,  20, 20, 7,  7,  10, 10, 10, 10, 10,
                                                      10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10,
                                                      10, 10, 7,  5,  5,  5,  0,  0,  0};
    EXPECT_EQ(SlotCount, slotCount);
    EXPECT_EQ(FirstEqSlot, firstEqSlot);
    EXPECT_EQ(EqBandCount, eqBandCount);
}

TEST(BlockLayout, BandFieldsAreFiveSlotsWideFromTheFirstEqSlot)
{
    struct Row
    {
        int block, band;
        BandField field;
        int slot;
    };
    const std::vector<Row> rows = {
        {0, 0, BandField::Type, 10},
        {0, 0, BandField::Frequency, 11},
        {0, 0, BandField::Gain, 12},
        {0, 0, BandField::PeakQ, 13},
        {0, 0, BandField::ShelfQ, 14},
        {0, 14, BandField::ShelfQ, 84},
        {2, 0, BandField::Type, 15},
        {2, 19, BandField::PeakQ, 113},
        {4, 6, BandField::Frequency, 45},
        {5, 0, BandField::Type, 11},
        {6, 9, BandField::PeakQ, 69},
        {23, 0, BandField::Gain, 23},
        {24, 1, BandField::Type, 19},
        {25, 0, BandField::Type, 1},
        {27, 4, BandField::ShelfQ, 25},
        // Dynamic EQ: ten slots per band, the filter fields from offset 2.
        {1, 0, BandField::Type, 2},
        {1, 0, BandField::ShelfQ, 6},
        {1, 1, BandField::Frequency, 13},
        {1, 2, BandField::Gain, 24},
        {1, 2, BandField::ShelfQ, 26},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("block " + std::to_string(row.block) + " band " + std::to_string(row.band) +
                     " field " + std::to_string(static_cast<int>(row.field)));
        EXPECT_EQ(BandSlot(row.block, row.band, row.field), row.slot);
    }
}

// The shelf Q of the last band lies just past the transferred slots of blocks 2 to 24.
TEST(BlockLayout, LastBandShelfQOfBlocks2To24LiesAtSlotCount)
{
    for (int block = 2; block <= 24; ++block) {
        SCOPED_TRACE(block);
        EXPECT_EQ(BandSlot(block, EqBandCount[block] - 1, BandField::ShelfQ), SlotCount[block]);
    }
    EXPECT_LT(BandSlot(0, 14, BandField::ShelfQ), SlotCount[0]);
    EXPECT_LT(BandSlot(25, 4, BandField::ShelfQ), SlotCount[25]);
}

TEST(BlockLayout, EqPassSlotPrecedesTheFirstBand)
{
    const std::vector<std::pair<int, int>> rows = {{0, 9},   {2, 14}, {3, 14},  {4, 13},
                                                   {5, 10},  {6, 20}, {14, 20}, {23, 20},
                                                   {24, 13}, {25, 0}, {27, 0}};
    for (const auto& [block, slot] : rows) {
        SCOPED_TRACE(block);
        EXPECT_EQ(EqPassSlot(block), slot);
    }
}

} // namespace
} // namespace aec
