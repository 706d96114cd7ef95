// The spectrum on the main window's chart, offscreen and without a sound server: the two
// buttons, the capture handler, the tick schedule and the bars under the curve.
#include "spectrum/ui/SpectrumDisplay.h"
#include "app/TForm1.h"
#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/DeviceTexts.h"
#include "spectrum/platform/TAudio.h"
#include "support/RecordingMessages.h"
#include "widgets/ControlTags.h"
#include "widgets/ParamWidgets.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cmath>

namespace aec {
namespace {

// Points the sound system at a server that does not exist, before anything asks for it, so
// these tests see a machine without sound whatever runs them.
class NoSoundServer : public ::testing::Environment
{
public:
    void SetUp() override { qputenv("PULSE_SERVER", "unix:/nonexistent/aec-no-sound-server"); }
};
const ::testing::Environment* const noSoundServer =
    ::testing::AddGlobalTestEnvironment(new NoSoundServer);

QByteArray Sine(double hertz, double amplitude)
{
    QByteArray bytes(1024, 0);
    for (int n = 0; n < bytes.size(); ++n)
        bytes[n] = char(static_cast<unsigned char>(
            std::lround(128 + amplitude * std::sin(2 * 3.14159265358979 * hertz * n / 48000))));
    return bytes;
}

class SpectrumWindow : public ::testing::Test
{
protected:
    SpectrumWindow()
    {
        window.wing().resetAllEq();
        window.show();
        chart = &window.chart();
        chart->setFixedSize(883, 268);
        QApplication::processEvents();
        window.setMessages(&messages);
        window.wing().pages().FormMusTabBtnClick(Tab::Music);
        window.tick(); // whatever the page switch left to draw is drawn now
        spectrum = &window.spectrum();
        spectrumButton = window.findChild<TwoStateButton*>(QStringLiteral("PinPPBtn"));
        floorButton = window.findChild<TwoStateButton*>(QStringLiteral("PinDCFBtn"));
    }

    int barPixels() const
    {
        const QImage& image = chart->image();
        const QRgb bar = QColor(62, 62, 255).rgb();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == bar;
        return count;
    }
    QColor pixel(double frequency, int y) const
    {
        // The middle of the bar that covers the frequency's column.
        const int x = int(chart->mapper().FreqToX(frequency)) / 7 * 7 + 2;
        return chart->image().pixelColor(x, y);
    }
    void turnOn()
    {
        spectrum->AudioPresent = 1; // as if the sound input had started
        spectrumButton->click();
        ASSERT_EQ(spectrum->SpectrumOn, 1);
    }
    void capture(const QByteArray& bytes)
    {
        spectrum->CaptureHandler(bytes.constData(), static_cast<quint16>(bytes.size()));
    }
    void tick(int times)
    {
        for (int i = 0; i < times; ++i)
            window.tick();
    }

    ParameterModel model;
    DeviceTexts texts;
    Language language;
    TForm1 window{model, texts, language};
    test::RecordingMessages messages;
    ResponseChart* chart = nullptr;
    SpectrumDisplay* spectrum = nullptr;
    TwoStateButton* spectrumButton = nullptr;
    TwoStateButton* floorButton = nullptr;
};

TEST_F(SpectrumWindow, WithoutASoundInputEveryPressShowsTheMessageAndTheButtonStillAlternates)
{
    ASSERT_NE(spectrum, nullptr);
    EXPECT_EQ(spectrum->AudioPresent, 0);
    EXPECT_TRUE(spectrum->audio()->lastError().startsWith(
        QStringLiteral("Could not open the input device for recording: ")))
        << spectrum->audio()->lastError().toStdString();

    const BilingualText notDetected{QStringLiteral("没检测到音频设备"),
                                    QStringLiteral("Audio device is not detected")};
    spectrumButton->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0], notDetected);
    EXPECT_EQ(spectrum->SpectrumOn, 0);
    EXPECT_EQ(Hint(spectrumButton), QStringLiteral("1"));
    EXPECT_EQ(spectrumButton->look(), QStringLiteral("pressed"));

    spectrumButton->click();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[1], notDetected);
    EXPECT_EQ(Hint(spectrumButton), QStringLiteral("0"));
    EXPECT_EQ(spectrumButton->look(), QStringLiteral("greyed"));

    tick(30);
    EXPECT_EQ(barPixels(), 0);
}

TEST_F(SpectrumWindow, WithoutAMessageServiceThePressIsQuiet)
{
    window.setMessages(nullptr);
    spectrumButton->click();
    EXPECT_EQ(spectrum->SpectrumOn, 0);
    EXPECT_EQ(Hint(spectrumButton), QStringLiteral("1"));
}

