#include "LinkSessionFixture.h"

#include <gmock/gmock.h>

namespace aec::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr ParamAddress MicGain = 0x020B;  // block 2 slot 11
constexpr ParamAddress MicBand1 = 0x020F; // block 2 slot 15, the first of ten consecutive slots
constexpr ParamAddress MicBand1Frequency = 0x0210; // block 2 slot 16
constexpr ParamAddress ModeRecall = 0x1E02;

const BilingualText DownloadText{QStringLiteral("下载数据..."), QStringLiteral("Download...")};
const BilingualText SavingText{QStringLiteral("保存中..."), QStringLiteral("Saving...")};
const BilingualText SaveSuccessMessage{QStringLiteral("保存成功!"),
                                       QStringLiteral("Save Success!")};

class LinkSessionSendTest : public LinkSessionFixture
{
};
class LinkSessionModeTest : public LinkSessionFixture
{
};
class LinkSessionDownloadTest : public LinkSessionFixture
{
};

// ---- Editing while online -----------------------------------------------------------------------

TEST_F(LinkSessionSendTest, EditGoesOutAtOnceAndPostponesTheKeepAliveByASecond)
{
    ASSERT_TRUE(linkOnline());
    run(HoldTimer, 30);
    const std::size_t mark = line.writes.size();

    model.SetParameter(MicGain, 1000);
    EXPECT_EQ(line.framesSince(mark), std::vector<std::string>{"F5 B1 06 B7 02 0B E8 03 A4"});
    EXPECT_EQ(processor.memory().value(2, 11), 1000);
    EXPECT_THAT(runLogged(HoldTimer, 60), ElementsAre(TimedFrame{50, KeepAliveFrame}));
}

TEST_F(LinkSessionSendTest, EditsOfOneParameterWhileAnAcknowledgementIsAwaitedCoalesce)
{
    ASSERT_TRUE(linkOnline());
    const std::size_t mark = line.writes.size();
    paced(MicBand1Frequency, 300);
    model.SetParameter(MicGain, 500);
    model.SetParameter(MicGain, 1000);

    EXPECT_EQ(line.framesSince(mark), std::vector<std::string>{"F5 B1 06 B7 02 10 2C 01 EB"});
    ASSERT_EQ(session.queue().size(), 1);
    EXPECT_EQ(model.store.at(2, 11), 1000);

    run(HoldTimer, 10);
    EXPECT_EQ(line.framesSince(mark), (std::vector<std::string>{"F5 B1 06 B7 02 10 2C 01 EB",
                                                                "F5 B1 06 B7 02 0B E8 03 A4"}));
    EXPECT_TRUE(session.queue().isEmpty());
    EXPECT_EQ(processor.memory().value(2, 11), 1000);
}

TEST_F(LinkSessionSendTest, TenPacedValuesGoOutOnePerAcknowledgementFromTheHoldTimer)
{
    ASSERT_TRUE(linkOnline());
    const std::size_t mark = line.writes.size();
    for (int i = 0; i < 10; ++i)
        paced(static_cast<ParamAddress>(MicBand1 + i), 100 + 10 * i);

    // The first finds the line idle; the others wait for one acknowledgement each.
    EXPECT_EQ(line.framesSince(mark), std::vector<std::string>{ParameterWrite(MicBand1, 100)});
    EXPECT_EQ(session.queue().size(), 9);
    for (int i = 1; i < 10; ++i) {
        const std::size_t before = line.writes.size();
        session.HoldTimerTimer(); // the acknowledgement has not been received yet
        EXPECT_THAT(line.framesSince(before), IsEmpty()) << "value " << i;
        run(HoldTimer, 1);
        EXPECT_EQ(line.framesSince(before),
                  std::vector<std::string>{
                      ParameterWrite(static_cast<ParamAddress>(MicBand1 + i), 100 + 10 * i)})
            << "value " << i;
    }
    const std::size_t before = line.writes.size();
    run(HoldTimer, 10);
    EXPECT_THAT(line.framesSince(before), IsEmpty());
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(processor.memory().value(2, 15 + i), 100 + 10 * i);
    EXPECT_EQ(ParameterWrite(MicGain, 1000), "F5 B1 06 B7 02 0B E8 03 A4");
}

