#include "LinkSessionFixture.h"

#include <gmock/gmock.h>

namespace aec::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class LinkSessionSearchTest : public LinkSessionFixture
{
};
class LinkSessionLoadTest : public LinkSessionFixture
{
};
class LinkSessionOnlineTest : public LinkSessionFixture
{
};
class LinkSessionUnlinkTest : public LinkSessionFixture
{
};

// ---- Port search ------------------------------------------------------------------------------

TEST_F(LinkSessionSearchTest,
       TriesOnePortPerTickPassingSilentAndUnopenablePortsAndLinksToTheOneThatAnswers)
{
    line.addSilentPort(QStringLiteral("COM1"));
    line.addUnopenablePort(QStringLiteral("COM2"));
    line.addProcessorPort(QStringLiteral("COM3"), processor);
    session.setPortNames({QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")});

    session.LinkBtnClick();
    EXPECT_EQ(session.statusText(), SearchText);
    EXPECT_TRUE(session.hasLinkedLook());
    EXPECT_TRUE(session.isDialogVisible());
    EXPECT_TRUE(session.isTimerActive(Timer1));
    EXPECT_FALSE(session.isTimerActive(Timer2));
    EXPECT_FALSE(session.isTimerActive(HoldTimer));

    for (int tick = 1; tick <= 3; ++tick) {
        run(Timer1, 1);
        EXPECT_EQ(line.openAttempts.size(), tick) << "one port per tick";
    }
    EXPECT_EQ(line.openAttempts, QStringList({QStringLiteral("COM1"), QStringLiteral("COM2"),
                                              QStringLiteral("COM3")}));
    EXPECT_EQ(portsShown, line.openAttempts);
    ASSERT_EQ(line.writes.size(), 2u);
    EXPECT_EQ(line.writes[0].port, QStringLiteral("COM1"));
    EXPECT_EQ(HexOf(line.writes[0].bytes), LinkRequestFrame);
    EXPECT_EQ(line.writes[1].port, QStringLiteral("COM3"));
    EXPECT_EQ(HexOf(line.writes[1].bytes), LinkRequestFrame);

    // The answer is seen at the next tick, which starts the load with the request of block 0.
    EXPECT_EQ(run(Timer1, 10), 1);
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_TRUE(session.isTimerActive(Timer2));
    EXPECT_FALSE(session.isTimerActive(HoldTimer));
    EXPECT_EQ(line.framesSince(2), std::vector<std::string>{"F5 B1 06 B0 1E 10 00 00 D3"});
    EXPECT_EQ(line.writes.back().port, QStringLiteral("COM3"));
    EXPECT_EQ(session.statusText(), LinkingText);
    EXPECT_EQ(session.statusColour(), StatusColour::Neutral);
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionSearchTest, FailsTheTickAfterTheListIsExhaustedWhenNoPortAnswers)
{
    line.addSilentPort(QStringLiteral("COM1"));
    line.addUnopenablePort(QStringLiteral("COM2"));
    line.addSilentPort(QStringLiteral("COM3"));
    session.setPortNames({QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3")});
    session.LinkBtnClick();

    // Three ports, a fourth tick that finds the list exhausted, and the failure at the fifth.
    EXPECT_EQ(run(Timer1, 4), 4);
    EXPECT_TRUE(session.isTimerActive(Timer1));
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_EQ(run(Timer1, 100), 1);

    EXPECT_EQ(line.framesSince(0), std::vector<std::string>(2, LinkRequestFrame));
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkFailedMessage});
    EXPECT_EQ(session.statusText(), OfflineText);
    EXPECT_EQ(session.statusColour(), StatusColour::Failed);
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_FALSE(session.isTimerActive(Timer2));
    EXPECT_FALSE(session.isTimerActive(HoldTimer));
    EXPECT_FALSE(session.hasLinkedLook());
    EXPECT_FALSE(session.isDialogVisible());
    EXPECT_FALSE(session.isOnline());

    // The button reads "Link" again: pressing it starts a new search.
    session.LinkBtnClick();
    EXPECT_TRUE(session.isTimerActive(Timer1));
    EXPECT_EQ(session.statusText(), SearchText);
}

TEST_F(LinkSessionSearchTest, WithoutAnyPortFailsAtTheFirstTick)
{
    session.LinkBtnClick();
    EXPECT_EQ(run(Timer1, 10), 1);
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkFailedMessage});
    EXPECT_TRUE(line.openAttempts.isEmpty());
}

// ---- Load -------------------------------------------------------------------------------------

