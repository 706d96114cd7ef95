#pragma once

#include "core/BilingualText.h"
#include "spectrum/SpectrumAnalysis.h"
#include "spectrum/SpectrumTicker.h"

#include <QByteArray>
#include <QColor>

#include <memory>

namespace aec {

class CurveDrawer;
class ResponseChart;
class TAudio;
class TwoStateButton;
struct EditorContext;

// The bar spectrum of the PC's sound input behind the EQ curve: keeps the newest captured
// buffer, transforms and draws it on the main window's tick while the spectrum button is on,
// and answers the spectrum and floor buttons above the chart.
class SpectrumDisplay
{
public:
    static const BilingualText NoDeviceText;
    static const QColor BarColour;

    // Connects the window's PinPPBtn and PinDCFBtn when it has them.
    SpectrumDisplay(EditorContext& context, ResponseChart& chart, CurveDrawer& curve);
    ~SpectrumDisplay();

    // Creates the audio component and starts recording; when that fails, AudioPresent
    // becomes 0 and the program carries on without sound.
    void StartCapture();
    // OnRecord: the newest buffer, kept while the spectrum is on and no drag runs.
    void CaptureHandler(const void* LP, quint16 BufferSize);

    void SpectrumButtonClick(TwoStateButton* button);
    void FloorButtonClick(TwoStateButton* button);
    // The spectrum's share of the 10 ms tick (the chart interaction's comes first).
    void SpectrumTimerTick();
    void ComputeSpectrum();
    // The bars on the chart image. Standalone (from the tick) restores the background first
    // and lays the last drawn curve over the bars after.
    void DrawSpectrum(bool standalone);

    const SpectrumAnalysis& analysis() const { return m_analysis; }
    TAudio* audio() const { return m_audio.get(); }

    QByteArray CaptureBuffer;
    int AudioPresent = 1;
    int SpectrumOn = 0;
    int FloorMode = 0;
    SpectrumTicker ticker;

private:
    void listen(bool on);

    EditorContext& m_ctx;
    ResponseChart& m_chart;
    CurveDrawer& m_curve;
    SpectrumAnalysis m_analysis;
    std::unique_ptr<TAudio> m_audio;
};

} // namespace aec
