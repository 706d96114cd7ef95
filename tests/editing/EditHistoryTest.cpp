// The undo history over the model's change notices, and the A/B sets: what forms one step,
// what undo and redo write back (and so send), and what the history keeps.
#include "core/ParameterNames.h"
#include "core/ValueKind.h"
#include "editing/CompareSets.h"
#include "editing/EditHistory.h"
#include "link/DeviceFrame.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

ParamAddress At(const char* key)
{
    const std::optional<ParamAddress> address = DeviceAddressOfKey(QLatin1String(key));
    EXPECT_TRUE(address) << key;
    return address.value_or(0);
}

int Gain(double dB)
{
    return int(ParseKindText(Kind::Gain, dB));
}

class History : public ::testing::Test
{
protected:
    History()
    {
        history.setClock([this] { return now; });
        QObject::connect(&model, &ParameterModel::changed,
                         [this](const ParamChange& change) { changes.push_back(change); });
    }

    // One action of the person: its changes, then the event loop's turn that closes the step.
    void edit(ParamAddress address, int value)
    {
        model.setDevice(address, value, Origin::Person);
        history.flush();
    }

    ParameterModel model;
    EditHistory history{model};
    qint64 now = 0;
    std::vector<ParamChange> changes;
    const ParamAddress gain5 = At("music.eq.5.gain");
    const ParamAddress micGain = At("micA.eq.1.gain");
};

TEST_F(History, OneActionIsOneStepThatUndoAndRedoWriteBackAsEditsToSend)
{
    model.store.at(gain5) = Gain(2.0);
    model.setDevice(gain5, Gain(4.0), Origin::Person);
    model.setDevice(micGain, 7, Origin::Person); // the same action: a copy, say
    history.flush();
    ASSERT_EQ(history.stack().count(), 1);
    EXPECT_EQ(history.undoText().english, QStringLiteral("Music EQ band 5 gain: 2.0dB → 4.0dB and 1 more"));

    changes.clear();
    history.undo();
    EXPECT_EQ(model.store.at(gain5), Gain(2.0));
    EXPECT_EQ(model.store.at(micGain), 0);
    ASSERT_EQ(changes.size(), 2u);
    for (const ParamChange& c : changes)
        EXPECT_TRUE(c.origin == Origin::Undo && IsSentToProcessor(c.origin));
    EXPECT_TRUE(history.redoText().english.startsWith(QStringLiteral("Music EQ band 5 gain")));

    history.redo();
    EXPECT_EQ(model.store.at(gain5), Gain(4.0));
    EXPECT_EQ(model.store.at(micGain), 7);
    EXPECT_EQ(history.stack().count(), 1) << "undo and redo record nothing themselves";
}

TEST_F(History, OnlyThePersonsChangesOfSettingsAreRecorded)
{
    model.setDevice(gain5, 3, Origin::Processor);
    model.setDevice(gain5, 4, Origin::Default);
    model.setDevice(CommandAddress::ModeRecall, 2, Origin::Person); // an action, not a setting
    model.setDevice(CommandAddress::UserOrManager, 1, Origin::Person);
    history.flush();
    EXPECT_EQ(history.stack().count(), 0);
    edit(CommandAddress::InputSelect, 1); // the music input is a setting
    EXPECT_EQ(history.stack().count(), 1);
}

TEST_F(History, StepsOfOneParameterUnderASecondApartFormOneSeries)
{
    edit(gain5, 1);
    now += EditHistory::MergeWindowMs; // just inside
    edit(gain5, 2);
    ASSERT_EQ(history.stack().count(), 1);
    now += EditHistory::MergeWindowMs + 1; // just beyond
    edit(gain5, 3);
    EXPECT_EQ(history.stack().count(), 2);
    now += 10;
    edit(micGain, 3); // another parameter starts another step
    EXPECT_EQ(history.stack().count(), 3);

    history.undo();
    history.undo();
    EXPECT_EQ(model.store.at(gain5), 2);
    history.undo();
    EXPECT_EQ(model.store.at(gain5), 0) << "the series is undone as one";

    // A series that comes back to where it began leaves no step.
    history.startOver();
    edit(gain5, 9);
    edit(gain5, 0);
    EXPECT_EQ(history.stack().count(), 0);
}

