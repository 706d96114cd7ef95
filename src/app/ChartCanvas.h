#pragma once

#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "spectrum/ui/SpectrumDisplay.h"

#include <functional>

namespace aec {

// The response chart as the spectrum display draws on it.
class ChartCanvas : public SpectrumCanvas
{
public:
    ChartCanvas(ResponseChart& chart, CurveDrawer& curve, std::function<void()> redrawBlock)
        : m_chart(chart), m_curve(curve), m_redrawBlock(std::move(redrawBlock))
    {
    }

    QImage& image() override { return m_chart.image(); }
    const ChartMapper& mapper() const override { return m_chart.mapper(); }
    bool markerDragged() const override { return m_curve.MarkerDragActive; }
    void restoreBackground() override
    {
        m_chart.BuildChartBackground(ResponseChart::BackgroundMode::Restore);
    }
    void drawCurveAndPresent() override
    {
        m_chart.drawCurve(m_curve.CurvePoints(), m_curve.CurveColor);
        m_chart.present();
    }
    void redraw() override { m_redrawBlock(); }

private:
    ResponseChart& m_chart;
    CurveDrawer& m_curve;
    std::function<void()> m_redrawBlock;
};

} // namespace aec
