#include "editing/LinkSides.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

// Every cell holds a value of its own, so a copy shows where it came from.
class CopyFirstSideTest : public testing::Test
{
protected:
    ParamStore store;
    ParamStore before;

    void SetUp() override
    {
        for (int block = 0; block < 31; ++block)
            for (int slot = 0; slot < 165; ++slot)
                store.at(block, slot) = 1000 * block + slot;
        before = store;
    }

    // Slots first..last of `to` now hold what slots first + shift.. of `from` held.
    void expectCopied(int from, int to, int first, int last, int shift = 0)
    {
        for (int slot = first; slot <= last; ++slot)
            ASSERT_EQ(store.at(to, slot), before.at(from, slot - shift))
                << "block " << to << " slot " << slot;
    }
    void expectUnchanged(int block, int first = 0, int last = 164)
    {
        for (int slot = first; slot <= last; ++slot)
            ASSERT_EQ(store.at(block, slot), before.at(block, slot))
                << "block " << block << " slot " << slot;
    }
};

TEST_F(CopyFirstSideTest, MusicLeftBankIsCopiedOntoTheRightBank)
{
    CopyFirstSide(store, 0, Tab::Music);
    expectCopied(0, 0, 85, 159, 75);
    expectUnchanged(0, 0, 84);
    expectUnchanged(0, 160, 164);
    for (int block = 1; block < 31; ++block)
        expectUnchanged(block);
}

TEST_F(CopyFirstSideTest, MicrophoneAEqBandsAreCopiedOntoMicrophoneB)
{
    for (Tab tab : {Tab::MicA, Tab::MicB}) {
        SCOPED_TRACE(static_cast<int>(tab));
        SetUp();
        CopyFirstSide(store, 2, tab);
        expectCopied(2, 3, 15, 114);
        expectUnchanged(3, 0, 14); // gains, dynamics and filters stay apart
        expectUnchanged(3, 115, 164);
        expectUnchanged(2);
        expectUnchanged(0);
    }
}

TEST_F(CopyFirstSideTest, MainLeftOutputsOfAllThreeScenesAreCopiedOntoTheRight)
{
    CopyFirstSide(store, 6, Tab::Main);
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(mode);
        expectCopied(6 + mode, 9 + mode, 0, 70);
        expectUnchanged(9 + mode, 71, 164);
        expectUnchanged(6 + mode);
    }
    for (int block = 12; block <= 17; ++block)
        expectUnchanged(block);
}

TEST_F(CopyFirstSideTest, SurroundLeftOutputsOfAllThreeScenesAreCopiedOntoTheRight)
{
    CopyFirstSide(store, 6, Tab::Surround);
    for (int mode = 0; mode < 3; ++mode) {
        SCOPED_TRACE(mode);
        expectCopied(12 + mode, 15 + mode, 0, 70);
        expectUnchanged(15 + mode, 71, 164);
        expectUnchanged(12 + mode);
    }
    for (int block = 6; block <= 11; ++block)
        expectUnchanged(block);
}

TEST_F(CopyFirstSideTest, PagesWithoutAPairCopyNothing)
{
    CopyFirstSide(store, 6, Tab::Centre);
    CopyFirstSide(store, 6, Tab::Sub);
    CopyFirstSide(store, 1, Tab::DynamicEq);
    CopyFirstSide(store, 25, Tab::Hidden);
    EXPECT_TRUE(store == before);
}

} // namespace
} // namespace aec
