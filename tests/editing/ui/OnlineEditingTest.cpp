// The window linked to a simulated processor: what its edits and refreshes put on the line.
#include "MainWindowFixture.h"

#include "editing/EditHistory.h"

#include <QLabel>

namespace aec {
namespace {

using Frames = std::vector<std::string>;

using OnlineEditing = test::OnlineWindowFixture;

TEST_F(OnlineEditing, MovingASliderSendsOneParameterFrame)
{
    ASSERT_TRUE(linkOnline());
    pump();
    const std::size_t before = line.writes.size();

    slider("MusPitchBar")->setValue(10);
    pump();

    EXPECT_EQ(framesSince(before), Frames{"F5 B1 06 B7 00 03 0A 00 B9"});
    EXPECT_EQ(processor.memory().value(0, 3), 10);
    EXPECT_EQ(pane("MusPitchPane")->text(), QStringLiteral("3"));
}

// After a load the store holds the processor's own state: nothing to undo, nothing modified,
// and the title names the mode.
TEST_F(OnlineEditing, ALoadFromTheProcessorStartsTheHistoryOver)
{
    typeInto("MusGainEdit2", QStringLiteral("3"));
    wing().history().flush();
    ASSERT_EQ(wing().history().stack().count(), 1);
    ASSERT_TRUE(linkOnline());
    EXPECT_EQ(wing().history().stack().count(), 0);
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_TRUE(control<QLabel>("TitleSourceLabel")->text().contains(QStringLiteral("Mode ")));
}

TEST_F(OnlineEditing, TypedFrequencyOnTheMicBPageReachesMicrophoneB)
{
    ASSERT_TRUE(linkOnline());
    chooseTab("FormMICBTabBtn");
    pump();
    const std::uint16_t micA = processor.memory().value(2, 26);
    const std::size_t before = line.writes.size();

    typeInto("MicFreEdit3", QStringLiteral("1000"));
    pump();

    EXPECT_EQ(framesSince(before), Frames{"F5 B1 06 B7 03 1A CC 00 95"})
        << "selecting the edit sends nothing; Enter sends the typed value once";
    EXPECT_EQ(processor.memory().value(3, 26), 204);
    EXPECT_EQ(processor.memory().value(2, 26), micA);
}

TEST_F(OnlineEditing, RefreshesAndPageChangesSendNothing)
{
    processor.memory().setValue(6, 11, 1);
    ASSERT_TRUE(linkOnline());
    pump();
    const std::size_t before = line.writes.size();

    refreshAll();
    wing().refreshAfterLoad();
    for (const char* tab : {"FormDYNBtn", "FormMICATabBtn", "FormMICBTabBtn", "FormEFFTabBtn"})
        chooseTab(tab);
    control<QAbstractButton>("EchoBToolButton")->click();
    control<QAbstractButton>("RvbToolButton")->click();
    for (const char* tab :
         {"FormSURTabBtn", "FormCENTabBtn", "FormSUBTabBtn", "FormHintTabBtn", "FormMAINTabBtn"})
        chooseTab(tab);
    control<QAbstractButton>("HintMicBBtn")->click();
    pump();

    EXPECT_EQ(framesSince(before), Frames{});
    EXPECT_EQ(Hint(button("MainLmuteBtn")), QStringLiteral("1"));
}

TEST_F(OnlineEditing, LoadedValuesAreShownForTheSelectedMicrophone)
{
    processor.memory().setValue(2, 16, 240);
    processor.memory().setValue(3, 16, 204);
    processor.memory().setValue(3, 17, 150);
    processor.memory().setValue(2, 0, 10);
    processor.memory().setValue(3, 0, 30);
    ASSERT_TRUE(linkOnline());

    chooseTab("FormMICBTabBtn");
    EXPECT_EQ(edit("MicFreEdit1")->text(), QStringLiteral("1000Hz"));
    EXPECT_EQ(edit("MicGainEdit1")->text(), QStringLiteral("6.0dB"));
    EXPECT_EQ(pane("MicInputGainPane")->text(), QStringLiteral("5dB"));
    chooseTab("FormMICATabBtn");
    EXPECT_EQ(edit("MicFreEdit1")->text(), QStringLiteral("2000Hz"));
    EXPECT_EQ(pane("MicInputGainPane")->text(), QStringLiteral("-5dB"));
}

TEST_F(OnlineEditing, RightButtonSendsOnlyTheUnlinkedStateAndCopiesLocally)
{
    processor.memory().setValue(0, 8, 1);    // the music channels are linked
    processor.memory().setValue(0, 11, 204); // left band 1 at 1000 Hz
    processor.memory().setValue(0, 86, 300); // right band 1 elsewhere
    ASSERT_TRUE(linkOnline());
    ASSERT_EQ(model.selection.LinkSelection(LinkGroup::Music), 1);
    pump();
    const std::size_t before = line.writes.size();

    button("RightBtn")->click();
    pump();

    EXPECT_EQ(framesSince(before), Frames{"F5 B1 06 B7 00 08 00 00 B4"});
    EXPECT_EQ(processor.memory().value(0, 8), 0);
    EXPECT_EQ(processor.memory().value(0, 86), 300) << "the copy is not sent";
    EXPECT_EQ(model.store.at(0, 86), 204);
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("1000Hz"));
}

TEST_F(OnlineEditing, NormalVolumeDraggedUpSendsOnlyTheNextStep)
{
    processor.memory().setValue(29, 1, 10);
    ASSERT_TRUE(linkOnline());
    pump();
    const std::size_t before = line.writes.size();

    slider("SysMusNormalVolBar")->setValue(50);
    pump();

    const Frames frames = framesSince(before);
    ASSERT_FALSE(frames.empty());
    for (const std::string& frame : frames)
        EXPECT_EQ(frame, "F5 B1 06 B7 1D 01 0B 00 D5");
    EXPECT_EQ(processor.memory().value(29, 1), 11);
}

// A step of one value goes out at once, as the edit did; a step of many (an EQ reset undone,
// an A/B switch) goes one value per acknowledgement, as fast as they come, never as a burst.
TEST_F(OnlineEditing, StepsOfSeveralValuesGoOutOnePerAcknowledgement)
{
    ASSERT_TRUE(linkOnline());
    const int pitch = model.store.at(0, 3);
    slider("MusPitchBar")->setValue(pitch + 3);
    pump();
    wing().history().flush();
    std::size_t mark = line.writes.size();
    wing().undo();
    EXPECT_EQ(framesSince(mark), Frames{test::ParameterWrite(MakeAddress(0, 3), pitch)});

    control<QAbstractButton>("EQResetBtn")->click();
    pump(200);
    const auto reset = processor.memory().blocks();
    mark = line.writes.size();
    wing().undo();
    EXPECT_EQ(framesSince(mark).size(), 1u);
    session.HoldTimerTimer();
    EXPECT_EQ(framesSince(mark).size(), 1u) << "the next one only after an acknowledgement";
    line.deliverTo(session);
    EXPECT_EQ(framesSince(mark).size(), 2u) << "and then at once, not at the next tick";
    for (int i = 0; i < 3; ++i)
        line.deliverTo(session);
    EXPECT_EQ(framesSince(mark).size(), 5u);
    pump(200);
    EXPECT_NE(processor.memory().blocks(), reset);
    EXPECT_TRUE(processorHoldsTheStore());

    wing().compareLetter(CompareSets::Letter::B);
    control<QAbstractButton>("EQResetBtn")->click();
    pump(200);
    mark = line.writes.size();
    wing().compareLetter(CompareSets::Letter::A);
    line.deliverTo(session);
    EXPECT_EQ(framesSince(mark).size(), 2u);
    pump(200);
    EXPECT_TRUE(processorHoldsTheStore());
}

} // namespace
} // namespace aec
