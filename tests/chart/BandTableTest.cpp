#include "chart/BandTable.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

// A music block with every band bypassed and flat, the filters at their ends.
ViewValues FlatMusic()
{
    ViewValues v;
    for (int band = 0; band < 15; ++band) {
        v.at(0, 10 + 5 * band) = 0;
        v.at(0, 11 + 5 * band) = 100 + band * 10;
        v.at(0, 12 + 5 * band) = 120;
        v.at(0, 13 + 5 * band) = 16;
        v.at(0, 14 + 5 * band) = 10;
    }
    v.at(0, 5) = 0;   // high-pass at the bottom step
    v.at(0, 7) = 361; // low-pass at the top step
    return v;
}

TEST(BandTable, MusicBlockHasFifteenBandsAndTwoFiltersAfterThem)
{
    BandTable t;
    ViewValues v = FlatMusic();
    v.at(0, 4) = 3; // 12dB Butterworth, but at the bottom step: drawn bypassed
    v.at(0, 6) = 9;
    const FilledBands music = FillBandTable(t, v, AllBands, 0);
    EXPECT_EQ(music.lastEqBand, 14);
    EXPECT_TRUE(music.filters);
    EXPECT_EQ(t.entries[15].shape, PassShape(true, 0));
    EXPECT_FLOAT_EQ(t.entries[15].frequency, 19.0f);
    EXPECT_EQ(t.entries[16].shape, PassShape(false, 0));
    EXPECT_FLOAT_EQ(t.entries[16].frequency, 20600.0f);
    EXPECT_EQ(t.highPassFrequencySlot, 5);
    EXPECT_EQ(t.lowPassFrequencySlot, 7);

    v.at(0, 5) = 204; // 1000 Hz
    v.at(0, 7) = 300;
    FillBandTable(t, v, AllBands, 0);
    EXPECT_EQ(t.entries[15].shape, PassShape(true, 3));
    EXPECT_FLOAT_EQ(t.entries[15].frequency, 1000.0f);
    EXPECT_EQ(t.entries[16].shape, PassShape(false, 9));
    EXPECT_FLOAT_EQ(t.entries[16].frequency, 6350.0f);
}

TEST(BandTable, BandFieldsComeFromTheirSlotsAndShelvesUseTheShelvingQ)
{
    BandTable t;
    ViewValues v = FlatMusic();
    // Band 3 (index 3): peaking, 250 Hz (step 132), -6.0 dB (90), Q "2.00" (28).
    v.at(0, 25) = 1;
    v.at(0, 26) = 132;
    v.at(0, 27) = 90;
    v.at(0, 28) = 28;
    v.at(0, 29) = 4;
    FillBandTable(t, v, 3, 0);
    EXPECT_EQ(t.entries[3].shape.shape, FilterShape::Peak);
    EXPECT_FLOAT_EQ(t.entries[3].frequency, 250.0f);
    EXPECT_FLOAT_EQ(t.entries[3].gain, -6.0f);
    EXPECT_FLOAT_EQ(t.entries[3].q, 2.0f);
    EXPECT_EQ(t.entries[3].frequencySlot, 26);
    EXPECT_EQ(t.entries[3].gainSlot, 27);
    EXPECT_EQ(t.entries[3].qSlot, 28);

    v.at(0, 25) = 3; // a high shelf reads field 4: Q "0.50"
    FillBandTable(t, v, 3, 0);
    EXPECT_FLOAT_EQ(t.entries[3].q, 0.5f);
}

TEST(BandTable, OnlyTheSelectedBandIsRefilled)
{
    BandTable t;
    ViewValues v = FlatMusic();
    FillBandTable(t, v, AllBands, 0);
    v.at(0, 12) = 180;
    v.at(0, 17) = 180;
    FillBandTable(t, v, 1, 0);
    EXPECT_FLOAT_EQ(t.entries[0].gain, 0.0f) << "band 0 was not selected";
    EXPECT_FLOAT_EQ(t.entries[1].gain, 12.0f);
}

TEST(BandTable, DynamicEqAndHiddenEqHaveNoFilters)
{
    BandTable t;
    ViewValues v;
    v.at(1, 2) = 2;  // band 0 type at 10n + 2
    v.at(1, 3) = 20; // "28.9"
    v.at(1, 4) = 150;
    v.at(1, 5) = 16;
    v.at(1, 6) = 24;
    const FilledBands dynamic = FillBandTable(t, v, AllBands, 1);
    EXPECT_EQ(dynamic.lastEqBand, 2);
    EXPECT_FALSE(dynamic.filters);
    EXPECT_EQ(t.entries[0].shape.shape, FilterShape::LowShelf);
    EXPECT_FLOAT_EQ(t.entries[0].frequency, 28.9f);
    EXPECT_FLOAT_EQ(t.entries[0].gain, 6.0f);
    EXPECT_FLOAT_EQ(t.entries[0].q, 1.6f) << "a shelf reads its shelving Q at 10n + 6";
    EXPECT_EQ(FillBandTable(t, v, AllBands, 25).lastEqBand, 4);
}

TEST(BandTable, FilterSlotsPerBlock)
{
    const struct
    {
        int block, high, low;
    } rows[] = {{0, 4, 6}, {2, 9, 11},  {3, 9, 11},   {4, 9, 11},  {24, 9, 11},
                {5, 6, 8}, {6, 16, 18}, {13, 16, 18}, {23, 16, 18}};
    for (const auto& r : rows) {
        int h = 0;
        int l = 0;
        EXPECT_TRUE(FilterTypeSlots(r.block, &h, &l)) << r.block;
        EXPECT_EQ(h, r.high) << r.block;
        EXPECT_EQ(l, r.low) << r.block;
    }
    for (const int block : {1, 25, 26, 27, 28, 29, 30})
        EXPECT_FALSE(FilterTypeSlots(block, nullptr, nullptr)) << block;
}

} // namespace
} // namespace aec
