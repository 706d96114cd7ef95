#include "chart/ui/CurveDrawer.h"

#include "chart/BandEditor.h"
#include "chart/ui/ResponseChart.h"
#include "core/ParameterModel.h"
#include "core/Scales.h"
#include "editing/BandLocation.h"

namespace aec {
namespace {
constexpr int NotDrawnFrom = 28; // blocks 28 and above have no curve
}

CurveDrawer::CurveDrawer(const ParameterModel& model, ResponseChart& chart,
                         const BandEditor& editor)
    : m_model(model), m_chart(chart), m_editor(editor)
{
    connect(&model, &ParameterModel::changed, this, &CurveDrawer::changed);
}

// An edit of a band or filter of the block shown redraws it and shows its values.
void CurveDrawer::changed(const ParamChange& change)
{
    const int block = BlockOf(change.view);
    if (!change.shown || block != m_editor.chartBlock())
        return;
    const BandLocation location = LocateBand(change.view);
    if (location.inBand())
        DrawBlockCurve(location.band, block);
}

void CurveDrawer::showBand(int band, int block)
{
    if (band != m_shownBand)
        DrawBlockCurve(band, block);
}

void CurveDrawer::placeMarker(int entry, int markerIndex)
{
    const BandEntry& e = m_table.entries[static_cast<std::size_t>(entry)];
    ChartMarker* marker = m_chart.marker(markerIndex);
    const int s = marker->height() / 2;
    const ChartMapper& m = m_chart.mapper();
    marker->move(Nearest(m.FreqToX(e.frequency) - s), Nearest(m.DbToY(e.gain) - s));
}

void CurveDrawer::showInfoLabel(int entry)
{
    BandEntry& e = m_table.entries[static_cast<std::size_t>(entry)];
    QLabel* label = m_chart.EQlabel();
    ChartMarker* marker = nullptr;
    if (e.shape.shape == FilterShape::HighPass) {
        label->setText(QStringLiteral("HPF:") + FormatNumber(e.frequency, 2) +
                       QStringLiteral("Hz"));
        marker = m_chart.marker(HighPassEntry);
    } else if (e.shape.shape == FilterShape::LowPass) {
        label->setText(QStringLiteral("LPF:") + FormatNumber(e.frequency, 2) +
                       QStringLiteral("Hz"));
        marker = m_chart.marker(LowPassEntry);
    } else {
        label->setText(FormatNumber(e.gain, 1) + QStringLiteral("dB\nQ:") + FormatNumber(e.q, 2) +
                       QLatin1Char('\n') + FormatNumber(e.frequency, 2) + QStringLiteral("Hz"));
        marker = m_chart.marker(entry);
    }
    label->adjustSize();
    label->show();
    label->raise();
    const int left = marker->x() - label->width() / 2 + marker->width() / 2;
    const int top =
        e.gain >= 0 ? marker->y() + marker->height() : marker->y() - label->height() - 1;
    if (label->x() != left || label->y() != top)
        label->move(left, top);
}

void CurveDrawer::DrawBlockCurve(int selector, int block)
{
    if (selector >= BandTableSize || block >= NotDrawnFrom || block < 0)
        return;
    const FilledBands filled = FillBandTable(m_table, m_model.view, selector, block);
    if (selector == AllBands) {
        for (int i = 0; i < HighPassEntry; ++i)
            m_chart.marker(i)->setVisible(i <= filled.lastEqBand);
        m_chart.marker(HighPassEntry)->setVisible(filled.filters);
        m_chart.marker(LowPassEntry)->setVisible(filled.filters);
    }
    m_table.LastBand = filled.lastEqBand + (filled.filters ? 2 : 0);
    m_chart.BuildChartBackground(ResponseChart::BackgroundMode::Restore);

    for (int i = 0; i <= m_table.LastBand; ++i) {
        if (selector != AllBands && selector != i)
            continue;
        BandEntry& e = m_table.entries[static_cast<std::size_t>(i)];
        EvaluateResponse(e.curve, Nearest(e.frequency), e.shape, e.q, e.gain);
        if (MarkerDragActive)
            continue;
        if (e.shape.shape == FilterShape::HighPass || e.shape.shape == FilterShape::LowPass) {
            e.gain = 0;
            placeMarker(i, e.shape.shape == FilterShape::HighPass ? HighPassEntry : LowPassEntry);
        } else {
            placeMarker(i, i);
        }
    }

    if (selector == AllBands) {
        m_chart.EQlabel()->hide();
        m_shownBand = -1;
    } else if (selector <= m_table.LastBand) {
        showInfoLabel(selector);
        m_shownBand = selector;
    }

    if (spectrumOverlay)
        spectrumOverlay();

    if (m_ghost) {
        // The other set changes only with a whole redraw (a new page, size or set).
        if (selector == AllBands || !m_ghostValid)
            computeGhost(block);
        m_chart.drawCurve(m_ghostPoints, GhostColor);
    }
    sumCurve(m_table, m_points);
    m_chart.drawCurve(m_points, CurveColor);
    m_chart.present();
}

void CurveDrawer::sumCurve(const BandTable& table,
                           std::array<QPoint, ChartAxis::Columns>& points) const
{
    const float scale = float(m_chart.mapper().width()) / ChartAxis::DesignWidth;
    for (int c = 0; c < ChartAxis::Columns; ++c) {
        float level = 0;
        for (int b = 0; b <= table.LastBand; ++b)
            level += table.entries[static_cast<std::size_t>(b)].curve[static_cast<std::size_t>(c)];
        points[static_cast<std::size_t>(c)] =
            QPoint(Nearest(double(float(c) * scale)), Nearest(m_chart.mapper().DbToY(level)));
    }
}

void CurveDrawer::setGhost(const ParamStore* other)
{
    m_ghost = other;
    m_ghostValid = false;
}

void CurveDrawer::computeGhost(int block)
{
    if (!m_ghostView)
        m_ghostView = std::make_unique<ViewValues>();
    m_model.fillViewBlock(*m_ghost, block, *m_ghostView);
    BandTable table;
    const FilledBands filled = FillBandTable(table, *m_ghostView, AllBands, block);
    table.LastBand = filled.lastEqBand + (filled.filters ? 2 : 0);
    for (int i = 0; i <= table.LastBand; ++i) {
        BandEntry& e = table.entries[static_cast<std::size_t>(i)];
        EvaluateResponse(e.curve, Nearest(e.frequency), e.shape, e.q, e.gain);
    }
    sumCurve(table, m_ghostPoints);
    m_ghostValid = true;
}

} // namespace aec