TEST_F(LinkSessionLoadTest, RequestsBlocksNamesAndSystemItemsInOrderAndGoesOnlineAfterSixtyTicks)
{
    line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    EXPECT_EQ(run(Timer1, 10), 2);

    // Block 0 at the search's last tick; each later step one Timer2 tick after its predecessor
    // was answered; online at the tick after the answer to 7700.
    EXPECT_EQ(run(Timer2, 1000), 60);
    EXPECT_TRUE(session.isOnline());

    std::vector<std::string> expected{LinkRequestFrame};
    for (int block = 0; block < 30; ++block)
        expected.push_back(BlockRequest(block));
    expected.push_back(ModeNameRequest(0));
    for (int index = 1; index < 22; ++index) {
        expected.push_back(ModeNameRequest(index));
        expected.push_back(ModeNameRequest(index));
    }
    expected.insert(expected.end(), 2, "F5 B1 04 B0 1E 01 C4");
    for (const char* item : {"F5 B1 04 B0 1E 02 C5", "F5 B1 04 B0 1E 03 C6", "F5 B1 04 B0 1E 04 C7",
                             "F5 B1 04 B0 1E 08 CB", "F5 B1 04 B0 1E 07 CA", "F5 B1 04 B0 1E 05 C8",
                             "F5 B1 04 B0 1E 14 D7"})
        expected.emplace_back(item);
    EXPECT_EQ(line.framesSince(0), expected);
    EXPECT_EQ(ModeNameRequest(3), "F5 B1 06 B0 1E 00 03 00 C6");
    EXPECT_EQ(BlockRequest(5), "F5 B1 06 B0 1E 10 05 00 D8");
}

TEST_F(LinkSessionLoadTest, FillsTheStoreNamesAndSystemItemsFromTheProcessorAndGoesOnline)
{
    auto& memory = processor.memory();
    memory.setValue(Block::Music, 161, 1); // disco
    memory.setValue(Block::System, 1, 0x0102);
    memory.setValue(Block::System, 2, 5);
    memory.setValue(Block::System, 3, 3);
    memory.setValue(Block::System, 4, 1);
    memory.setValue(Block::System, 8, 1);
    memory.setValue(Block::System, 20, 2);
    memory.panelCode = "4321";
    memory.systemPassword = "654321";

    ASSERT_TRUE(linkOnline());

    EXPECT_TRUE(storeMatches(memory.blocks()));
    for (const int slot : {1, 2, 3, 4, 8, 20})
        EXPECT_EQ(model.store.at(Block::System, slot), memory.value(Block::System, slot))
            << "block 30 slot " << slot;
    const QStringList names = {"User 1",  "User 2",  "User 3",  "User 4",  "User 5",  "User 6",
                               "User 7",  "User 8",  "User 9",  "User 10", "User 11", "User 12",
                               "User 13", "User 14", "User 15", "User 16", "Pop",     "Rock",
                               "Jazz",    "Classic", "Vocal",   "Disco"};
    for (int i = 0; i < DeviceTexts::ModeCount; ++i)
        EXPECT_EQ(texts.ModeNames[static_cast<std::size_t>(i)], names[i]) << "mode " << i;
    EXPECT_EQ(texts.DeviceCodeText, QByteArray("4321"));
    EXPECT_EQ(texts.DevicePasswordText, QByteArray("654321"));

    EXPECT_EQ(model.selection.OutputMode, 1);
    EXPECT_EQ(refreshRequests, 1);
    EXPECT_EQ(session.statusText(), OnlineText);
    EXPECT_EQ(session.statusColour(), StatusColour::Online);
    EXPECT_TRUE(session.hasLinkedLook());
    EXPECT_FALSE(session.isDialogVisible());
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_FALSE(session.isTimerActive(Timer2));
    EXPECT_TRUE(session.isTimerActive(HoldTimer));
    EXPECT_EQ(session.state().PanelLockState, 1);
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionLoadTest, ReadsAnOutputModeAboveDecodeAsDecode)
{
    processor.memory().setValue(Block::Music, 161, 5);
    ASSERT_TRUE(linkOnline());
    EXPECT_EQ(model.selection.OutputMode, 2);
}

TEST_F(LinkSessionLoadTest, DialogProgressFollowsTheStepOutOfThirtyEight)
{
    line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    run(Timer1, 10);
    EXPECT_EQ(session.progressPercent(), 0);

    std::vector<int> progress;
    while (session.isTimerActive(Timer2) && progress.size() < 200) {
        run(Timer2, 1);
        EXPECT_TRUE(session.isDialogVisible() || !session.isTimerActive(Timer2));
        progress.push_back(session.progressPercent());
    }
    ASSERT_EQ(progress.size(), 60u);
    EXPECT_EQ(progress[0], 3);   // step 1: 2.6 %
    EXPECT_EQ(progress[18], 50); // step 19
    EXPECT_EQ(progress[28], 76); // step 29: 76.3 %
    EXPECT_EQ(progress[29], 79); // step 30, the mode names: 78.9 %
    EXPECT_EQ(progress[50], 79); // still the names
    EXPECT_EQ(progress[51], 82); // step 31: 81.6 %
    EXPECT_EQ(progress[59], 100);
}