TEST_F(History, ABatchIsOneStepAndNeverJoinsASeries)
{
    {
        ChangeBatch batch(model);
        for (int value = 1; value <= 30; ++value)
            model.setDevice(gain5, value, Origin::Person);
        model.setDevice(micGain, 5, Origin::Person);
        EXPECT_EQ(history.stack().count(), 0) << "nothing is recorded before the batch ends";
    }
    EXPECT_EQ(history.stack().count(), 1);
    edit(gain5, 31);
    EXPECT_EQ(history.stack().count(), 2);
    history.undo();
    history.undo();
    EXPECT_EQ(model.store.at(gain5), 0);
    EXPECT_EQ(model.store.at(micGain), 0);

    history.labelStep({QStringLiteral("EQ重置：音乐"), QStringLiteral("EQ reset: Music")});
    {
        ChangeBatch batch(model);
        model.setDevice(gain5, 4, Origin::Person);
        model.setDevice(micGain, 4, Origin::Person);
    }
    EXPECT_EQ(history.undoText().english, QStringLiteral("EQ reset: Music"));
}

TEST_F(History, WholeSetsAreOneStepAndTheCleanStateFollowsLoadsAndSaves)
{
    EXPECT_TRUE(history.stack().isClean());
    ParamStore before = model.store;
    model.store.at(gain5) = 11; // a preset written into the store
    model.store.at(MakeAddress(Block::SystemVolume, 0)) = 40;
    history.recordReplaced(before, {QStringLiteral("加载"), QStringLiteral("Load")});
    history.markSaved();
    edit(micGain, 3);
    EXPECT_FALSE(history.stack().isClean());
    history.undo();
    EXPECT_TRUE(history.stack().isClean()) << "undone back to what was loaded";
    history.undo();
    EXPECT_EQ(model.store, before);

    ParamStore target = model.store;
    target.at(gain5) = 20;
    target.at(CommandAddress::ModeRecall) = 5; // never written by a set
    bool done = false;
    changes.clear();
    history.applySet(target, {QStringLiteral("B"), QStringLiteral("B")},
                     [&done](bool d) { done = d; });
    EXPECT_TRUE(done);
    ASSERT_EQ(changes.size(), 1u) << "only what differs is written";
    EXPECT_EQ(changes[0].origin, Origin::Preset);
    EXPECT_EQ(model.store.at(CommandAddress::ModeRecall), 0);
    history.undo();
    EXPECT_FALSE(done);
    EXPECT_EQ(model.store.at(gain5), 0);

    history.startOver();
    EXPECT_EQ(history.stack().count(), 0);
    EXPECT_TRUE(history.stack().isClean());
}

TEST_F(History, KeepsItsNewestStepsUpToItsLimit)
{
    ASSERT_GE(EditHistory::StepLimit, 1000);
    for (int step = 0; step < EditHistory::StepLimit; ++step) {
        now += EditHistory::MergeWindowMs + 1;
        edit(gain5, step % 2 ? 1 : 2);
    }
    EXPECT_EQ(history.stack().count(), EditHistory::StepLimit);
    now += EditHistory::MergeWindowMs + 1;
    edit(micGain, 1);
    EXPECT_EQ(history.stack().count(), EditHistory::StepLimit) << "the oldest step goes";
    for (int step = 0; step < EditHistory::StepLimit; ++step)
        history.undo();
    EXPECT_EQ(model.store.at(gain5), 2) << "the first step is no longer there to undo";
}

TEST(CompareSets, TheFirstPressCopiesLaterPressesSwitch)
{
    ParamStore current;
    current.at(5, 5) = 1;
    CompareSets sets;
    EXPECT_FALSE(sets.press(CompareSets::Letter::A, current)) << "A is shown already";
    EXPECT_EQ(sets.other(), nullptr);

    const std::optional<ParamStore> b = sets.press(CompareSets::Letter::B, current);
    ASSERT_TRUE(b);
    EXPECT_EQ(*b, current) << "B starts as a copy";
    current.at(5, 5) = 2; // editing B
    ASSERT_NE(sets.other(), nullptr);
    EXPECT_EQ(sets.other()->at(5, 5), 1);

    const std::optional<ParamStore> a = sets.press(CompareSets::Letter::A, current);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->at(5, 5), 1);
    EXPECT_EQ(sets.other()->at(5, 5), 2) << "B kept as it was left";
    EXPECT_EQ(sets.setOf(CompareSets::Letter::B, *a)->at(5, 5), 2);
    EXPECT_EQ(sets.setOf(CompareSets::Letter::A, *a), &*a);
}

} // namespace
} // namespace aec
