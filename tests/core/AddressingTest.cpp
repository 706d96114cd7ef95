#include "core/Addressing.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace aec {
namespace {

SelectionState Mic(int block)
{
    SelectionState s;
    s.CurrentMicBlock = block;
    return s;
}
SelectionState Effect(int block)
{
    SelectionState s;
    s.CurrentEffectBlock = block;
    return s;
}
SelectionState Hidden(int block)
{
    SelectionState s;
    s.CurrentHiddenBlock = block;
    return s;
}
SelectionState Output(int shown, int mode)
{
    SelectionState s;
    s.CurrentOutputBlock = shown;
    s.OutputMode = mode;
    return s;
}
SelectionState MusicLink(int side, SelectionState s = {})
{
    s.LinkSelection(LinkGroup::Music) = side;
    return s;
}

struct AddressCase
{
    const char* what;
    SelectionState selection;
    int viewBlock, viewSlot;
    int block, slot;
};

void ExpectMapping(const std::vector<AddressCase>& cases,
                   ParamAddress (*map)(ParamAddress, const SelectionState&))
{
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ParamAddress mapped = map(MakeAddress(c.viewBlock, c.viewSlot), c.selection);
        EXPECT_EQ(mapped >> 8, c.block);
        EXPECT_EQ(mapped & 0xFF, c.slot);
    }
}

// Microphone, effect and hidden-EQ pages: one set of controls stands for several blocks.
TEST(Addressing, ResolveBlockSharedPagesReachTheSelectedBlock)
{
    const std::vector<AddressCase> cases = {
        {"mic B shown: 2x256+5 writes block 3 slot 5", Mic(3), 2, 5, 3, 5},
        {"mic B shown: link slot 13 stays in block 2", Mic(3), 2, 13, 2, 13},
        {"mic A shown: view block 3 goes to block 2", Mic(2), 3, 40, 2, 40},
        {"mic A shown: slot 13 of view block 3 is kept", Mic(2), 3, 13, 3, 13},
        {"echo B shown: echo address goes to block 24", Effect(24), 4, 5, 24, 5},
        {"echo A shown: view block 24 goes to block 4", Effect(4), 24, 7, 4, 7},
        {"reverb shown: echo address stays in block 4", Effect(5), 4, 5, 4, 5},
        {"reverb shown: view block 24 stays", Effect(5), 24, 3, 24, 3},
        {"echo B shown: reverb address is kept", Effect(24), 5, 3, 5, 3},
        {"hidden mic B shown: view block 25", Hidden(27), 25, 3, 27, 3},
        {"hidden mic A shown: view block 27", Hidden(26), 27, 0, 26, 0},
    };
    ExpectMapping(cases, &ResolveBlock);
}

// Blocks outside the shared families never move, whatever is selected.
TEST(Addressing, ResolveBlockUnsharedBlocksAreKept)
{
    SelectionState selection;
    selection.CurrentMicBlock = 3;
    selection.CurrentEffectBlock = 24;
    selection.CurrentOutputBlock = 22;
    selection.CurrentHiddenBlock = 27;
    selection.OutputMode = 1;
    for (const int block : {0, 1, 5, 28, 29, 30}) {
        for (const int slot : {0, 10, 11, 12, 20, 48}) {
            SCOPED_TRACE(std::to_string(block) + ":" + std::to_string(slot));
            EXPECT_EQ(ResolveBlock(MakeAddress(block, slot), selection), block * 256 + slot);
        }
    }
}