TEST_F(LinkSessionLoadTest, RepeatsAnUnansweredStepAfterThirtyTwoTicksAndGivesUpAHundredTicksLater)
{
    // Answers the link request and blocks 0 to 4, then falls silent.
    sim::SimulatedProcessor stalling{sim::FaultPlan{1, 6}};
    line.addProcessorPort(QStringLiteral("ttyUSB0"), stalling);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    run(Timer1, 10);

    const std::vector<TimedFrame> frames = runLogged(Timer2, 1000);
    EXPECT_THAT(frames, ElementsAre(TimedFrame{1, BlockRequest(1)}, TimedFrame{2, BlockRequest(2)},
                                    TimedFrame{3, BlockRequest(3)}, TimedFrame{4, BlockRequest(4)},
                                    TimedFrame{5, "F5 B1 06 B0 1E 10 05 00 D8"},
                                    TimedFrame{37, "F5 B1 06 B0 1E 10 05 00 D8"}));
    EXPECT_FALSE(session.isTimerActive(Timer2));
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkFailedMessage});
    EXPECT_EQ(session.statusText(), OfflineText);
    EXPECT_EQ(session.statusColour(), StatusColour::Failed);
    EXPECT_FALSE(session.isTimerActive(HoldTimer));
    EXPECT_FALSE(session.hasLinkedLook());
}

TEST_F(LinkSessionLoadTest, AbandonedStepEndsTheLoadExactlyAtTheHundredAndThirtySeventhTick)
{
    sim::SimulatedProcessor stalling{sim::FaultPlan{1, 6}};
    line.addProcessorPort(QStringLiteral("ttyUSB0"), stalling);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    run(Timer1, 10);

    EXPECT_EQ(run(Timer2, 136), 136);
    EXPECT_TRUE(session.isTimerActive(Timer2));
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_EQ(run(Timer2, 1000), 1);
}

TEST_F(LinkSessionLoadTest, EveryWaitForAnAnswerIsRepeatedOnceAndAbandonedTenSecondsLater)
{
    // Block 0 after linking: the processor acknowledges the link request (and sends its
    // identity), then never answers again.
    sim::SimulatedProcessor mute{sim::FaultPlan{1, 1}};
    line.addProcessorPort(QStringLiteral("ttyS0"), mute);
    session.setPortNames({QStringLiteral("ttyS0")});
    session.LinkBtnClick();
    run(Timer1, 10);
    ASSERT_TRUE(session.isTimerActive(Timer2));
    EXPECT_THAT(runLogged(Timer2, 131), ElementsAre(TimedFrame{32, BlockRequest(0)}));
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_EQ(run(Timer2, 1000), 1);
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkFailedMessage});
    EXPECT_EQ(session.statusText(), OfflineText);

    // Block 0 of the reload after a recall: the processor answers the link request, the 82
    // requests of the load and the recall, then falls silent. A stray acknowledgement and a
    // frame that answers nothing do not end the wait early nor make it endless.
    sim::SimulatedProcessor stalling{sim::FaultPlan{1, 84}};
    line.addProcessorPort(QStringLiteral("ttyS1"), stalling);
    session.setPortNames({QStringLiteral("ttyS1")});
    session.LinkBtnClick();
    run(Timer1, 10);
    ASSERT_EQ(run(Timer2, 1000), 60);
    ASSERT_TRUE(session.isOnline());
    model.SetParameter(0x1E02, 4);
    run(HoldTimer, 100);
    ASSERT_TRUE(session.isTimerActive(Timer2));
    run(Timer2, 10);
    session.ComPortRxChar(QByteArray::fromHex("EEBB F5B108B71E4051A3160B1F"));
    EXPECT_THAT(runLogged(Timer2, 121), ElementsAre(TimedFrame{22, BlockRequest(0)}));
    EXPECT_EQ(run(Timer2, 1000), 1);
    EXPECT_EQ(messages.informed, (QList<BilingualText>{LinkFailedMessage, LinkFailedMessage}));
    EXPECT_EQ(session.statusText(), OfflineText);
}

