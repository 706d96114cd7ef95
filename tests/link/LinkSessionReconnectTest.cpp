#include "LinkSessionFixture.h"

#include <gmock/gmock.h>

namespace aec::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const BilingualText ReconnectingText{QStringLiteral("重新连接中..."),
                                     QStringLiteral("Reconnecting...")};

BilingualText ReconnectIn(int seconds)
{
    return {QStringLiteral("%1 秒后重新连接...").arg(seconds),
            QStringLiteral("Reconnecting in %1 s...").arg(seconds)};
}

// A session with the automatic reconnect on, whose port list is read from `machinePorts` at
// every round, as the machine's ports are.
class LinkSessionReconnectTest : public LinkSessionFixture
{
protected:
    LinkSessionReconnectTest()
    {
        session.setAutoReconnect(true);
        session.setPortLister([this] { return machinePorts; });
    }

    // Search ticks until the session is loading or `count` have passed; each port tried is
    // noted with its tick.
    std::vector<std::pair<int, QString>> searchTicks(int count)
    {
        std::vector<std::pair<int, QString>> tried;
        for (int tick = 1; tick <= count && session.isTimerActive(Timer1); ++tick) {
            const qsizetype before = line.openAttempts.size();
            run(Timer1, 1);
            for (qsizetype i = before; i < line.openAttempts.size(); ++i)
                tried.emplace_back(tick, line.openAttempts[i]);
        }
        return tried;
    }

    void loseTheLink()
    {
        run(HoldTimer, 400);
        ASSERT_FALSE(session.isOnline());
        ASSERT_FALSE(session.isTimerActive(HoldTimer));
    }

    QStringList machinePorts;
};

TEST_F(LinkSessionReconnectTest,
       LostLinkIsSoughtOnItsOwnPortFirstAfterPausesOfOneTwoThenFiveSeconds)
{
    line.addSilentPort(QStringLiteral("ttyS0"));
    machinePorts = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB0")};
    ASSERT_TRUE(linkOnline());
    line.unplug(QStringLiteral("ttyUSB0"));
    loseTheLink();

    // Quietly: no message box, no dialog over the window; the button still ends it all.
    EXPECT_THAT(messages.informed, IsEmpty());
    EXPECT_EQ(session.statusText(), ReconnectIn(1));
    EXPECT_EQ(session.statusColour(), StatusColour::Failed);
    EXPECT_TRUE(session.hasLinkedLook());
    EXPECT_FALSE(session.isDialogVisible());
    EXPECT_TRUE(session.isReconnecting());
    EXPECT_TRUE(session.isTimerActive(Timer1));

    const auto tried = searchTicks(19);
    using Try = std::pair<int, QString>;
    EXPECT_THAT(tried,
                ElementsAre(Try{1, "ttyUSB0"}, Try{2, "ttyS0"}, Try{5, "ttyUSB0"}, Try{6, "ttyS0"},
                            Try{12, "ttyUSB0"}, Try{13, "ttyS0"}, Try{19, "ttyUSB0"}));
    EXPECT_EQ(session.statusText(), ReconnectingText);
    run(Timer1, 2); // ttyS0, then the end of the round
    EXPECT_EQ(session.statusText(), ReconnectIn(5));
    run(Timer1, 1);
    EXPECT_EQ(session.statusText(), ReconnectIn(4));
    EXPECT_FALSE(session.isDialogVisible());

    // Plugged in again: the next round finds it, loads and goes online, all without a click.
    line.plugIn(QStringLiteral("ttyUSB0"));
    const int refreshes = refreshRequests;
    run(Timer1, 20);
    EXPECT_EQ(session.statusText(), LinkingText);
    EXPECT_EQ(run(Timer2, 200), 60);
    EXPECT_TRUE(session.isOnline());
    EXPECT_EQ(refreshRequests, refreshes + 1);
    EXPECT_EQ(session.linkedPort(), QStringLiteral("ttyUSB0"));
    EXPECT_THAT(runLogged(HoldTimer, 50), ElementsAre(TimedFrame{50, KeepAliveFrame}));
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionReconnectTest, SearchThatFindsNothingGoesOnAndFindsAnAdapterPluggedInLate)
{
    line.addSilentPort(QStringLiteral("ttyS0"));
    line.addProcessorPort(QStringLiteral("ttyUSB1"), processor);
    machinePorts = {QStringLiteral("ttyS0")};
    session.setPortNames(machinePorts);
    session.LinkBtnClick();
    run(Timer1, 3); // ttyS0, the empty selection, nothing found
    EXPECT_THAT(messages.informed, IsEmpty()) << "no failure box while it goes on";
    EXPECT_TRUE(session.isReconnecting());
    EXPECT_EQ(session.statusText(), ReconnectIn(1));
    EXPECT_FALSE(session.isDialogVisible());

    run(Timer1, 4); // a round over ttyS0 alone, and a pause
    machinePorts << QStringLiteral("ttyUSB1");
    run(Timer1, 10);
    ASSERT_TRUE(session.isTimerActive(Timer2));
    run(Timer2, 200);
    EXPECT_TRUE(session.isOnline());
    EXPECT_EQ(session.linkedPort(), QStringLiteral("ttyUSB1"));
    EXPECT_TRUE(storeMatches(processor.memory().blocks()));
    EXPECT_THAT(messages.informed, IsEmpty());
}

