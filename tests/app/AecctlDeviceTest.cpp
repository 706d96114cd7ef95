// aecctl against a simulated processor: apply and dump over a pseudo-terminal or a TCP port,
// with the processor in this process (so its memory can be read) or as the processor-sim
// program.
#include "core/BlockLayout.h"
#include "sim/SimulatorHost.h"
#include "support/AecctlRun.h"
#include "support/EventLoop.h"
#include "system/PresetFormat.h"
#include "system/PresetJson.h"
#include "system/PresetPages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>

#include <algorithm>
#include <random>

namespace aec {
namespace {

using test::RunUntil;

// A whole apply (link, load, download, read-back) takes about twenty seconds of the
// processor's own pace; the limits leave room for a slow, busy machine.
constexpr int JobLimitMs = 100000;

using Result = test::AecctlResult;

// Runs aecctl while this process's event loop keeps a simulated processor answering.
Result Aecctl(const QStringList& arguments)
{
    return test::RunAecctl(arguments, JobLimitMs);
}

class AecctlDevice : public ::testing::Test
{
protected:
    QString write(const char* name, const QByteArray& content) const
    {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }
    QByteArray contents(const char* name) const
    {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir;
};

TEST_F(AecctlDevice, ApplyLeavesTheProcessorHoldingExactlyTheFile)
{
    sim::SimulatorHost host;
    ASSERT_TRUE(host.start());
    ParamStore preset;
    std::mt19937 random(9);
    for (int block = 0; block <= 24; ++block)
        for (int slot = 0; slot <= SlotCount[block]; ++slot)
            preset.at(block, slot) = int(random() % 65536);
    preset.at(30, 20) = 2;
    const std::uint16_t hiddenBefore = host.processor().memory().value(25, 3);

    const Result applied = Aecctl(
        {"apply", write("room.Nddt", PresetFormat::Encode(preset)), "--port", host.portPath()});
    ASSERT_EQ(applied.exit, 0) << applied.out.toStdString() << applied.err.toStdString();
    EXPECT_TRUE(applied.out.contains(
        "(1854 values compared; 25 values the processor does not keep, not sent)"))
        << applied.out.toStdString();
    const sim::ProcessorMemory& memory = host.processor().memory();
    for (int block = 0; block <= 24; ++block)
        for (int slot = 0; slot < SlotCount[block]; ++slot)
            ASSERT_EQ(memory.value(block, slot), preset.at(block, slot)) << block << ":" << slot;
    EXPECT_EQ(memory.value(30, 20), 2);
    EXPECT_EQ(memory.value(25, 3), hiddenBefore) << "what a preset does not carry stays";
    EXPECT_TRUE(RunUntil([&] { return !host.processor().isLinked(); }, 5000)) << "unlinked";
}

TEST_F(AecctlDevice, DumpOfAKnownProcessorGivesTheExpectedFile)
{
    sim::SimulatorHost host;
    ASSERT_TRUE(host.start());
    sim::ProcessorMemory& memory = host.processor().memory();
    ParamStore expected;
    for (int block = 0; block < 30; ++block)
        for (int slot = 0; slot < SlotCount[block]; ++slot) {
            const int value = (block * 7 + slot * 13) % 181;
            memory.setValue(block, slot, static_cast<std::uint16_t>(value));
            if (block <= 24)
                expected.at(block, slot) = value; // the slot after the last stays 0
        }
    memory.setValue(3, 27, 130); // microphone B, EQ band 3, gain
    expected.at(3, 27) = 130;
    memory.setValue(30, 20, 1);
    expected.at(30, 20) = 1;

    const Result dumped = Aecctl({"dump", "--port", host.portPath(), "-o", dir.filePath("b.json")});
    ASSERT_EQ(dumped.exit, 0) << dumped.err.toStdString();
    EXPECT_TRUE(dumped.out.contains("(1879 parameters)")) << dumped.out.toStdString();
    const QByteArray json = contents("b.json");
    EXPECT_TRUE(json.contains(R"({"name": "micB.eq.3.gain", "value": 130, "text": "2.0dB"})"));
    EXPECT_TRUE(json.contains(R"({"name": "system.music.input", "value": 1, "text": "IN1"})"));
    ASSERT_EQ(Aecctl({"convert", dir.filePath("b.json"), dir.filePath("b.Nddt")}).exit, 0);
    EXPECT_EQ(contents("b.Nddt"), PresetFormat::Encode(expected));
    EXPECT_FALSE(host.processor().isLinked());
}

TEST_F(AecctlDevice, ApplyToAProcessorThatDropsWritesListsWhatDiffers)
{
    QProcess simulator;
    simulator.start(QStringLiteral(PROCESSOR_SIM_PATH), {"--ignore-writes", "3"});
    ASSERT_TRUE(RunUntil([&] { return simulator.canReadLine(); }, 10000));
    const QString port = QString::fromUtf8(simulator.readLine()).trimmed();

    const Result applied = Aecctl({"apply", TEST_DATA_DIR "/presets/room-a.json", "--port", port});
    simulator.terminate();
    simulator.waitForFinished(5000);
    EXPECT_EQ(applied.exit, 1) << applied.err.toStdString();
    EXPECT_TRUE(applied.out.contains("differs from")) << applied.out.toStdString();
    EXPECT_TRUE(applied.out.contains("\nmicB.eq.3.type: LSEQ -> PEQ\n"))
        << applied.out.toStdString();
    EXPECT_TRUE(applied.out.contains("\nmicB.eq.3.shelf-q: 1.60 -> "));
    EXPECT_FALSE(applied.out.contains("music.eq.5")) << "the other blocks took their values";
}

// processor-sim on a TCP port of the loopback, as a processor behind a serial-to-network
// server: a preset applied over the network is what a dump over the network reads back.
TEST_F(AecctlDevice, ApplyAndDumpReachProcessorSimOnTheNetwork)
{
    QProcess simulator;
    simulator.start(QStringLiteral(PROCESSOR_SIM_PATH), {"--tcp", "0"});
    ASSERT_TRUE(RunUntil([&] { return simulator.canReadLine(); }, 10000));
    const QString port = QString::fromUtf8(simulator.readLine()).trimmed();
    ASSERT_TRUE(port.startsWith("tcp://127.0.0.1:")) << port.toStdString();

    const QString preset = TEST_DATA_DIR "/presets/room-a.json";
    const Result applied = Aecctl({"apply", preset, "--port", port});
    EXPECT_EQ(applied.exit, 0) << applied.out.toStdString() << applied.err.toStdString();
    EXPECT_TRUE(applied.out.contains("the processor holds")) << applied.out.toStdString();

    const Result dumped = Aecctl({"dump", "--port", port, "-o", dir.filePath("net.json")});
    simulator.terminate();
    simulator.waitForFinished(5000);
    ASSERT_EQ(dumped.exit, 0) << dumped.err.toStdString();
    QFile sent(preset);
    ASSERT_TRUE(sent.open(QIODevice::ReadOnly));
    const PresetJson::DecodeResult wanted = PresetJson::Decode(sent.readAll());
    const PresetJson::DecodeResult read = PresetJson::Decode(contents("net.json"));
    ASSERT_TRUE(wanted.ok && read.ok) << read.detail.toStdString();
    EXPECT_GT(read.values.size(), wanted.values.size()) << "the whole processor, not the file";
    for (const DeviceValue& v : wanted.values) {
        const auto found =
            std::find_if(read.values.begin(), read.values.end(),
                         [&](const DeviceValue& r) { return r.address == v.address; });
        ASSERT_NE(found, read.values.end()) << ParameterKey(v.address).toStdString();
        EXPECT_EQ(found->value, v.value) << ParameterKey(v.address).toStdString();
    }
}

TEST_F(AecctlDevice, NoProcessorOrNoPortEndsWithACleanError)
{
    sim::FaultPlan silent;
    silent.stopAfterFrames = 0;
    sim::SimulatorHost host(silent);
    ASSERT_TRUE(host.start());
    const QString preset = TEST_DATA_DIR "/presets/two-values.json";
    const Result unanswered = Aecctl({"apply", preset, "--port", host.portPath()});
    EXPECT_EQ(unanswered.exit, 1);
    EXPECT_TRUE(unanswered.err.contains("no processor answered on " + host.portPath()))
        << unanswered.err.toStdString();

    const Result missing =
        Aecctl({"dump", "--port", dir.filePath("ttyNothing"), "-o", dir.filePath("x.json")});
    EXPECT_EQ(missing.exit, 1);
    EXPECT_TRUE(missing.err.contains("cannot open " + dir.filePath("ttyNothing") + ": No such"))
        << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.json")));

    // A network port nobody listens on: the refused connection, named as such.
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString refusing = QStringLiteral("tcp://127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    const Result refused = Aecctl({"dump", "--port", refusing, "-o", dir.filePath("x.json")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.contains("cannot open " + refusing)) << refused.err.toStdString();
    EXPECT_FALSE(refused.err.contains("QNativeSocketEngine")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("x.json")));

    // Values a processor cannot hold are refused before anything is sent.
    const Result wide =
        Aecctl({"apply", write("wide.json", R"({"format": "aec-preset", "version": 1,
        "pages": [{"parameters": [{"name": "music.pitch", "value": 70000}]}]})"),
                "--port", host.portPath()});
    EXPECT_EQ(wide.exit, 1);
    EXPECT_TRUE(wide.err.contains("music.pitch")) << wide.err.toStdString();
}

} // namespace
} // namespace aec