TEST_F(LinkSessionLoadTest, StepAdvancesOnlyOnTheFrameThatAnswersItsOwnRequest)
{
    // A babbling processor: before each answer, frames that answer nothing arrive on their own
    // (a frame of another block, the identity, an unrequested system report). They come from a
    // processor with the same memory, so storing them changes nothing.
    sim::SimulatedProcessor babbler;
    QByteArray babble;
    QObject::connect(&babbler, &sim::SimulatedProcessor::transmitted,
                     [&babble](const QByteArray& bytes) { babble += bytes; });
    line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    run(Timer1, 10);

    int ticks = 0;
    while (session.isTimerActive(Timer2) && ticks < 400) {
        const int step = session.state().TransferStep;
        babble.clear();
        babbler.receive(QByteArray::fromHex(BlockRequest((step + 1) % 30).c_str()));
        babble += QByteArray::fromHex("F5B108B71E4051A3160B1F F5B106B71E0B0100D6");
        const std::size_t mark = line.writes.size();
        session.ComPortRxChar(babble);
        fire(Timer2);
        EXPECT_EQ(line.writes.size(), mark) << "step " << step;
        EXPECT_EQ(session.state().TransferStep, step);
        ticks += 1 + run(Timer2, 1);
    }
    ASSERT_TRUE(session.isOnline());
    EXPECT_EQ(ticks, 120);
    EXPECT_TRUE(storeMatches(processor.memory().blocks()));
    for (int i = 0; i < DeviceTexts::ModeCount; ++i)
        EXPECT_EQ(texts.ModeNames[static_cast<std::size_t>(i)],
                  QString::fromLatin1(processor.memory().mode(i).name))
            << "mode " << i;
}

TEST_F(LinkSessionLoadTest, LoadAfterOneAbandonedAmongTheModeNamesPlacesEveryNameAtItsIndex)
{
    // Link, blocks 0 to 29, name 0 and names 1 to 4 twice are answered; name 5 is not.
    sim::SimulatedProcessor stalling{sim::FaultPlan{1, 40}};
    line.addProcessorPort(QStringLiteral("ttyS0"), stalling);
    session.setPortNames({QStringLiteral("ttyS0")});
    session.LinkBtnClick();
    run(Timer1, 10);
    run(Timer2, 1000);
    ASSERT_EQ(messages.informed, QList<BilingualText>{LinkFailedMessage});
    ASSERT_NE(session.flags().ModeNameIndex, 0);

    texts.ModeNames = {};
    line.addProcessorPort(QStringLiteral("ttyS1"), processor);
    session.setPortNames({QStringLiteral("ttyS1")});
    const std::size_t mark = line.writes.size();
    session.LinkBtnClick();
    run(Timer1, 10);
    EXPECT_EQ(run(Timer2, 1000), 60);
    ASSERT_TRUE(session.isOnline());

    const std::vector<std::string> frames = line.framesSince(mark);
    ASSERT_GT(frames.size(), 32u);
    EXPECT_EQ(frames[31], ModeNameRequest(0));
    for (int i = 0; i < DeviceTexts::ModeCount; ++i)
        EXPECT_EQ(texts.ModeNames[static_cast<std::size_t>(i)],
                  QString::fromLatin1(processor.memory().mode(i).name))
            << "mode " << i;
}

// ---- Online: keep-alive and loss --------------------------------------------------------------

TEST_F(LinkSessionOnlineTest, AnsweredKeepAliveGoesOutOnceASecond)
{
    ASSERT_TRUE(linkOnline());
    EXPECT_THAT(runLogged(HoldTimer, 200),
                ElementsAre(TimedFrame{50, KeepAliveFrame}, TimedFrame{100, KeepAliveFrame},
                            TimedFrame{150, KeepAliveFrame}, TimedFrame{200, KeepAliveFrame}));
    EXPECT_TRUE(session.isOnline());
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionOnlineTest, UnansweredKeepAliveIsRepeatedEveryOtherSecondAndTheLinkLostAtTheFifth)
{
    ASSERT_TRUE(linkOnline());
    line.answersLost = true;

    const std::vector<TimedFrame> frames = runLogged(HoldTimer, 1000);
    EXPECT_THAT(frames, ElementsAre(TimedFrame{50, KeepAliveFrame}, TimedFrame{150, KeepAliveFrame},
                                    TimedFrame{250, KeepAliveFrame}));
    EXPECT_FALSE(session.isTimerActive(HoldTimer));
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkLostMessage});
    EXPECT_FALSE(session.isOnline());
    EXPECT_EQ(session.statusText(), OfflineText);
    EXPECT_EQ(session.statusColour(), StatusColour::Failed);
    EXPECT_FALSE(session.hasLinkedLook());
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_FALSE(session.isTimerActive(Timer2));
}

