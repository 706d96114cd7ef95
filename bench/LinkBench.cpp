// Throughput of the frame code: building the frames of a full download and receiving the
// answers of a full load, byte stream to parameter store.
#include "core/DevicePort.h"
#include "core/DiagnosticLog.h"
#include "core/ValueTable.h"
#include "link/FrameApplier.h"
#include "link/FrameReceiver.h"
#include "link/FrameSender.h"
#include "sim/SimulatedProcessor.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>

namespace {

class CountingPort : public aec::DevicePort
{
public:
    bool isOpen() const override { return true; }
    bool write(QByteArrayView bytes) override
    {
        written += bytes.size();
        return true;
    }
    qint64 written = 0;
};

void BM_BuildDownload(benchmark::State& state)
{
    aec::ParamStore store;
    CountingPort port;
    aec::FrameSender sender(port, store, [](std::chrono::milliseconds) {});
    for (auto _ : state) {
        for (int block = 0; block < aec::TransferBlockCount; ++block)
            sender.WriteBlock(block);
    }
    state.SetBytesProcessed(port.written);
}
BENCHMARK(BM_BuildDownload);

// The bytes a processor sends in answer to a whole load of blocks 0 to 29.
QByteArray LoadAnswers()
{
    aec::sim::SimulatedProcessor processor;
    QByteArray answers;
    QObject::connect(&processor, &aec::sim::SimulatedProcessor::transmitted,
                     [&](const QByteArray& bytes) { answers += bytes; });
    for (int block = 0; block < aec::TransferBlockCount; ++block)
        processor.receive(aec::FrameSender::BuildParameterFrame(0xB0, 0x1E10, block));
    return answers;
}

void BM_ReceiveLoad(benchmark::State& state)
{
    const QByteArray answers = LoadAnswers();
    aec::ParamStore store;
    aec::DeviceTexts texts;
    aec::LinkFlags flags;
    aec::DiagnosticLog log;
    aec::FrameApplier applier(store, texts, flags, log);
    aec::FrameReceiver receiver(flags, applier, log);
    const qsizetype chunk = state.range(0);
    for (auto _ : state) {
        for (qsizetype at = 0; at < answers.size(); at += chunk)
            receiver.receive(
                QByteArrayView(answers).sliced(at, std::min(chunk, answers.size() - at)));
    }
    state.SetBytesProcessed(state.iterations() * answers.size());
}
BENCHMARK(BM_ReceiveLoad)->Arg(1)->Arg(64)->Arg(4096);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