TEST_F(SpectrumWindow, TransformsOnTheFifthTickAndDrawsOnTheEleventh)
{
    turnOn();
    capture(Sine(1000, 127));
    spectrum->ticker.SpectrumTick = 0;
    tick(4);
    EXPECT_EQ(std::abs(spectrum->analysis().FftOutput()[43]), 0.0f);
    tick(1);
    EXPECT_GT(std::abs(spectrum->analysis().FftOutput()[43]), 300.0f);
    tick(5);
    EXPECT_EQ(barPixels(), 0);
    tick(1);
    EXPECT_GT(barPixels(), 0);
    EXPECT_EQ(pixel(1000, 10), QColor(62, 62, 255)); // the loud bar reaches near the top
    EXPECT_NE(pixel(100, 10), QColor(62, 62, 255));
    EXPECT_EQ(spectrum->ticker.SpectrumTick, 0);
}

TEST_F(SpectrumWindow, SwitchingOffRedrawsTheChartWithoutBars)
{
    turnOn();
    capture(Sine(1000, 127));
    spectrum->ComputeSpectrum();
    spectrum->DrawSpectrum(true);
    ASSERT_GT(barPixels(), 0);
    spectrumButton->click();
    EXPECT_EQ(spectrum->SpectrumOn, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(barPixels(), 0);
    tick(30);
    EXPECT_EQ(barPixels(), 0);
}

TEST_F(SpectrumWindow, CaptureKeepsTheNewestBufferOnlyWhileOnAndUndragged)
{
    const QByteArray first = Sine(1000, 100), second = Sine(3000, 50);
    capture(first);
    EXPECT_TRUE(spectrum->CaptureBuffer.isEmpty()) << "kept while off";

    turnOn();
    capture(first);
    EXPECT_EQ(spectrum->CaptureBuffer, first);

    window.curve().MarkerDragActive = true;
    capture(second);
    EXPECT_EQ(spectrum->CaptureBuffer, first) << "a drag freezes the buffer";
    const int ticks = spectrum->ticker.SpectrumTick;
    tick(3);
    EXPECT_EQ(spectrum->ticker.SpectrumTick, ticks) << "and the spectrum's ticks";
    window.curve().MarkerDragActive = false;

    spectrum->CaptureHandler(second.constData(), 0);
    EXPECT_EQ(spectrum->CaptureBuffer, first) << "an empty buffer is ignored";
    spectrum->CaptureHandler(second.constData(), 512);
    EXPECT_EQ(spectrum->CaptureBuffer, second.left(512));
}

TEST_F(SpectrumWindow, CurveRedrawDrawsTheBarsUnderTheCurve)
{
    turnOn();
    capture(Sine(1000, 127));
    spectrum->ComputeSpectrum();
    window.DrawBlockCurve(AllBands, 0);
    ASSERT_GT(barPixels(), 0);
    // The flat curve lies on 0 dB, over the tall bar at 1 kHz.
    const int curveY = int(std::lround(chart->mapper().DbToY(0)));
    const QColor onCurve = pixel(1000, curveY);
    EXPECT_GT(onCurve.red(), 200) << onCurve.name().toStdString();
    EXPECT_LT(onCurve.blue(), 150) << onCurve.name().toStdString();
    EXPECT_EQ(pixel(1000, curveY + 20), QColor(62, 62, 255));
}

TEST_F(SpectrumWindow, FloorButtonTogglesTheFloorAndQuietBinsRiseOnTheLowerOne)
{
    floorButton->click();
    EXPECT_EQ(spectrum->FloorMode, 1);
    EXPECT_EQ(Hint(floorButton), QStringLiteral("1"));
    EXPECT_EQ(floorButton->look(), QStringLiteral("pressed"));

    turnOn();
    capture(Sine(1000, 2)); // two steps of the 8-bit scale: a quiet sound
    spectrum->ComputeSpectrum();
    spectrum->DrawSpectrum(true);
    const int lowFloor = barPixels();
    floorButton->click();
    EXPECT_EQ(spectrum->FloorMode, 0);
    spectrum->DrawSpectrum(true);
    EXPECT_GT(lowFloor, barPixels());
}

TEST_F(SpectrumWindow, SpectrumBeforeTheFirstBufferDrawsSilence)
{
    turnOn();
    ASSERT_TRUE(spectrum->CaptureBuffer.isEmpty());
    tick(11);
    // Silence sits on the floor, two rows above the bottom, in the unshaped bars.
    EXPECT_EQ(pixel(1000, 265), QColor(238, 238, 238));
    EXPECT_EQ(pixel(1000, 266), QColor(62, 62, 255));
}

TEST_F(SpectrumWindow, ChartNarrowerThanTheBarCountStillDraws)
{
    chart->setFixedSize(100, 150);
    QApplication::processEvents();
    ASSERT_EQ(chart->image().width(), 100);
    turnOn();
    capture(Sine(1000, 127));
    spectrum->ComputeSpectrum();
    spectrum->DrawSpectrum(true);
    EXPECT_GT(barPixels(), 0);
}

} // namespace
} // namespace aec