TEST_F(LinkSessionSendTest, UnacknowledgedFrameIsSentAgainEveryOtherSecondUntilTheLinkIsLost)
{
    ASSERT_TRUE(linkOnline());
    line.answersLost = true;
    paced(MicBand1Frequency, 300);
    model.SetParameter(MicGain, 1000);

    EXPECT_THAT(runLogged(HoldTimer, 1000),
                ElementsAre(TimedFrame{100, "F5 B1 06 B7 02 10 2C 01 EB"},
                            TimedFrame{200, "F5 B1 06 B7 02 10 2C 01 EB"}));
    EXPECT_FALSE(session.isTimerActive(HoldTimer));
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkLostMessage});
    EXPECT_EQ(session.statusText(), OfflineText);
}

// The person's edits, undo and presets go to the processor; values that came from it, and the
// defaults written at start, are stored and never sent back.
TEST_F(LinkSessionSendTest, OnlyChangesOfThePersonUndoAndPresetsAreSent)
{
    ASSERT_TRUE(linkOnline());
    const std::size_t mark = line.writes.size();
    model.set(MicGain, 1000, Origin::Processor);
    model.set(MicGain, 1001, Origin::Default);
    EXPECT_EQ(model.store.at(2, 11), 1001);
    EXPECT_THAT(line.framesSince(mark), IsEmpty());
    EXPECT_TRUE(session.queue().isEmpty());

    model.set(MicGain, 1001, Origin::Undo);
    run(HoldTimer, 5);
    model.set(MicGain, 1002, Origin::Preset);
    EXPECT_EQ(line.framesSince(mark), (std::vector<std::string>{"F5 B1 06 B7 02 0B E9 03 A5",
                                                                "F5 B1 06 B7 02 0B EA 03 A6"}));
}

TEST_F(LinkSessionSendTest, EditWhileNotOnlineIsStoredButNeitherSentNorCountedAsTraffic)
{
    ASSERT_TRUE(linkOnline());
    model.SetParameter(ModeRecall, 4); // a recall waits for its acknowledgement: not online
    for (int i = 0; i < 7; ++i)
        session.HoldTimerTimer();
    ASSERT_FALSE(session.isOnline());
    const int holdTick = session.state().HoldTick;
    ASSERT_GT(holdTick, 0);
    const std::size_t mark = line.writes.size();

    model.SetParameter(MicGain, 1000);
    EXPECT_EQ(model.store.at(2, 11), 1000);
    EXPECT_THAT(line.framesSince(mark), IsEmpty());
    EXPECT_TRUE(session.queue().isEmpty());
    EXPECT_EQ(session.state().HoldTick, holdTick);
}

TEST_F(LinkSessionSendTest, EditAfterUnlinkingIsStoredOnly)
{
    ASSERT_TRUE(linkOnline());
    session.EndLink();
    const std::size_t mark = line.writes.size();
    model.SetParameter(MicGain, 1000);
    EXPECT_EQ(model.store.at(2, 11), 1000);
    EXPECT_THAT(line.framesSince(mark), IsEmpty());
}

// ---- Mode recall and store ----------------------------------------------------------------------

