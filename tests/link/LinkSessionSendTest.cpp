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

// ---- A HoldTimer that sleeps through idle ticks
// ---------------------------------------------------

// A session online at its own processor, driven through a script by one of two owners: one
// that runs every 20 ms tick, one that sleeps through the ticks that only count, as the link
// holder does. Frames are stamped with the tick they were written in.
struct HoldRig
{
    ParameterModel model;
    DeviceTexts texts;
    DiagnosticLog log;
    sim::SimulatedProcessor processor;
    FakeSerialLine line;
    FakeMessages messages;
    LinkSession session{model, texts, line, messages, log};
    bool sleeping = false;
    int tick = 0;
    int wakeUps = 0;
    std::vector<TimedFrame> frames;
    std::vector<std::pair<int, QString>> logLines; // with the tick they were written in

    explicit HoldRig(bool sleepThroughIdleTicks) : sleeping(sleepThroughIdleTicks)
    {
        line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
        session.setPortNames({QStringLiteral("ttyUSB0")});
        session.LinkBtnClick();
        for (int i = 0; i < 5 && session.isTimerActive(LinkSession::Timer1); ++i) {
            line.deliverTo(session);
            session.Timer1Timer();
        }
        for (int i = 0; i < 200 && session.isTimerActive(LinkSession::Timer2); ++i) {
            line.deliverTo(session);
            session.Timer2Timer();
        }
        log.clear();
    }

    void stamp(std::size_t since, int at)
    {
        for (const std::string& frame : line.framesSince(since))
            frames.emplace_back(at, frame);
        for (auto i = static_cast<qsizetype>(logLines.size()); i < log.lines().size(); ++i)
            logLines.emplace_back(at, log.lines()[i]);
    }

    // Time passes up to the end of tick `target`; answers arrive right after the tick that
    // caused them, as an input between two ticks.
    void advanceTo(int target)
    {
        while (tick < target && session.isTimerActive(LinkSession::HoldTimer)) {
            line.deliverTo(session);
            const int ticks = sleeping ? session.holdTicksUntilWork() : 1;
            if (tick + ticks > target) {
                session.passHoldTicks(target - tick); // an input comes before the tick that acts
                tick = target;
                return;
            }
            const std::size_t before = line.writes.size();
            session.HoldTimerTicks(ticks);
            ++wakeUps;
            tick += ticks;
            stamp(before, tick);
        }
    }

    template <typename Input> void at(int when, Input input)
    {
        advanceTo(when);
        line.deliverTo(session);
        const std::size_t before = line.writes.size();
        input();
        stamp(before, when);
    }
};

void RunHoldScript(HoldRig& rig)
{
    rig.at(130, [&] { rig.model.SetParameter(MicGain, 500); });
    rig.at(260, [&] {
        for (int i = 0; i < 5; ++i)
            rig.model.set(static_cast<ParamAddress>(MicBand1 + i), 40 + i, Origin::Person, nullptr,
                          true);
    });
    rig.at(300, [&] { rig.session.StoreMode(2, "Duet"); });
    // A frame start whose frame never comes is dropped once the line has been quiet.
    rig.at(350, [&] { rig.session.ComPortRxChar(QByteArray::fromHex("F5B10AB7")); });
    rig.at(420, [&] { rig.line.answersLost = true; });
    rig.advanceTo(1200);
}

TEST_F(LinkSessionSendTest, SleepingThroughTicksThatOnlyCountChangesNoFrameNorTheTickItGoesIn)
{
    HoldRig everyTick(false);
    HoldRig sleeping(true);
    ASSERT_TRUE(everyTick.session.isOnline());
    ASSERT_TRUE(sleeping.session.isOnline());
    RunHoldScript(everyTick);
    RunHoldScript(sleeping);

    EXPECT_EQ(sleeping.frames, everyTick.frames);
    EXPECT_EQ(sleeping.messages.informed, everyTick.messages.informed);
    EXPECT_EQ(sleeping.logLines, everyTick.logLines);
    EXPECT_EQ(sleeping.session.receiver().abandonedStartCount(), 1);
    // Keep-alives, the edits and their answers, the store, the loss: all of them happened.
    EXPECT_EQ(everyTick.messages.informed,
              (QList<BilingualText>{SaveSuccessMessage, LinkLostMessage}));
    EXPECT_THAT(everyTick.frames, ::testing::Contains(TimedFrame{50, KeepAliveFrame}));
    EXPECT_THAT(everyTick.frames, ::testing::Contains(TimedFrame{180, KeepAliveFrame}));
    EXPECT_FALSE(sleeping.session.isTimerActive(HoldTimer));
    // About fifty ticks become one wake-up while idle.
    EXPECT_GT(everyTick.wakeUps, 700);
    EXPECT_LT(sleeping.wakeUps, 60);
}

TEST_F(LinkSessionSendTest, IdleLinkPlansItsNextTickAtTheKeepAliveAndWorkBringsItNearer)
{
    ASSERT_TRUE(linkOnline());
    run(HoldTimer, 50); // a keep-alive just went out and was answered
    line.deliverTo(session);
    EXPECT_EQ(session.holdTicksUntilWork(), 50);
    session.passHoldTicks(48);
    EXPECT_EQ(session.holdTicksUntilWork(), 2);
    EXPECT_THAT(runLogged(HoldTimer, 2), ElementsAre(TimedFrame{2, KeepAliveFrame}));

    // Ticks slept through before an edit count for nothing: the edit starts the second again.
    line.deliverTo(session);
    model.SetParameter(MicGain, 700);
    session.passHoldTicks(30);
    EXPECT_EQ(session.holdTicksUntilWork(), 50);

    paced(MicBand1, 1);
    paced(MicBand1Frequency, 2);
    EXPECT_EQ(session.holdTicksUntilWork(), 50) << "the queue waits for an acknowledgement";
    line.deliverTo(session);
    EXPECT_EQ(session.holdTicksUntilWork(), 1) << "acknowledged: the queued frame goes next";
    run(HoldTimer, 2);
    session.ComPortRxChar(QByteArray::fromHex("EE"));
    EXPECT_EQ(session.holdTicksUntilWork(), 1) << "half an acknowledgement waits on every tick";
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
