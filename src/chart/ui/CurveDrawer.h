#pragma once

#include "chart/BandTable.h"

#include <QColor>
#include <QPoint>

#include <array>
#include <functional>

namespace aec {

class ResponseChart;
struct EditorContext;

// Draws the block on display: gathers its bands and filters, evaluates each one's response,
// places their markers and the info label of the selected band, and draws the summed
// response as one smooth curve over the chart's background.
class CurveDrawer
{
public:
    CurveDrawer(EditorContext& context, ResponseChart& chart);

    // selector: a band index 0 to 21, or AllBands for the whole block.
    void DrawBlockCurve(int selector, int block);

    const BandTable& bandTable() const { return m_table; }
    const std::array<QPoint, ChartAxis::Columns>& CurvePoints() const { return m_points; }

    QColor CurveColor = Qt::transparent; // set when a page tab is chosen
    bool MarkerDragActive = false;       // a marker is being dragged: it stays where it is
    // Draws the spectrum under the curve, when the spectrum display is on.
    std::function<void()> spectrumOverlay;

private:
    void placeMarker(int entry, int markerIndex);
    void showInfoLabel(int entry);

    EditorContext& m_ctx;
    ResponseChart& m_chart;
    BandTable m_table;
    std::array<QPoint, ChartAxis::Columns> m_points{};
};

} // namespace aec
