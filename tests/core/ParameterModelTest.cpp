#include "core/ParameterModel.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace aec {
namespace {

// Every change the model announces.
struct ChangeRecorder
{
    explicit ChangeRecorder(ParameterModel& model)
    {
        QObject::connect(&model, &ParameterModel::changed,
                         [this](const ParamChange& change) { changes.push_back(change); });
    }
    std::vector<ParamChange> changes;
};

class ParameterModelTest : public ::testing::Test
{
protected:
    // Every store cell holds block × 1000 + slot, so a view cell names where it came from.
    void FillStoreWithAddresses()
    {
        for (int block = 0; block < 31; ++block)
            for (int slot = 0; slot < 165; ++slot)
                model.store.at(block, slot) = block * 1000 + slot;
    }

    ParameterModel model;
    ChangeRecorder recorder{model};
};

// A change writes the view cell and the mapped store cell, and announces both addresses.
TEST_F(ParameterModelTest, SetStoresViewAndDeviceCellsAndAnnouncesBothAddresses)
{
    const auto select = [](int mic, int output, int mode, int musicLink) {
        SelectionState s;
        s.CurrentMicBlock = mic;
        s.CurrentOutputBlock = output;
        s.OutputMode = mode;
        s.LinkSelection(LinkGroup::Music) = musicLink;
        return s;
    };
    struct Row
    {
        const char* what;
        SelectionState selection;
        int viewBlock, viewSlot, deviceBlock, deviceSlot;
    };
    const std::vector<Row> rows = {
        {"music left", select(2, 6, 0, 0), 0, 11, 0, 11},
        {"music linked", select(2, 6, 0, 1), 0, 11, 0, 11},
        {"music right", select(2, 6, 0, 2), 0, 11, 0, 86},
        {"mic B gain", select(3, 6, 0, 0), 2, 5, 3, 5},
        {"mic B page, link slot", select(3, 6, 0, 0), 2, 13, 2, 13},
        {"surround right limiter", select(2, 16, 1, 0), 6, 12, 13, 12},
        {"surround right crossover", select(2, 16, 1, 0), 6, 17, 16, 17},
        {"surround right delay", select(2, 16, 1, 0), 15, 10, 16, 10},
        {"system input", select(2, 6, 0, 2), 30, 20, 30, 20},
    };
    std::int32_t value = 1000;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        ParameterModel fresh;
        ChangeRecorder heard(fresh);
        fresh.selection = row.selection;
        ++value;

        fresh.set(MakeAddress(row.viewBlock, row.viewSlot), value, Origin::Preset);

        EXPECT_EQ(fresh.view.at(row.viewBlock, row.viewSlot), value);
        EXPECT_EQ(fresh.store.at(row.deviceBlock, row.deviceSlot), value);
        ASSERT_EQ(heard.changes.size(), 1u);
        EXPECT_EQ(heard.changes[0].device, row.deviceBlock * 256 + row.deviceSlot);
        EXPECT_EQ(heard.changes[0].view, row.viewBlock * 256 + row.viewSlot);
        EXPECT_EQ(heard.changes[0].value, value);
        EXPECT_EQ(heard.changes[0].origin, Origin::Preset);
        int written = 0;
        for (int block = 0; block < 31; ++block)
            for (int slot = 0; slot < 165; ++slot)
                written += fresh.store.at(block, slot) != 0;
        EXPECT_EQ(written, 1) << "only the mapped store cell changes";
    }
}

// A change at a processor address (the system page, undo) reaches the view where a control
// shows that address under the current selections, and carries the value it replaced.
TEST_F(ParameterModelTest, DeviceChangesReachTheViewWhereShownAndCarryTheOldValue)
{
    model.selection.CurrentMicBlock = 3;
    model.RebuildViewValues();
    model.store.at(3, 5) = 11;

    model.setDevice(MakeAddress(3, 5), 12, Origin::Undo);
    EXPECT_EQ(model.view.at(2, 5), 12) << "microphone B is shown";
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_TRUE(recorder.changes[0].shown);
    EXPECT_EQ(recorder.changes[0].view, MakeAddress(2, 5));
    EXPECT_EQ(recorder.changes[0].previous, 11);

    model.setDevice(MakeAddress(2, 5), 40, Origin::Undo);
    EXPECT_EQ(model.store.at(2, 5), 40);
    EXPECT_EQ(model.view.at(2, 5), 12) << "microphone A is not shown";
    EXPECT_FALSE(recorder.changes[1].shown) << "no control shows it";

    model.setDevice(MakeAddress(31, 0), 1, Origin::Person);
    EXPECT_EQ(recorder.changes.size(), 2u) << "outside the store: nothing changes";
}