// Delay, mute and limiter of every output family in every scene. Columns: view addresses
// 6:10, 6:11, 9:10, 9:11, 15:10, 15:11, 6:12, 6:15, 6:17.
TEST(Addressing, ResolveBlockOutputSlotsFollowFamilySideAndScene)
{
    struct Row
    {
        int shown, mode;
        std::array<int, 9> blocks;
    };
    const std::array<std::pair<int, int>, 9> views = {
        {{6, 10}, {6, 11}, {9, 10}, {9, 11}, {15, 10}, {15, 11}, {6, 12}, {6, 15}, {6, 17}}};
    const std::vector<Row> rows = {{6, 0, {6, 6, 9, 9, 15, 15, 6, 6, 6}},          // main left
                                   {7, 1, {7, 7, 10, 10, 16, 16, 7, 7, 7}},        //
                                   {8, 2, {8, 8, 11, 11, 17, 17, 8, 8, 8}},        //
                                   {9, 0, {6, 6, 9, 9, 15, 15, 6, 6, 9}},          // main right
                                   {10, 1, {7, 7, 10, 10, 16, 16, 7, 7, 10}},      //
                                   {11, 2, {8, 8, 11, 11, 17, 17, 8, 8, 11}},      //
                                   {12, 0, {12, 12, 9, 9, 15, 15, 12, 12, 12}},    // surround left
                                   {13, 1, {13, 13, 10, 10, 16, 16, 13, 13, 13}},  //
                                   {14, 2, {14, 14, 11, 11, 17, 17, 14, 14, 14}},  //
                                   {15, 0, {12, 12, 9, 9, 15, 15, 12, 12, 15}},    // surround right
                                   {16, 1, {13, 13, 10, 10, 16, 16, 13, 13, 16}},  //
                                   {17, 2, {14, 14, 11, 11, 17, 17, 14, 14, 17}},  //
                                   {18, 0, {18, 18, 9, 9, 15, 15, 18, 18, 18}},    // centre
                                   {19, 1, {19, 19, 10, 10, 16, 16, 19, 19, 19}},  //
                                   {20, 2, {20, 20, 11, 11, 17, 17, 20, 20, 20}},  //
                                   {21, 0, {21, 21, 9, 9, 15, 15, 21, 21, 21}},    // subwoofer
                                   {22, 1, {22, 22, 10, 10, 16, 16, 22, 22, 22}},  //
                                   {23, 2, {23, 23, 11, 11, 17, 17, 23, 23, 23}}}; //
    for (const Row& row : rows) {
        SelectionState selection;
        selection.CurrentOutputBlock = row.shown;
        selection.OutputMode = row.mode;
        for (std::size_t i = 0; i < views.size(); ++i) {
            const auto [viewBlock, viewSlot] = views[i];
            SCOPED_TRACE("shown " + std::to_string(row.shown) + ", view " +
                         std::to_string(viewBlock) + ":" + std::to_string(viewSlot));
            EXPECT_EQ(ResolveBlock(MakeAddress(viewBlock, viewSlot), selection),
                      row.blocks[i] * 256 + viewSlot);
        }
    }
}

// Output view blocks other than 6, 9 and 15 are never carried by controls, but the delay and
// mute rule still places them in their own family.
TEST(Addressing, ResolveBlockDelayAndMuteOfOtherOutputRowsStayInTheirFamily)
{
    const std::vector<AddressCase> cases = {
        {"view 7 delay, centre shown, decode", Output(20, 2), 7, 10, 8, 10},
        {"view 12 mute, sub shown, disco", Output(22, 1), 12, 11, 13, 11},
        {"view 17 delay, main shown, sing", Output(6, 0), 17, 10, 15, 10},
        {"view 18 delay follows the limiter rule", Output(16, 1), 18, 10, 13, 10},
        {"view 23 ordinary slot goes to the shown block", Output(16, 0), 23, 30, 16, 30},
    };
    ExpectMapping(cases, &ResolveBlock);
}

// The right bank of the music EQ and the second dynamic-EQ bank.
TEST(Addressing, BankSlotSecondSideOffsetsOnlyTheBankSlots)
{
    struct Row
    {
        int block, slot, musicLink, dynamicLink, expected;
    };
    const std::vector<Row> rows = {
        {0, 10, 2, 0, 85},  {0, 11, 2, 0, 86},   {0, 84, 2, 0, 159}, {0, 9, 2, 0, 9},
        {0, 85, 2, 0, 85},  {0, 160, 2, 0, 160}, {0, 11, 1, 0, 11},  {0, 11, 0, 0, 11},
        {0, 11, 0, 2, 11},  {1, 1, 0, 2, 31},    {1, 30, 0, 2, 60},  {1, 0, 0, 2, 0},
        {1, 31, 0, 2, 31},  {1, 5, 0, 1, 5},     {1, 5, 2, 0, 5},    {2, 11, 2, 2, 11},
        {25, 11, 2, 2, 11},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.block) + ":" + std::to_string(row.slot) + " links " +
                     std::to_string(row.musicLink) + "/" + std::to_string(row.dynamicLink));
        SelectionState selection;
        selection.LinkSelection(LinkGroup::Music) = row.musicLink;
        selection.LinkSelection(LinkGroup::DynamicEq) = row.dynamicLink;
        EXPECT_EQ(BankSlot(row.block, row.slot, selection), row.expected);
    }
}

TEST(Addressing, ViewToDeviceAddressCombinesBlockSelectionAndBankOffset)
{
    const std::vector<AddressCase> cases = {
        {"music right: address 11 goes to slot 86", MusicLink(2), 0, 11, 0, 86},
        {"music linked: address 11 stays", MusicLink(1), 0, 11, 0, 11},
        {"mic B with music right: no bank offset outside block 0", MusicLink(2, Mic(3)), 2, 11, 3,
         11},
        {"surround right, disco: limiter of view block 6", Output(16, 1), 6, 13, 13, 13},
        {"surround right, disco: slot 17", Output(16, 1), 6, 17, 16, 17},
        {"surround right, disco: right delay", Output(16, 1), 15, 10, 16, 10},
        {"centre, disco: left delay", Output(19, 1), 6, 10, 19, 10},
        {"system input selection", MusicLink(2), 30, 20, 30, 20},
    };
    ExpectMapping(cases, &ViewToDeviceAddress);
}

} // namespace
} // namespace aec
