// The whole program against a simulated processor on a pseudo-terminal: a real QSerialPort,
// the real timers, the windows offscreen.
#include "app/Controller.h"
#include "app/TForm1.h"
#include "editing/EditHistory.h"
#include "editing/ui/EditingWing.h"
#include "link/ui/TForm3.h"
#include "sim/SimulatorHost.h"
#include "sim/TcpSimulatorHost.h"
#include "support/EventLoop.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <memory>

namespace aec {
namespace {

using test::RunFor;
using test::RunUntil;

constexpr int LinkTimeoutMs = 20000; // a load takes about seven seconds

class ControllerEndToEnd : public ::testing::Test
{
protected:
    void startWith(sim::FaultPlan faults, bool reconnect = true)
    {
        startOn(std::make_unique<sim::SimulatorHost>(faults), reconnect);
    }

    void startOn(std::unique_ptr<sim::ProcessorHost> processorHost, bool reconnect = true)
    {
        host = std::move(processorHost);
        ASSERT_TRUE(host->start()) << host->errorString().toStdString();
        ControllerOptions options;
        options.ports = {host->portPath()};
        options.reconnect = reconnect;
        controller = std::make_unique<Controller>(options, &messages);
        QObject::connect(&session(), &LinkSession::onlineRefreshRequested, [this] { ++loads; });
        controller->start();
    }

    LinkSession& session() { return controller->link().session(); }
    sim::ProcessorMemory& memory() { return host->processor().memory(); }

    bool linkOnline(int timeoutMs = LinkTimeoutMs)
    {
        return RunUntil([this] { return session().isOnline(); }, timeoutMs);
    }

    // Every transferred slot of the store equals the processor's memory.
    ::testing::AssertionResult storeMatchesProcessor()
    {
        for (int block = 0; block < TransferBlockCount; ++block)
            for (int slot = 0; slot < SlotCount[block]; ++slot)
                if (controller->model().store.at(block, slot) != memory().value(block, slot))
                    return ::testing::AssertionFailure()
                           << "block " << block << " slot " << slot << ": store "
                           << controller->model().store.at(block, slot) << ", processor "
                           << memory().value(block, slot);
        return ::testing::AssertionSuccess();
    }

    // The processor's whole transferred memory.
    std::vector<int> processorMemory()
    {
        std::vector<int> values;
        for (int block = 0; block < TransferBlockCount; ++block)
            for (int slot = 0; slot < SlotCount[block]; ++slot)
                values.push_back(memory().value(block, slot));
        return values;
    }

    // Waits until every queued parameter is acknowledged.
    bool sent()
    {
        if (!RunUntil([this] { return session().queue().isEmpty(); }, 20000))
            return false;
        RunFor(200);
        return session().isOnline();
    }

    void TearDown() override
    {
        controller.reset();
        host.reset();
    }

    // Whether a message box told of a lost or failed link.
    bool toldOffline() const
    {
        return std::any_of(
            messages.shown.begin(), messages.shown.end(),
            [](const BilingualText& text) { return text.english == QStringLiteral("Off Line!"); });
    }