TEST_F(LinkSessionOnlineTest, LossIsDeclaredAtTheThreeHundredthTickWithoutAnswers)
{
    ASSERT_TRUE(linkOnline());
    line.answersLost = true;
    EXPECT_EQ(run(HoldTimer, 299), 299);
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_EQ(run(HoldTimer, 1000), 1);
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkLostMessage});
}

// ---- Ending a link ----------------------------------------------------------------------------

TEST_F(LinkSessionOnlineTest, PulledAdapterGoesOfflineAndIsFoundAgainOncePluggedBackIn)
{
    ASSERT_TRUE(linkOnline());
    line.unplug(QStringLiteral("ttyUSB0"));
    const int ticks = run(HoldTimer, 400);
    EXPECT_LE(ticks, 300) << "lost within six seconds of the last answer";
    ASSERT_EQ(messages.informed.size(), 1);
    EXPECT_EQ(messages.informed.first(), LinkLostMessage);
    EXPECT_FALSE(session.isTimerActive(HoldTimer));

    // Pressed while the adapter is still out, the search finds nothing.
    session.LinkBtnClick();
    run(Timer1, 5);
    EXPECT_EQ(messages.informed.last(), LinkFailedMessage);

    line.plugIn(QStringLiteral("ttyUSB0"));
    session.LinkBtnClick();
    run(Timer1, 5);
    run(Timer2, 200);
    EXPECT_TRUE(session.isOnline());
}

TEST_F(LinkSessionUnlinkTest, LinkButtonWhileOnlineStopsEverythingAndSendsTheUnlinkSilently)
{
    ASSERT_TRUE(linkOnline());
    run(HoldTimer, 20);
    const std::size_t mark = line.writes.size();

    session.LinkBtnClick();
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_FALSE(session.isTimerActive(Timer2));
    EXPECT_FALSE(session.isTimerActive(HoldTimer));
    EXPECT_EQ(line.framesSince(mark), std::vector<std::string>{UnlinkFrame});
    EXPECT_FALSE(processor.isLinked());
    EXPECT_FALSE(session.isOnline());
    EXPECT_FALSE(session.hasLinkedLook());
    EXPECT_FALSE(session.isDialogVisible());
    EXPECT_EQ(session.statusText(), OfflineText);
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_TRUE(storeMatches(processor.memory().blocks()));
}

TEST_F(LinkSessionUnlinkTest, LinkButtonWhileSearchingStopsTheSearch)
{
    line.addSilentPort(QStringLiteral("COM1"));
    line.addSilentPort(QStringLiteral("COM2"));
    session.setPortNames({QStringLiteral("COM1"), QStringLiteral("COM2")});
    session.LinkBtnClick();
    run(Timer1, 1);

    session.LinkBtnClick();
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_EQ(line.framesSince(0), (std::vector<std::string>{LinkRequestFrame, UnlinkFrame}));
    EXPECT_EQ(line.writes.back().port, QStringLiteral("COM1"));
    EXPECT_FALSE(session.hasLinkedLook());
    EXPECT_FALSE(session.isDialogVisible());
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionUnlinkTest, UnlinkDuringALoadStopsItAndKeepsTheBlocksReceived)
{
    const auto& blocks = processor.memory().blocks();
    line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    run(Timer1, 10);
    run(Timer2, 10); // blocks 0 to 9 answered, block 10 requested
    line.deliverTo(session);

    session.EndLink();
    EXPECT_FALSE(session.isTimerActive(Timer2));
    EXPECT_EQ(HexOf(line.writes.back().bytes), UnlinkFrame);
    EXPECT_EQ(session.progressPercent(), 34); // step 10 of the 29 an ended link shows
    for (int block = 0; block <= 10; ++block)
        for (int slot = 0; slot < SlotCount[block]; ++slot)
            ASSERT_EQ(model.store.at(block, slot), blocks[block][slot]) << block << "/" << slot;
    EXPECT_EQ(model.store.at(11, 21), 0); // never requested
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionUnlinkTest, ClosingTheWindowSendsTheUnlinkOnlyWhileOnline)
{
    line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    run(Timer1, 10);
    run(Timer2, 5);
    std::size_t mark = line.writes.size();
    session.CloseLink(); // loading: not online
    EXPECT_THAT(line.framesSince(mark), IsEmpty());

    run(Timer2, 1000);
    ASSERT_TRUE(session.isOnline());
    mark = line.writes.size();
    session.CloseLink();
    EXPECT_EQ(line.framesSince(mark), std::vector<std::string>{UnlinkFrame});
}

} // namespace
} // namespace aec::test