TEST_F(LinkSessionModeTest, RecallShowsLoadingAndItsAcknowledgementReloadsTheRecalledMode)
{
    ASSERT_TRUE(linkOnline());
    ASSERT_FALSE(storeMatches(processor.memory().mode(4).blocks));
    const std::size_t mark = line.writes.size();

    model.SetParameter(ModeRecall, 4);
    EXPECT_EQ(line.framesSince(mark), std::vector<std::string>{"F5 B1 06 B7 1E 02 04 00 D0"});
    EXPECT_EQ(session.statusText(), LoadingText);
    EXPECT_FALSE(session.isOnline());
    EXPECT_TRUE(session.isTimerActive(HoldTimer));

    EXPECT_EQ(run(HoldTimer, 100), 1);
    EXPECT_TRUE(session.isTimerActive(Timer2));
    EXPECT_EQ(line.framesSince(mark).back(), "F5 B1 06 B0 1E 10 00 00 D3");
    EXPECT_EQ(session.statusText(), LoadingText);
    EXPECT_EQ(refreshRequests, 1) << "the window is refreshed only when the reload completes";

    EXPECT_EQ(run(Timer2, 1000), 60);
    EXPECT_TRUE(session.isOnline());
    EXPECT_EQ(refreshRequests, 2);
    EXPECT_EQ(session.statusText(), OnlineText);
    EXPECT_TRUE(session.isTimerActive(HoldTimer));
    EXPECT_TRUE(storeMatches(processor.memory().mode(4).blocks));
    EXPECT_EQ(model.store.at(Block::System, 2), 4);
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionModeTest, RecallThatWaitedInTheQueueAlsoLeadsToTheReload)
{
    ASSERT_TRUE(linkOnline());
    const std::size_t mark = line.writes.size();
    paced(MicBand1Frequency, 300);
    model.SetParameter(ModeRecall, 7);
    EXPECT_EQ(line.framesSince(mark).size(), 1u);
    EXPECT_EQ(session.statusText(), OnlineText);

    run(HoldTimer, 1);
    EXPECT_EQ(line.framesSince(mark).back(), "F5 B1 06 B7 1E 02 07 00 D3");
    EXPECT_EQ(session.statusText(), LoadingText);
    EXPECT_FALSE(session.isOnline());

    EXPECT_EQ(run(HoldTimer, 100), 1);
    ASSERT_TRUE(session.isTimerActive(Timer2));
    run(Timer2, 1000);
    EXPECT_TRUE(session.isOnline());
    EXPECT_TRUE(storeMatches(processor.memory().mode(7).blocks));
    EXPECT_EQ(refreshRequests, 2);
}

TEST_F(LinkSessionModeTest, RecallWaitingInTheQueueReloadsAndTheEditsQueuedBehindItWin)
{
    ASSERT_TRUE(linkOnline());
    std::vector<int> gainAtRefresh;
    QObject::connect(&session, &LinkSession::onlineRefreshRequested,
                     [this, &gainAtRefresh] { gainAtRefresh.push_back(model.store.at(2, 11)); });
    paced(MicBand1Frequency, 300);
    model.SetParameter(ModeRecall, 7);
    model.SetParameter(MicGain, 1000);
    model.SetParameter(MicBand1Frequency, 301);
    ASSERT_EQ(session.queue().size(), 3);

    run(HoldTimer, 100);
    ASSERT_TRUE(session.isTimerActive(Timer2));
    EXPECT_EQ(run(Timer2, 1000), 60);
    ASSERT_TRUE(session.isOnline());
    EXPECT_EQ(gainAtRefresh, std::vector<int>{1000}) << "the window shows the later edit";

    // The edits follow the recall to the processor, then the keep-alives resume.
    EXPECT_THAT(runLogged(HoldTimer, 60), ElementsAre(TimedFrame{1, "F5 B1 06 B7 02 0B E8 03 A4"},
                                                      TimedFrame{2, "F5 B1 06 B7 02 10 2D 01 EC"},
                                                      TimedFrame{52, KeepAliveFrame}));
    EXPECT_TRUE(session.isOnline());
    EXPECT_EQ(processor.memory().value(2, 11), 1000);
    EXPECT_EQ(processor.memory().value(2, 16), 301);
    EXPECT_EQ(processor.memory().value(Block::System, 2), 7);
    EXPECT_TRUE(storeMatches(processor.memory().blocks()));
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionModeTest, ModeCommandLeftUnansweredNeverActsOnALaterLink)
{
    ASSERT_TRUE(linkOnline());
    // A store interrupted by unlinking, then a store and a recall that timed out.
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        line.deliverTo(session);
        line.answersLost = true;
        if (i < 2)
            session.StoreMode(3 + i, "Ballad");
        else
            model.SetParameter(ModeRecall, 5);
        run(HoldTimer, i == 0 ? 10 : 3000);
        if (i == 0)
            session.LinkBtnClick();
        const int refreshes = refreshRequests + 1;
        ASSERT_TRUE(linkAgain());
        run(HoldTimer, 100);
        EXPECT_TRUE(session.isOnline());
        EXPECT_EQ(refreshRequests, refreshes) << "no reload of its own";
        EXPECT_EQ(modeListRebuilds, 0);
    }
    EXPECT_EQ(messages.informed, (QList<BilingualText>{LinkLostMessage, LinkLostMessage}));
}

