#pragma once

#include "core/BilingualText.h"
#include "spectrum/SpectrumAnalysis.h"
#include "spectrum/SpectrumTicker.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QObject>

#include <memory>

namespace aec {

class ChartMapper;
class MessageService;
class TAudio;
class TwoStateButton;

// Where the spectrum draws: the chart's image with its mapper, and the chart's own steps the
// spectrum needs (its background, its curve, whether a marker is dragged).
class SpectrumCanvas
{
public:
    virtual ~SpectrumCanvas() = default;
    virtual QImage& image() = 0;
    virtual const ChartMapper& mapper() const = 0;
    virtual bool markerDragged() const = 0;
    // The grid without bars or curve.
    virtual void restoreBackground() = 0;
    // The curve last drawn, over what the image holds, and the image on the screen.
    virtual void drawCurveAndPresent() = 0;
    // The whole block's curve again (the spectrum was switched off).
    virtual void redraw() = 0;
};

// The bar spectrum of the PC's sound input behind the EQ curve: keeps the newest captured
// buffer, transforms and draws it on the main window's tick while the spectrum button is on,
// and answers the spectrum and floor buttons above the chart.
class SpectrumDisplay : public QObject
{
    Q_OBJECT
public:
    static const BilingualText NoDeviceText;
    static const QColor BarColour;

    SpectrumDisplay(SpectrumCanvas& canvas, MessageService* messages = nullptr);
    ~SpectrumDisplay();

    // The floor and spectrum buttons (PinDCFBtn, PinPPBtn) above the chart, connected.
    QWidget* BuildButtons(QWidget* parent);
    void setMessages(MessageService* messages) { m_messages = messages; }

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
    // and lays the last drawn curve over the bars after; otherwise the chart is drawing its
    // curve and asks for the bars under it.
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

    SpectrumCanvas& m_canvas;
    MessageService* m_messages;
    SpectrumAnalysis m_analysis;
    std::unique_ptr<TAudio> m_audio;
};

} // namespace aec
