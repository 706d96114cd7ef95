// Capture from a real sound input: a private PulseAudio server whose default input hears a
// 1 kHz sine. Skipped where the pulseaudio program is not installed or does not start.
#include "app/TForm1.h"
#include "chart/ui/ResponseChart.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/DeviceTexts.h"
#include "spectrum/SpectrumAnalysis.h"
#include "spectrum/platform/TAudio.h"
#include "spectrum/ui/SpectrumDisplay.h"
#include "support/EventLoop.h"
#include "widgets/ParamWidgets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <memory>

namespace aec {
namespace {

// Waits are bounded so a sound server that misbehaves fails or skips the test, never hangs it.
constexpr int StartTimeoutMs = 10000;
constexpr int DeliveryTimeoutMs = 10000;

// A PulseAudio daemon of this test's own, with a null sink, a sine source played into it and
// the sink's monitor, in mono, as the first (default) input. The socket module comes last,
// so once the socket exists the inputs do too.
int Swing(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return 0;
    const auto* first = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto [low, high] = std::minmax_element(first, first + bytes.size());
    return int(*high) - int(*low);
}

// The sine fills the whole buffer: the loopback of the test server starts, and starts again
// after the input has rested, with a little silence.
bool SineThroughout(const QByteArray& bytes)
{
    if (bytes.size() < 1024)
        return false;
    for (int quarter = 0; quarter < 4; ++quarter)
        if (Swing(bytes.mid(quarter * 256, 256)) < 40)
            return false;
    return true;
}

class PrivateSoundServer
{
public:
    bool start(QString& why)
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty()) {
            why = QStringLiteral("pulseaudio is not installed");
            return false;
        }
        if (!m_dir.isValid()) {
            why = QStringLiteral("no temporary folder");
            return false;
        }
        const QString socket = m_dir.filePath(QStringLiteral("native"));
        m_process.setProgram(program);
        m_process.setArguments(
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
             QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
             QStringLiteral("--log-target=file:") + m_dir.filePath(QStringLiteral("log")),
             QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=nullsink rate=48000"),
             QStringLiteral("-L"),
             QStringLiteral("module-remap-source master=nullsink.monitor source_name=loopsrc "
                            "channels=1"),
             QStringLiteral("-L"),
             QStringLiteral("module-sine-source source_name=sine rate=48000 frequency=1000"),
             QStringLiteral("-L"),
             QStringLiteral("module-loopback source=sine sink=nullsink latency_msec=20 "
                            "source_dont_move=true sink_dont_move=true"),
             QStringLiteral("-L"),
             QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket)});
        m_process.setStandardInputFile(QProcess::nullDevice());
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start();
        if (!m_process.waitForStarted(StartTimeoutMs)) {
            why = QStringLiteral("pulseaudio did not start: ") + m_process.errorString();
            return false;
        }
        const bool ready = test::RunUntil(
            [&] { return QFileInfo::exists(socket) || m_process.state() == QProcess::NotRunning; },
            StartTimeoutMs);
        if (!ready || m_process.state() == QProcess::NotRunning) {
            why = QStringLiteral("pulseaudio did not open its socket");
            return false;
        }
        qputenv("PULSE_SERVER", QByteArray("unix:") + QFile::encodeName(socket));
        return true;
    }

    ~PrivateSoundServer()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
};

class SoundCapture : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        server = new PrivateSoundServer;
        if (!server->start(why)) {
            delete server;
            server = nullptr;
        }
    }
    static void TearDownTestSuite()
    {
        delete server;
        server = nullptr;
    }
    void SetUp() override
    {
        if (!server)
            GTEST_SKIP() << why.toStdString();
    }

    static PrivateSoundServer* server;
    static QString why;
};
PrivateSoundServer* SoundCapture::server = nullptr;
QString SoundCapture::why;

TEST_F(SoundCapture, RecorderDeliversWholeBuffersOfTheSineFromTheDefaultInput)
{
    TAudio audio;
    EXPECT_EQ(audio.AudioDeviceID(), -1);
    EXPECT_EQ(audio.Recorder().bufferBytes(), 1024);
    QList<QByteArray> buffers;
    int rightChannels = 0;
    audio.OnRecord = [&](TAudio& sender, const void* lp, const void* rp, quint16 size) {
        EXPECT_EQ(&sender, &audio);
        rightChannels += rp != nullptr;
        buffers.append(QByteArray(static_cast<const char*>(lp), size));
    };
    ASSERT_TRUE(audio.Recorder().StartRecording()) << audio.lastError().toStdString();
    EXPECT_TRUE(audio.Recorder().isRecording());
    ASSERT_TRUE(test::RunUntil(
        [&] { return buffers.size() >= 3 && SineThroughout(buffers.back()); }, DeliveryTimeoutMs))
        << "the sine is not heard";
    audio.Recorder().StopRecording();
    EXPECT_FALSE(audio.Recorder().isRecording());
    EXPECT_TRUE(audio.Recorder().Triggered);
    EXPECT_EQ(rightChannels, 0);

    const QByteArray& last = buffers.back();
    for (const QByteArray& b : buffers)
        EXPECT_EQ(b.size(), 1024);

    // 1000 Hz is bin 42.7: the spectrum peaks at bin 43.
    SpectrumAnalysis analysis;
    analysis.ComputeSpectrum(last);
    const std::vector<FftComplex>& out = analysis.FftOutput();
    const auto peak = std::max_element(out.begin(), out.begin() + 1024,
                                       [](auto a, auto b) { return std::abs(a) < std::abs(b); });
    EXPECT_EQ(peak - out.begin(), 43);
}