TEST_F(LinkSessionModeTest, StoredModeIsReportedOnlyOnItsOwnAcknowledgement)
{
    ASSERT_TRUE(linkOnline());
    const std::size_t mark = line.writes.size();

    session.StoreMode(3, "Ballad");
    EXPECT_EQ(line.framesSince(mark),
              std::vector<std::string>{"F5 B1 1A B7 1E 01 03 00 42 61 6C 6C 61 64 20 20 20 20 20 "
                                       "20 20 20 20 20 20 20 20 20 CE"});
    EXPECT_EQ(session.statusText(), SavingText);
    EXPECT_FALSE(session.isOnline());

    // An acknowledgement received before the store must not count for it.
    session.HoldTimerTimer();
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_EQ(modeListRebuilds, 0);

    run(HoldTimer, 1);
    EXPECT_EQ(messages.informed, QList<BilingualText>{SaveSuccessMessage});
    EXPECT_EQ(modeListRebuilds, 1);
    EXPECT_TRUE(session.isOnline());
    EXPECT_EQ(session.statusText(), OnlineText);
    EXPECT_EQ(session.statusColour(), StatusColour::Online);
    EXPECT_TRUE(session.isTimerActive(HoldTimer));
    EXPECT_EQ(processor.memory().mode(3).name, QByteArray("Ballad"));
}

TEST_F(LinkSessionModeTest, StoreNeverAcknowledgedEndsTheLinkAfterFiftyOneSeconds)
{
    ASSERT_TRUE(linkOnline());
    line.answersLost = true;
    session.StoreMode(3, "Ballad");
    const std::size_t mark = line.writes.size();

    EXPECT_EQ(run(HoldTimer, 2549), 2549);
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_EQ(run(HoldTimer, 1000), 1);
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkLostMessage});
    EXPECT_THAT(line.framesSince(mark), IsEmpty()) << "no keep-alive while the store waits";
    EXPECT_EQ(modeListRebuilds, 0);
    EXPECT_EQ(session.statusText(), OfflineText);
    EXPECT_EQ(session.statusColour(), StatusColour::Failed);
}

// ---- Download -----------------------------------------------------------------------------------

