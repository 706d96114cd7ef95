// audio-effect-controller as a process: its command line, and SIGTERM closing it the way a
// person closes the window, so the processor is told that the controller leaves.
#include "sim/SimulatorHost.h"
#include "sim/TcpSimulatorHost.h"
#include "support/EventLoop.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace aec {
namespace {

using test::RunUntil;

QProcessEnvironment Offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

TEST(ControllerProgram, HelpExplainsEveryOption)
{
    QProcess program;
    program.setProcessEnvironment(Offscreen());
    program.start(QStringLiteral(CONTROLLER_PATH), {QStringLiteral("--help")});
    ASSERT_TRUE(program.waitForFinished(10000));
    const QString help = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_TRUE(help.contains(QStringLiteral("--port <PATH>"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("--demo")));
    EXPECT_TRUE(help.contains(QStringLiteral("tcp://HOST:PORT")));
    EXPECT_EQ(program.exitCode(), 0);
}

// Over a pseudo-terminal and over a TCP connection on the loopback alike.
void LoadKeepAliveAndUnlinkOnSigterm(sim::ProcessorHost& host)
{
    ASSERT_TRUE(host.start()) << host.errorString().toStdString();
    QProcess program;
    program.setProcessEnvironment(Offscreen());
    program.start(QStringLiteral(CONTROLLER_PATH), {QStringLiteral("--port"), host.portPath()});
    ASSERT_TRUE(program.waitForStarted(10000));

    // The link request, the 82 requests of a whole load and a first keep-alive: online.
    const auto& processor = host.processor();
    ASSERT_TRUE(RunUntil([&] { return processor.framesReceived() >= 84; }, 30000));
    ASSERT_TRUE(processor.isLinked());
    // Keep-alives, one a second.
    const int online = processor.framesReceived();
    ASSERT_TRUE(RunUntil([&] { return processor.framesReceived() >= online + 2; }, 5000));

    program.terminate();
    ASSERT_TRUE(RunUntil([&] { return program.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(RunUntil([&] { return !processor.isLinked(); }, 2000));
}

TEST(ControllerProgram, SigtermWhileOnlineUnlinksAndEndsCleanly)
{
    sim::SimulatorHost host;
    LoadKeepAliveAndUnlinkOnSigterm(host);
}

TEST(ControllerProgram, ProcessorOnTheNetworkLoadsKeepsAliveAndIsUnlinkedOnSigterm)
{
    sim::TcpSimulatorHost host;
    LoadKeepAliveAndUnlinkOnSigterm(host);
}

} // namespace
} // namespace aec
