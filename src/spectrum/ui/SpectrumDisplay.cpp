#include "spectrum/ui/SpectrumDisplay.h"

#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "core/MessageService.h"
#include "editing/ui/ControlHandlers.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/ParamWidgets.h"
#include "spectrum/SpectrumBars.h"
#include "spectrum/platform/TAudio.h"

#include <QPainter>

#include <cstring>

namespace aec {

const BilingualText SpectrumDisplay::NoDeviceText = {
    QStringLiteral("没检测到音频设备"), QStringLiteral("Audio device is not detected")};
const QColor SpectrumDisplay::BarColour(62, 62, 255);

SpectrumDisplay::SpectrumDisplay(EditorContext& context, ResponseChart& chart, CurveDrawer& curve)
    : m_ctx(context), m_chart(chart), m_curve(curve)
{
    CaptureBuffer.reserve(Spectrum::SpectrumPoints);
    m_curve.spectrumOverlay = [this] {
        if (SpectrumOn == 1)
            DrawSpectrum(false);
    };
    if (!m_ctx.window)
        return;
    if (auto* button = m_ctx.window->findChild<TwoStateButton*>(QStringLiteral("PinPPBtn")))
        QObject::connect(button, &QPushButton::clicked, button,
                         [this, button] { SpectrumButtonClick(button); });
    if (auto* button = m_ctx.window->findChild<TwoStateButton*>(QStringLiteral("PinDCFBtn")))
        QObject::connect(button, &QPushButton::clicked, button,
                         [this, button] { FloorButtonClick(button); });
}

SpectrumDisplay::~SpectrumDisplay()
{
    m_curve.spectrumOverlay = nullptr;
}

void SpectrumDisplay::StartCapture()
{
    m_audio = std::make_unique<TAudio>();
    m_audio->OnRecord = [this](TAudio&, const void* lp, const void*, quint16 size) {
        CaptureHandler(lp, size);
    };
    m_audio->Recorder().Triggered = false;
    // Nobody looks at the sound while the spectrum is off: the input rests until it is on,
    // which keeps the idle program's wake-ups down to its timers.
    m_audio->Recorder().setSuspended(SpectrumOn != 1);
    if (!m_audio->Recorder().StartRecording())
        AudioPresent = 0;
}

void SpectrumDisplay::listen(bool on)
{
    if (m_audio)
        m_audio->Recorder().setSuspended(!on);
}

void SpectrumDisplay::CaptureHandler(const void* LP, quint16 BufferSize)
{
    if (SpectrumOn != 1 || m_curve.MarkerDragActive || BufferSize == 0)
        return;
    // Qt delivers on this (the window's) thread, so the spectrum never reads a half copy.
    CaptureBuffer.resize(BufferSize);
    std::memcpy(CaptureBuffer.data(), LP, BufferSize);
}

void SpectrumDisplay::SpectrumButtonClick(TwoStateButton* button)
{
    const int state = ControlHandlers::Toggle(button);
    if (AudioPresent == 0) {
        if (m_ctx.messages)
            m_ctx.messages->inform(NoDeviceText);
    } else if (state == 1) {
        SpectrumOn = 1;
        listen(true);
        return;
    }
    SpectrumOn = 0;
    listen(false);
    m_ctx.DrawBlockCurve(AllBands, m_ctx.navigation.ChartBlock);
}

void SpectrumDisplay::FloorButtonClick(TwoStateButton* button)
{
    FloorMode = ControlHandlers::Toggle(button);
}

void SpectrumDisplay::SpectrumTimerTick()
{
    if (m_curve.MarkerDragActive || SpectrumOn != 1)
        return;
    switch (ticker.tick()) {
    case SpectrumTicker::Step::Compute:
        ComputeSpectrum();
        break;
    case SpectrumTicker::Step::Draw:
        DrawSpectrum(true);
        break;
    case SpectrumTicker::Step::None:
        break;
    }
}

void SpectrumDisplay::ComputeSpectrum()
{
    m_analysis.ComputeSpectrum(CaptureBuffer);
}

void SpectrumDisplay::DrawSpectrum(bool standalone)
{
    if (standalone)
        m_chart.BuildChartBackground(ResponseChart::BackgroundMode::Restore);
    const std::vector<SpectrumBar> bars =
        SpectrumBars(m_chart.mapper(), FloorMode, m_analysis.FftOutput());
    const int bottom = m_chart.mapper().height();
    {
        QPainter p(&m_chart.image());
        for (const SpectrumBar& bar : bars)
            p.fillRect(QRect(bar.left, bar.top, bar.width, bottom - bar.top), BarColour);
    }
    if (standalone) {
        m_chart.drawCurve(m_curve.CurvePoints(), m_curve.CurveColor);
        m_chart.present();
    }
}

} // namespace aec