    test::RecordingMessages messages;
    std::unique_ptr<sim::ProcessorHost> host;
    std::unique_ptr<Controller> controller;
    int loads = 0;
};

TEST_F(ControllerEndToEnd, FirstShowingStartsTheSearchAndTheLinkLoadsEditsAndUnlinks)
{
    startWith({});
    EXPECT_TRUE(controller->mainWindow().windowShown());
    EXPECT_TRUE(session().isTimerActive(LinkSession::Timer1));
    EXPECT_EQ(session().statusText().english, QStringLiteral("Search..."));
    EXPECT_TRUE(session().isDialogVisible());

    ASSERT_TRUE(linkOnline());
    EXPECT_TRUE(storeMatchesProcessor());
    EXPECT_EQ(controller->texts().ModeNames[0], QString::fromLatin1(memory().mode(0).name));
    EXPECT_EQ(controller->texts().DeviceIdentity, QStringLiteral("51A3160B"));
    EXPECT_FALSE(session().isDialogVisible());

    // Idle, the timers wake the program for the keep-alive about once a second, not fifty
    // and a hundred times.
    const int wakeUps = controller->link().holdWakeUps();
    const int frames = host->processor().framesReceived();
    RunFor(3000);
    EXPECT_LT(controller->link().holdWakeUps() - wakeUps, 12);
    EXPECT_GE(host->processor().framesReceived() - frames, 2) << "keep-alives go on";
    EXPECT_FALSE(controller->mainWindow().ticking());
    EXPECT_TRUE(session().isOnline());

    controller->model().SetParameter(MakeAddress(2, 11), 1000);
    EXPECT_TRUE(RunUntil([this] { return memory().value(2, 11) == 1000; }, 2000));

    controller->mainWindow().close();
    EXPECT_TRUE(RunUntil([this] { return !host->processor().isLinked(); }, 2000))
        << "closing while online sends the unlink";
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ControllerEndToEnd, LoadSurvivesGarbageAndBadChecksumsOnTheLine)
{
    sim::FaultPlan faults;
    faults.insertGarbage = 0.3;
    faults.corruptChecksums = 0.3;
    faults.seed = 11;
    startWith(faults);
    ASSERT_TRUE(linkOnline());
    // Only the checksum byte is damaged: the values are stored, the mismatches logged.
    EXPECT_TRUE(storeMatchesProcessor());
    EXPECT_GT(session().applier().checksumErrorCount(), 0);
    EXPECT_TRUE(
        controller->log().lines().join('\n').contains(QStringLiteral("校验数据匹配不一致")));
    EXPECT_GT(session().receiver().abandonedStartCount(), 0) << "the noise holds false starts";

    // Keep-alives and their acknowledgements cross the same noise.
    RunFor(6000);
    EXPECT_TRUE(session().isOnline());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ControllerEndToEnd, OnlineLinkSurvivesAStrayFrameStartAndItsStoreIsUntouched)
{
    startWith({});
    ASSERT_TRUE(linkOnline());
    RunFor(1200); // a keep-alive or two
    const ParamStore before = controller->model().store;

    host->processor().transmitNoise(QByteArray::fromHex("F5B1FFB70000"));
    RunFor(6000); // past the five silent seconds that end a link
    EXPECT_TRUE(session().isOnline());
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(controller->model().store == before);
    EXPECT_EQ(session().receiver().abandonedStartCount(), 1);

    controller->model().SetParameter(MakeAddress(2, 11), 1000);
    EXPECT_TRUE(RunUntil([this] { return memory().value(2, 11) == 1000; }, 2000));
}

TEST_F(ControllerEndToEnd, ProcessorThatFallsSilentIsDeclaredLostWithinFiveSecondsOfItsLastAnswer)
{
    sim::FaultPlan faults;
    faults.stopAfterFrames = 86; // link request, the 82 requests of a load, three keep-alives
    startWith(faults, false);
    ASSERT_TRUE(linkOnline());
    ASSERT_TRUE(RunUntil([this] { return host->processor().framesReceived() >= 86; }, 10000));
    QElapsedTimer silence;
    silence.start();
    ASSERT_TRUE(RunUntil([this] { return !messages.shown.isEmpty(); }, 10000));
    EXPECT_LE(silence.elapsed(), 7000);
    EXPECT_EQ(messages.shown.first().chinese, QStringLiteral("已断开连接!"));
    EXPECT_EQ(session().statusText().english, QStringLiteral("Off Line"));
    EXPECT_EQ(session().statusColour(), StatusColour::Failed);
}

TEST_F(ControllerEndToEnd, HungUpLineGoesOfflineWithoutSpinning)
{
    sim::FaultPlan faults;
    faults.hangUpAfterFrames = 86;
    startWith(faults, false);
    ASSERT_TRUE(linkOnline());
    ASSERT_TRUE(RunUntil([this] { return host->isHungUp(); }, 10000));
    const std::clock_t cpuBefore = std::clock();
    QElapsedTimer wall;
    wall.start();
    ASSERT_TRUE(RunUntil([this] { return !messages.shown.isEmpty(); }, 10000));
    const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_EQ(messages.shown.first().english, QStringLiteral("Off Line!"));
    EXPECT_LE(wall.elapsed(), 7000);
    // A port reporting its error in a tight loop would use a whole core meanwhile.
    EXPECT_LT(cpuSeconds, 0.5 * double(wall.elapsed()) / 1000.0);
    EXPECT_FALSE(controller->link().ComPort().isOpen());
}

TEST_F(ControllerEndToEnd, EditStormOverSevenHundredParametersLeavesTheProcessorEqualToTheStore)
{
    sim::FaultPlan faults;
    faults.answerDelayMs = 15;
    startWith(faults);
    ASSERT_TRUE(linkOnline());

    // 750 processor addresses, block after block; more than that wait behind a late answer.
    QList<ParamAddress> addresses;
    for (int block = 0; addresses.size() < 750; ++block)
        for (int slot = 0; slot < SlotCount[block] && addresses.size() < 750; ++slot)
            addresses << MakeAddress(block, slot);

    QRandomGenerator random(99);
    for (int edit = 0; edit < 4000; ++edit) {
        const int value = random.bounded(65536);
        // Every tenth edit (a parameter whose view and processor addresses coincide) waits for
        // its acknowledgement, so the ones behind it queue.
        if (edit % 10 == 0)
            controller->model().set(MakeAddress(0, 10 + edit % 75), value, Origin::Person, nullptr,
                                    true);
        else
            controller->model().setDevice(addresses[random.bounded(750)], value, Origin::Person);
        if (edit % 100 == 99)
            RunFor(10);
    }
    EXPECT_GT(session().queue().size(), 600);
    ASSERT_TRUE(RunUntil([this] { return session().queue().isEmpty(); }, 60000));
    RunFor(500);
    ASSERT_TRUE(session().isOnline());
    EXPECT_EQ(host->processor().badChecksumsReceived(), 0);
    EXPECT_TRUE(storeMatchesProcessor());
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Undo, redo and A/B switches reach the processor like edits: afterwards its whole memory is
// exactly the state the window shows.
TEST_F(ControllerEndToEnd, UndoRedoAndABSwitchesLeaveTheProcessorHoldingExactlyTheShownState)
{
    startWith({});
    ASSERT_TRUE(linkOnline());
    EditingWing& wing = controller->mainWindow().wing();
    ParameterModel& model = controller->model();
    const std::vector<int> loaded = processorMemory();

    const auto editSome = [&](int base) {
        for (const ParamAddress address : {MakeAddress(0, 12), MakeAddress(3, 30),
                                           MakeAddress(12, 25), MakeAddress(29, 1)})
            model.setDevice(address, base + BlockOf(address), Origin::Person);
        wing.history().flush();
    };
    editSome(100);
    ASSERT_TRUE(sent());
    const std::vector<int> edited = processorMemory();
    ASSERT_NE(edited, loaded);
    EXPECT_TRUE(storeMatchesProcessor());

    wing.undo();
    ASSERT_TRUE(sent());
    EXPECT_EQ(processorMemory(), loaded);
    wing.redo();
    ASSERT_TRUE(sent());
    EXPECT_EQ(processorMemory(), edited);

    wing.compareLetter(CompareSets::Letter::B);
    editSome(200);
    ASSERT_TRUE(sent());
    const std::vector<int> b = processorMemory();
    wing.compareLetter(CompareSets::Letter::A);
    ASSERT_TRUE(sent());
    EXPECT_EQ(processorMemory(), edited);
    wing.compareLetter(CompareSets::Letter::B);
    ASSERT_TRUE(sent());
    EXPECT_EQ(processorMemory(), b);
    EXPECT_TRUE(storeMatchesProcessor());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ControllerEndToEnd, LinkButtonEndsTheLinkAndStartsItAgain)
{
    startWith({});
    ASSERT_TRUE(linkOnline());
    session().LinkBtnClick();
    EXPECT_FALSE(session().isOnline());
    EXPECT_TRUE(RunUntil([this] { return !host->processor().isLinked(); }, 2000));
    EXPECT_EQ(session().statusText().english, QStringLiteral("Off Line"));
    EXPECT_TRUE(messages.shown.isEmpty()) << "unlinking shows no message";

    memory().setValue(4, 0, 77);
    session().LinkBtnClick();
    ASSERT_TRUE(linkOnline());
    EXPECT_EQ(controller->model().store.at(4, 0), 77);
}

// The processor's port goes away for three seconds and comes back at the same path, a
// symbolic link pointing at a new pseudo-terminal (as /dev/serial/by-id does at a USB adapter
// plugged in again): linked and loaded again without a click.
TEST_F(ControllerEndToEnd, PortBackAtTheSamePathAfterThreeSecondsIsLinkedAndLoadedAgainByItself)
{
    QTemporaryDir dir;
    auto pty = std::make_unique<sim::SimulatorHost>();
    pty->setLinkPath(dir.filePath(QStringLiteral("usb-processor")));
    startOn(std::move(pty));
    ASSERT_TRUE(linkOnline());
    // The settings' source and modified mark come first, the port and identity last.
    const QString title = controller->mainWindow().windowTitle();
    EXPECT_TRUE(title.startsWith(QStringLiteral("Mode "))) << title.toStdString();
    EXPECT_TRUE(title.endsWith(QStringLiteral("[*] — Audio Effect Contrller - %1 - 51A3160B")
                                   .arg(host->portPath())))
        << title.toStdString();

    host->hangUp();
    RunFor(3000);
    memory().setValue(4, 0, 77);
    ASSERT_TRUE(host->reopen());
    ASSERT_TRUE(RunUntil([this] { return loads == 2; }, 30000)) << "linked again by itself";
    EXPECT_TRUE(session().isOnline());
    EXPECT_EQ(controller->model().store.at(4, 0), 77);
    EXPECT_TRUE(storeMatchesProcessor());
    const int frames = host->processor().framesReceived();
    EXPECT_TRUE(RunUntil([&] { return host->processor().framesReceived() >= frames + 2; }, 6000))
        << "keep-alives go on";
    EXPECT_FALSE(toldOffline());
}

// Over TCP on the loopback: the far end closes the connection and accepts again three
// seconds later.
TEST_F(ControllerEndToEnd, NetworkProcessorThatClosesAndAcceptsAgainIsLinkedAndLoadedAgain)
{
    startOn(std::make_unique<sim::TcpSimulatorHost>());
    ASSERT_TRUE(linkOnline());
    EXPECT_TRUE(storeMatchesProcessor());
    const int online = host->processor().framesReceived();
    EXPECT_TRUE(RunUntil([&] { return host->processor().framesReceived() >= online + 2; }, 6000))
        << "keep-alives";

    host->hangUp();
    RunFor(3000);
    memory().setValue(5, 4, 61);
    ASSERT_TRUE(host->reopen());
    ASSERT_TRUE(RunUntil([this] { return loads == 2; }, 30000)) << "linked again by itself";
    EXPECT_EQ(controller->model().store.at(5, 4), 61);
    EXPECT_TRUE(storeMatchesProcessor());
    EXPECT_FALSE(toldOffline());
    EXPECT_TRUE(controller->mainWindow().windowTitle().contains(host->portPath()));
}

// processor-sim as its own process, with a noisy line: an edit survives an unlink and a
// fresh load, so it reached the simulator's memory.
TEST(ControllerWithProcessorSim, EditReachesTheProcessorAcrossANoisyLine)
{
    QProcess sim;
    sim.start(QStringLiteral(PROCESSOR_SIM_PATH),
              {QStringLiteral("--garbage"), QStringLiteral("0.3"),
               QStringLiteral("--corrupt-checksums"), QStringLiteral("0.2"),
               QStringLiteral("--seed"), QStringLiteral("5")});
    ASSERT_TRUE(sim.waitForStarted(5000));
    ASSERT_TRUE(RunUntil([&] { return sim.canReadLine(); }, 5000));
    const QString path = QString::fromLocal8Bit(sim.readLine()).trimmed();

    test::RecordingMessages messages;
    ControllerOptions options;
    options.ports = {path};
    Controller controller(options, &messages);
    LinkSession& session = controller.link().session();
    controller.start();
    ASSERT_TRUE(RunUntil([&] { return session.isOnline(); }, LinkTimeoutMs));

    controller.model().SetParameter(MakeAddress(5, 4), 61);
    controller.model().SetParameter(MakeAddress(0, 3), 9);
    RunFor(300);
    session.LinkBtnClick(); // unlink
    controller.model().store.at(5, 4) = 0;
    controller.model().store.at(0, 3) = 0;
    session.LinkBtnClick(); // and link again: a fresh load
    ASSERT_TRUE(RunUntil([&] { return session.isOnline(); }, LinkTimeoutMs));
    EXPECT_EQ(controller.model().store.at(5, 4), 61);
    EXPECT_EQ(controller.model().store.at(0, 3), 9);
    EXPECT_TRUE(messages.shown.isEmpty());

    sim.terminate();
    EXPECT_TRUE(sim.waitForFinished(5000));
}

} // namespace
} // namespace aec
