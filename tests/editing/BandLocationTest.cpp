#include "editing/BandLocation.h"

#include <gtest/gtest.h>

#include <vector>

namespace aec {
namespace {

constexpr int None = 255;

struct LocateCase
{
    int block, slot;
    int band, index;
};

void ExpectLocations(const std::vector<LocateCase>& cases)
{
    for (const LocateCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "block " << c.block << " slot " << c.slot);
        const BandLocation found = LocateBand(MakeAddress(c.block, c.slot));
        EXPECT_EQ(found.band, c.band);
        EXPECT_EQ(found.index, c.index);
        EXPECT_EQ(found.inBand(), c.index != None);
    }
}

TEST(LocateBand, HighAndLowPassFiltersAreTheTwoBandsAfterTheEqBands)
{
    ExpectLocations({
        {0, 4, 15, 0},  {0, 5, 15, 0},  {0, 6, 16, 0},  {0, 7, 16, 0},  // music
        {2, 9, 20, 0},  {2, 10, 20, 0}, {2, 11, 21, 0}, {2, 12, 21, 0}, // microphones
        {4, 9, 7, 0},   {4, 10, 7, 0},  {4, 11, 8, 0},  {4, 12, 8, 0},  // echo
        {5, 6, 7, 0},   {5, 7, 7, 0},   {5, 8, 8, 0},   {5, 9, 8, 0},   // reverb
        {6, 16, 10, 0}, {6, 17, 10, 0}, {6, 19, 11, 0}, {6, 20, 11, 0}, // outputs
    });
}

TEST(LocateBand, EqBandsCountFiveFieldsFromTheFirstEqSlot)
{
    ExpectLocations({
        {0, 10, 0, 0}, {0, 11, 0, 1},   {0, 14, 0, 4},   {0, 15, 1, 0},  {0, 84, 14, 4},
        {2, 15, 0, 0}, {2, 113, 19, 3}, {2, 114, 19, 4}, {4, 14, 0, 0},  {4, 48, 6, 4},
        {5, 11, 0, 0}, {5, 45, 6, 4},   {6, 21, 0, 0},   {6, 69, 9, 3},  {6, 70, 9, 4},
        {25, 1, 0, 0}, {25, 5, 0, 4},   {25, 6, 1, 0},   {25, 25, 4, 4},
    });
}

TEST(LocateBand, DynamicEqBandsAreTenSlotGroupsOfFiveFields)
{
    ExpectLocations({
        {1, 2, 0, 0},
        {1, 4, 0, 2},
        {1, 6, 0, 4},
        {1, 12, 1, 0},
        {1, 15, 1, 3},
        {1, 16, 1, 4},
        {1, 22, 2, 0},
        {1, 26, 2, 4},
        {1, 0, 0, None},
        {1, 1, 0, None},
        {1, 7, 0, None},
        {1, 10, 0, None},
        {1, 11, 0, None},
        {1, 17, 0, None},
        {1, 21, 0, None},
        {1, 27, 0, None},
        {1, 32, 0, None},
    });
}

TEST(LocateBand, SettingsBeforeTheEqBandsLieInNoBand)
{
    ExpectLocations({
        {0, 0, 0, None},
        {0, 3, 0, None},
        {0, 8, 0, None},
        {0, 9, 0, None},
        {2, 0, 0, None},
        {2, 8, 0, None},
        {2, 13, 0, None},
        {2, 14, 0, None},
        {4, 0, 0, None},
        {4, 8, 0, None},
        {4, 13, 0, None},
        {5, 5, 0, None},
        {5, 10, 0, None},
        {6, 0, 0, None},
        {6, 15, 0, None},
        {6, 18, 0, None},
        {25, 0, 0, None},
    });
}

TEST(LocateBand, BlocksReachedOnlyThroughTheSelectionHaveNoBands)
{
    ExpectLocations({
        {3, 15, 0, None},
        {3, 10, 0, None},
        {7, 21, 0, None},
        {9, 17, 0, None},
        {15, 21, 0, None},
        {18, 21, 0, None},
        {23, 30, 0, None},
        {24, 14, 0, None},
        {24, 10, 0, None},
        {26, 1, 0, None},
        {27, 6, 0, None},
        {28, 10, 0, None},
        {29, 3, 0, None},
        {30, 2, 0, None},
    });
}

TEST(LocateBand, PackedResultIsBandTimes256PlusIndex)
{
    EXPECT_EQ(LocateBand(MakeAddress(0, 23)).packed(), 2 * 256 + 3);
    EXPECT_EQ(LocateBand(MakeAddress(2, 10)).packed(), 20 * 256);
    EXPECT_EQ(LocateBand(MakeAddress(0, 9)).packed(), 255);
    EXPECT_EQ(LocateBand(MakeAddress(24, 20)).packed(), 255);
}

class ResolveQAddressTest : public testing::Test
{
protected:
    ViewValues view;