TEST_F(LinkSessionReconnectTest, PortsThatCannotBeOpenedAreReportedOnceWithTheirReason)
{
    line.addUnopenablePort(QStringLiteral("ttyS1"), {PortFailure::Kind::Busy, "locked"});
    line.addUnopenablePort(QStringLiteral("ttyS2"), {PortFailure::Kind::Denied, "EACCES"});
    line.addUnopenablePort(QStringLiteral("ttyS3"), {PortFailure::Kind::Absent, "ENOENT"});
    machinePorts = {QStringLiteral("ttyS1"), QStringLiteral("ttyS2"), QStringLiteral("ttyS3")};
    session.setPortNames(machinePorts);
    session.LinkBtnClick();
    run(Timer1, 5); // the person's search: passed over silently, as always
    EXPECT_THAT(messages.informed, IsEmpty());

    run(Timer1, 60); // several rounds
    const BilingualText expected{
        QStringLiteral("无法打开 ttyS1：已被其他程序占用\n"
                       "无法打开 ttyS2：没有权限：请把用户加入 dialout 组后重新登录"),
        QStringLiteral("Cannot open ttyS1: busy: another program has it open\n"
                       "Cannot open ttyS2: permission denied: add your user to the dialout "
                       "group and log in again")};
    EXPECT_EQ(messages.informed, QList<BilingualText>{expected});
    EXPECT_TRUE(log.lines().contains(expected.english));

    // A new search by the person may report them again.
    session.LinkBtnClick();
    session.LinkBtnClick();
    run(Timer1, 20);
    EXPECT_EQ(messages.informed, (QList<BilingualText>{expected, expected}));
}

TEST_F(LinkSessionReconnectTest, UnlinkStopsTheReconnectAndLinkStartsASearchAgain)
{
    machinePorts = {QStringLiteral("ttyUSB0")};
    ASSERT_TRUE(linkOnline());
    line.answersLost = true;
    loseTheLink();
    run(Timer1, 3);
    ASSERT_TRUE(session.isReconnecting());

    session.LinkBtnClick();
    EXPECT_FALSE(session.isReconnecting());
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_FALSE(session.hasLinkedLook());
    EXPECT_EQ(session.statusText(), OfflineText);
    EXPECT_THAT(messages.informed, IsEmpty());

    line.answersLost = false;
    session.LinkBtnClick();
    EXPECT_EQ(session.statusText(), SearchText);
    EXPECT_TRUE(session.isDialogVisible());
    run(Timer1, 5);
    run(Timer2, 200);
    EXPECT_TRUE(session.isOnline());
}

TEST_F(LinkSessionReconnectTest, LoadAbandonedHalfWayIsTakenUpAgainOnTheSamePort)
{
    sim::SimulatedProcessor stalling{sim::FaultPlan{1, 6}}; // answers blocks 0 to 4 only
    line.addProcessorPort(QStringLiteral("ttyACM0"), stalling);
    machinePorts = {QStringLiteral("ttyACM0")};
    session.setPortNames(machinePorts);
    session.LinkBtnClick();
    run(Timer1, 5);
    run(Timer2, 1000);
    EXPECT_THAT(messages.informed, IsEmpty());
    ASSERT_TRUE(session.isReconnecting());
    EXPECT_EQ(session.linkedPort(), QStringLiteral("ttyACM0"));
    const qsizetype attempts = line.openAttempts.size();
    run(Timer1, 1);
    EXPECT_EQ(line.openAttempts.mid(attempts), QStringList{QStringLiteral("ttyACM0")});
}

TEST_F(LinkSessionReconnectTest, SwitchedOffWhileItWaitsTheLinkStaysLostAsWithoutIt)
{
    machinePorts = {QStringLiteral("ttyUSB0")};
    ASSERT_TRUE(linkOnline());
    line.answersLost = true;
    loseTheLink();
    session.setAutoReconnect(false);
    EXPECT_FALSE(session.isReconnecting());
    EXPECT_FALSE(session.isTimerActive(Timer1));
    EXPECT_FALSE(session.hasLinkedLook());
    EXPECT_EQ(session.statusText(), OfflineText);

    // Off from the start, a loss is the message box and the end of it.
    session.LinkBtnClick();
    line.answersLost = false;
    run(Timer1, 5);
    run(Timer2, 200);
    ASSERT_TRUE(session.isOnline());
    line.answersLost = true;
    loseTheLink();
    EXPECT_EQ(messages.informed, QList<BilingualText>{LinkLostMessage});
    EXPECT_FALSE(session.isTimerActive(Timer1));
}

} // namespace
} // namespace aec::test