// The view rows follow the current selections; the right-side delay and mute rows 9 and 15
// always show the right-side block of the current scene.
TEST_F(ParameterModelTest, RebuildViewValuesReadsTheSelectedBlocks)
{
    FillStoreWithAddresses();
    model.view.at(24, 3) = -1;
    model.view.at(4, 48) = -1;
    model.view.at(0, 164) = -1;
    model.selection.LinkSelection(LinkGroup::Music) = 2;
    model.selection.CurrentMicBlock = 3;
    model.selection.CurrentEffectBlock = 24;
    model.selection.CurrentOutputBlock = 16;
    model.selection.OutputMode = 1;
    model.selection.CurrentHiddenBlock = 26;

    model.RebuildViewValues();

    struct Cell
    {
        int block, slot;
        std::int32_t value;
    };
    std::vector<Cell> expected = {{0, 9, 9},       {0, 10, 85},     {0, 84, 159},   {0, 160, 160},
                                  {0, 163, 163},   {1, 1, 1001},    {2, 5, 3005},   {2, 13, 2013},
                                  {2, 113, 3113},  {4, 3, 24003},   {4, 47, 24047}, {5, 2, 5002},
                                  {6, 10, 13010},  {6, 11, 13011},  {6, 12, 13012}, {6, 15, 13015},
                                  {6, 17, 16017},  {6, 69, 16069},  {9, 10, 10010}, {9, 11, 10011},
                                  {15, 10, 16010}, {15, 11, 16011}, {25, 3, 26003}, {28, 36, 28036},
                                  {29, 9, 29009},  {30, 20, 30020}};
    // Untouched: rows that are not view rows and slots past a block's SlotCount.
    expected.insert(expected.end(),
                    {{24, 3, -1}, {4, 48, -1}, {0, 164, -1}, {3, 5, 0}, {9, 12, 0}, {15, 0, 0}});
    for (const Cell& cell : expected) {
        SCOPED_TRACE(std::to_string(cell.block) + ":" + std::to_string(cell.slot));
        EXPECT_EQ(model.view.at(cell.block, cell.slot), cell.value);
    }
}

TEST_F(ParameterModelTest, RebuildViewValuesRightSideRowsFollowTheSceneWhileCentreAndReverbAreShown)
{
    FillStoreWithAddresses();
    model.selection.CurrentOutputBlock = 20;
    model.selection.OutputMode = 2;
    model.selection.CurrentEffectBlock = 5;

    model.RebuildViewValues();

    EXPECT_EQ(model.view.at(9, 10), 11010);
    EXPECT_EQ(model.view.at(9, 11), 11011);
    EXPECT_EQ(model.view.at(15, 10), 17010);
    EXPECT_EQ(model.view.at(15, 11), 17011);
    EXPECT_EQ(model.view.at(6, 10), 20010);
    EXPECT_EQ(model.view.at(6, 13), 20013);
    EXPECT_EQ(model.view.at(4, 3), 4003);
    EXPECT_EQ(model.view.at(0, 10), 10);
}

// Every low-pass frequency starts at 360, and nothing else is set.
TEST(ParameterModelInitialStore, LowPassSlotsHold360AndEverythingElseIsZero)
{
    std::set<std::pair<int, int>> lowPass = {{0, 7}, {2, 12}, {3, 12}, {4, 12}, {24, 12}, {5, 9}};
    for (int block = 6; block <= 23; ++block)
        lowPass.insert({block, 19});

    ParamStore store;
    store.setInitialLowPassValues();
    store.setInitialLowPassValues();

    for (int block = 0; block < 31; ++block) {
        for (int slot = 0; slot < 165; ++slot) {
            SCOPED_TRACE(std::to_string(block) + ":" + std::to_string(slot));
            EXPECT_EQ(store.at(block, slot), lowPass.count({block, slot}) ? 360 : 0);
        }
    }
}

} // namespace
} // namespace aec