    int resolvedSlot(int block, int slot)
    {
        return SlotOf(ResolveQAddress(MakeAddress(block, slot), view));
    }
};

TEST_F(ResolveQAddressTest, BypassedAndPeakingBandsShowTheirPeakingQ)
{
    for (int type : {0, 1}) {
        SCOPED_TRACE(type);
        view.at(0, 10) = type;
        EXPECT_EQ(resolvedSlot(0, 13), 13);
        EXPECT_EQ(resolvedSlot(0, 14), 13);
    }
}

TEST_F(ResolveQAddressTest, ShelvingBandsShowTheirShelvingQ)
{
    for (int type : {2, 3}) {
        SCOPED_TRACE(type);
        view.at(0, 10) = type;
        EXPECT_EQ(resolvedSlot(0, 13), 14);
        EXPECT_EQ(resolvedSlot(0, 14), 14);
    }
}

TEST_F(ResolveQAddressTest, FollowsTheTypeOfTheBandItBelongsTo)
{
    view.at(0, 80) = 3;  // music band 15
    view.at(1, 12) = 2;  // dynamic EQ band 2
    view.at(2, 110) = 3; // microphone band 20
    view.at(6, 66) = 2;  // output band 10
    view.at(25, 6) = 1;  // hidden EQ band 2
    EXPECT_EQ(resolvedSlot(0, 83), 84);
    EXPECT_EQ(resolvedSlot(0, 13), 13); // band 1 is still bypassed
    EXPECT_EQ(resolvedSlot(1, 15), 16);
    EXPECT_EQ(resolvedSlot(1, 5), 5);
    EXPECT_EQ(resolvedSlot(2, 113), 114);
    EXPECT_EQ(resolvedSlot(6, 69), 70);
    EXPECT_EQ(resolvedSlot(25, 10), 9);
}

TEST_F(ResolveQAddressTest, AddressesOtherThanQFieldsAreUnchanged)
{
    view.at(0, 10) = 3;
    for (int slot : {10, 11, 12, 5, 7, 9, 160}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(resolvedSlot(0, slot), slot);
    }
    EXPECT_EQ(ResolveQAddress(MakeAddress(3, 18), view), MakeAddress(3, 18));
    EXPECT_EQ(ResolveQAddress(MakeAddress(1, 9), view), MakeAddress(1, 9));
}

TEST(EqGroupOf, EachBlockBelongsToItsLabelGroup)
{
    const int expected[31] = {0, 8, 1, 1, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
                              3, 3, 3, 3, 3, 3, 3, 3, 2, 4, 4, 4, 4, 4, 4};
    for (int block = 0; block < 31; ++block) {
        EXPECT_EQ(EqGroupOf(MakeAddress(block, 0)), expected[block]) << "block " << block;
        EXPECT_EQ(EqGroupOf(MakeAddress(block, 20)), expected[block]) << "block " << block;
    }
}

TEST(BandFirstSlot, TypeFieldOfEachBand)
{
    EXPECT_EQ(BandFirstSlot(0, 0), 10);
    EXPECT_EQ(BandFirstSlot(0, 14), 80);
    EXPECT_EQ(BandFirstSlot(1, 0), 2);
    EXPECT_EQ(BandFirstSlot(1, 2), 22);
    EXPECT_EQ(BandFirstSlot(2, 19), 110);
    EXPECT_EQ(BandFirstSlot(4, 6), 44);
    EXPECT_EQ(BandFirstSlot(5, 6), 41);
    EXPECT_EQ(BandFirstSlot(6, 9), 66);
    EXPECT_EQ(BandFirstSlot(24, 1), 19);
    EXPECT_EQ(BandFirstSlot(25, 4), 21);
}

} // namespace
} // namespace aec
