#include "spectrum/ui/SpectrumDisplay.h"

#include "chart/ChartMapper.h"
#include "core/MessageService.h"
#include "spectrum/SpectrumBars.h"
#include "spectrum/platform/TAudio.h"
#include "widgets/ControlTags.h"
#include "widgets/OnOffBinding.h"
#include "widgets/PageKit.h"
#include "widgets/ParamWidgets.h"

#include <QGroupBox>
#include <QHBoxLayout>

#include <QPainter>

#include <cstring>

namespace aec {

const BilingualText SpectrumDisplay::NoDeviceText = {
    QStringLiteral("没检测到音频设备"), QStringLiteral("Audio device is not detected")};
const QColor SpectrumDisplay::BarColour(62, 62, 255);

SpectrumDisplay::SpectrumDisplay(SpectrumCanvas& canvas, MessageService* messages)
    : m_canvas(canvas), m_messages(messages)
{
    CaptureBuffer.reserve(Spectrum::SpectrumPoints);
}

SpectrumDisplay::~SpectrumDisplay() = default;

QWidget* SpectrumDisplay::BuildButtons(QWidget* parent)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QStringLiteral("RzGroupBox19"));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);
    auto* floor = PageKit::Button(group, QStringLiteral("PinDCFBtn"));
    auto* spectrum = PageKit::Button(group, QStringLiteral("PinPPBtn"));
    SetTag(floor, 0);
    SetTag(spectrum, 1);
    layout->addWidget(floor);
    layout->addWidget(spectrum);
    connect(spectrum, &QPushButton::clicked, this,
            [this, spectrum] { SpectrumButtonClick(spectrum); });
    connect(floor, &QPushButton::clicked, this, [this, floor] { FloorButtonClick(floor); });
    return group;
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
    if (SpectrumOn != 1 || m_canvas.markerDragged() || BufferSize == 0)
        return;
    // Qt delivers on this (the window's) thread, so the spectrum never reads a half copy.
    CaptureBuffer.resize(BufferSize);
    std::memcpy(CaptureBuffer.data(), LP, BufferSize);
}

namespace {

// A two-state button's new state after a click.
int Toggled(TwoStateButton* button)
{
    const bool on = Hint(button) != QLatin1String("1");
    OnOffBinding::ShowState(button, on, false);
    return on ? 1 : 0;
}

} // namespace

void SpectrumDisplay::SpectrumButtonClick(TwoStateButton* button)
{
    const int state = Toggled(button);
    if (AudioPresent == 0) {
        if (m_messages)
            m_messages->inform(NoDeviceText);
    } else if (state == 1) {
        SpectrumOn = 1;
        listen(true);
        return;
    }
    SpectrumOn = 0;
    listen(false);
    m_canvas.redraw();
}

void SpectrumDisplay::FloorButtonClick(TwoStateButton* button)
{
    FloorMode = Toggled(button);
}

void SpectrumDisplay::SpectrumTimerTick()
{
    if (m_canvas.markerDragged() || SpectrumOn != 1)
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
        m_canvas.restoreBackground();
    const std::vector<SpectrumBar> bars =
        SpectrumBars(m_canvas.mapper(), FloorMode, m_analysis.FftOutput());
    const int bottom = m_canvas.mapper().height();
    {
        QPainter p(&m_canvas.image());
        for (const SpectrumBar& bar : bars)
            p.fillRect(QRect(bar.left, bar.top, bar.width, bottom - bar.top), BarColour);
    }
    if (standalone)
        m_canvas.drawCurveAndPresent();
}

} // namespace aec