TEST_F(LinkSessionDownloadTest,
       WritesEveryBlockThenTheInputAndEndsOnlineWithTheProcessorHoldingTheStore)
{
    ASSERT_TRUE(linkOnline());
    for (int block = 0; block < TransferBlockCount; ++block)
        for (int slot = 0; slot < SlotCount[block]; ++slot)
            model.store.at(block, slot) = (block * 331 + slot * 7 + 5) % 1000;
    model.store.at(Block::System, 20) = 3;
    ASSERT_FALSE(storeMatches(processor.memory().blocks()));
    const std::size_t mark = line.writes.size();

    session.SessionEvent(LinkEvent::Download);
    EXPECT_EQ(session.statusText(), DownloadText);
    EXPECT_TRUE(session.isTimerActive(Timer2));
    EXPECT_FALSE(session.isTimerActive(HoldTimer));
    EXPECT_FALSE(session.isOnline());
    EXPECT_EQ(line.framesSince(mark).size(), 2u) << "block 0 goes out as two frames";

    EXPECT_EQ(run(Timer2, 15), 15);
    EXPECT_EQ(session.progressPercent(), 52); // step 15 of 29
    EXPECT_EQ(run(Timer2, 1000), 15);
    EXPECT_TRUE(session.isOnline());
    EXPECT_TRUE(session.isTimerActive(HoldTimer));
    EXPECT_EQ(session.statusText(), OnlineText);

    // Slots per block as the processor lays them out.
    const int slotCounts[30] = {164, 60, 114, 114, 48, 45, 70, 70, 70, 70, 70, 70, 70, 70, 70,
                                70,  70, 70,  70,  70, 70, 70, 70, 70, 48, 26, 26, 26, 37, 10};
    const std::vector<FakeSerialLine::Write> frames(
        line.writes.begin() + static_cast<std::ptrdiff_t>(mark), line.writes.end());
    ASSERT_EQ(frames.size(), 32u);
    EXPECT_EQ(HexOf(frames[0].bytes.first(8)), "F5 B1 E6 B7 1E 0F 00 00");
    EXPECT_EQ(frames[0].bytes.size(), 233);
    EXPECT_EQ(HexOf(frames[1].bytes.first(8)), "F5 B1 6E B7 1E 0F 00 E0");
    EXPECT_EQ(frames[1].bytes.size(), 113);
    for (int block = 1; block < 30; ++block) {
        const QByteArray& frame = frames[static_cast<std::size_t>(block) + 1].bytes;
        char header[32];
        std::snprintf(header, sizeof header, "F5 B1 %02X B7 1E 0F %02X 00",
                      2 * slotCounts[block] + 6, block);
        EXPECT_EQ(HexOf(frame.first(8)), header) << "block " << block;
        EXPECT_EQ(frame.size(), 2 * slotCounts[block] + 9) << "block " << block;
    }
    EXPECT_EQ(frames[30].bytes.size(), 29);
    EXPECT_EQ(HexOf(frames[31].bytes), "F5 B1 06 B7 1E 14 03 00 E1");

    EXPECT_TRUE(storeMatches(processor.memory().blocks()));
    EXPECT_EQ(processor.memory().value(Block::System, 20), 3);
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionDownloadTest, TakesOnlyTheAcknowledgementOfItsOwnFirstFrameForBlockZero)
{
    // The processor stops answering as the download is asked for; the last acknowledgement is
    // owed to a keep-alive (come in, or on its way) or to an edit sent at once (on its way, or
    // lost too). Block 0 is repeated and abandoned, never taken as answered.
    struct Case
    {
        int holdTicks;
        bool edit, editLost;
        int downloadWaits;
    };
    const Case cases[] = {
        {51, false, false, 0}, {50, false, false, 1}, {10, true, false, 1}, {10, true, true, 50}};
    ASSERT_TRUE(linkOnline());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.holdTicks + 10 * c.edit + 100 * c.editLost);
        if (&c != cases) {
            ASSERT_TRUE(linkAgain());
        }
        run(HoldTimer, c.holdTicks);
        line.answersLost = c.editLost;
        if (c.edit)
            model.SetParameter(MicGain, 1000);
        line.answersLost = true;
        const std::size_t mark = line.writes.size();
        session.SessionEvent(LinkEvent::Download);
        EXPECT_EQ(run(HoldTimer, 100), c.downloadWaits);
        EXPECT_EQ(line.framesSince(mark).size(), 2u) << "block 0, in two frames";
        std::vector<int> ticks;
        for (const TimedFrame& frame : runLogged(Timer2, 200))
            ticks.push_back(frame.first);
        EXPECT_EQ(ticks, (std::vector<int>{32, 32}));
        EXPECT_EQ(messages.informed.last(), LinkFailedMessage);
    }
}

TEST_F(LinkSessionDownloadTest, IsIgnoredWhileNotOnline)
{
    session.SessionEvent(LinkEvent::Download);
    EXPECT_FALSE(session.isTimerActive(Timer2));
    EXPECT_EQ(session.statusText(), OfflineText);

    line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
    session.setPortNames({QStringLiteral("ttyUSB0")});
    session.LinkBtnClick();
    run(Timer1, 10);
    run(Timer2, 5);
    const std::size_t mark = line.writes.size();

    session.SessionEvent(LinkEvent::Download);
    EXPECT_THAT(line.framesSince(mark), IsEmpty());
    EXPECT_EQ(session.statusText(), LinkingText);
    EXPECT_EQ(session.progressPercent(), 13); // step 5 of the load's 38
    EXPECT_EQ(run(Timer2, 1000), 55);
    EXPECT_TRUE(session.isOnline());
    EXPECT_TRUE(storeMatches(processor.memory().blocks()));
}

} // namespace
} // namespace aec::test