TEST_F(SoundCapture, SuspendedInputDeliversNothingUntilResumed)
{
    TAudio audio;
    int delivered = 0;
    audio.OnRecord = [&](TAudio&, const void*, const void*, quint16) { ++delivered; };
    audio.Recorder().setSuspended(true);
    ASSERT_TRUE(audio.Recorder().StartRecording()) << audio.lastError().toStdString();
    // A fresh input rests once its first data has come.
    ASSERT_TRUE(test::RunUntil([&] { return audio.Recorder().state() == QAudio::SuspendedState; },
                               DeliveryTimeoutMs));
    test::RunFor(50); // what Qt read before resting
    const int beforeRest = delivered;
    test::RunFor(300);
    EXPECT_EQ(delivered, beforeRest);
    EXPECT_TRUE(audio.Recorder().isRecording());

    audio.Recorder().setSuspended(false);
    EXPECT_TRUE(test::RunUntil([&] { return delivered >= beforeRest + 3; }, DeliveryTimeoutMs));
}

TEST_F(SoundCapture, RecordingToAFileLeavesAWavFileWithBothSizesWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("take.wav"));
    TAudio audio;
    int delivered = 0;
    audio.OnRecord = [&](TAudio&, const void*, const void*, quint16) { ++delivered; };
    ASSERT_TRUE(audio.Recorder().RecordToFile(path)) << audio.lastError().toStdString();
    ASSERT_TRUE(audio.Recorder().StartRecording()) << audio.lastError().toStdString();
    ASSERT_TRUE(test::RunUntil([&] { return delivered >= 2; }, DeliveryTimeoutMs));
    audio.Recorder().StopRecording();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 44 + 2 * 1024);
    EXPECT_EQ((bytes.size() - 44) % 1024, 0) << "whole buffers only";
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 4), quint32(bytes.size() - 8));
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 40), quint32(bytes.size() - 44));
    EXPECT_EQ(qFromLittleEndian<quint32>(bytes.constData() + 24), 48000u);
}

TEST_F(SoundCapture, SpectrumButtonDrawsTheSineAsATallBarAtOneKilohertz)
{
    ParameterModel model;
    DeviceTexts texts;
    Language language;
    TForm1 window(model, texts, language);
    window.wing().resetAllEq();
    window.show();
    auto* chart = window.findChild<ResponseChart*>();
    chart->setFixedSize(883, 268);
    window.wing().pages().FormMusTabBtnClick(Tab::Music);
    SpectrumDisplay* spectrum = &window.spectrum();
    ASSERT_EQ(spectrum->AudioPresent, 1) << spectrum->audio()->lastError().toStdString();
    EXPECT_TRUE(spectrum->audio()->Recorder().isSuspended()) << "rests while the spectrum is off";

    window.findChild<TwoStateButton*>(QStringLiteral("PinPPBtn"))->click();
    ASSERT_EQ(spectrum->SpectrumOn, 1);
    EXPECT_FALSE(spectrum->audio()->Recorder().isSuspended());
    ASSERT_TRUE(
        test::RunUntil([&] { return SineThroughout(spectrum->CaptureBuffer); }, DeliveryTimeoutMs));
    EXPECT_EQ(spectrum->CaptureBuffer.size(), 1024);
    spectrum->ComputeSpectrum();
    spectrum->DrawSpectrum(true);

    // The first bar row of the bar that covers a frequency's column.
    const QImage& image = chart->image();
    const auto barTop = [&](double frequency) {
        const int x = int(chart->mapper().FreqToX(frequency)) / 7 * 7 + 2;
        int top = 0;
        while (top < image.height() && image.pixel(x, top) != QColor(62, 62, 255).rgb())
            ++top;
        return top;
    };
    // The sine reaches the top (its neighbours may too); away from it the bars stay low.
    EXPECT_LE(barTop(1000), 3);
    EXPECT_GT(barTop(200), barTop(1000) + 100);
    EXPECT_GT(barTop(5000), barTop(1000) + 100);
}

} // namespace
} // namespace aec
