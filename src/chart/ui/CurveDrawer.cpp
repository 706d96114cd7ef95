#include "chart/ui/CurveDrawer.h"

#include "chart/ui/ResponseChart.h"
#include "editing/Scales.h"
#include "editing/ui/EditorContext.h"

namespace aec {
namespace {
constexpr int NotDrawnFrom = 28; // blocks 28 and above have no curve
}

CurveDrawer::CurveDrawer(EditorContext& context, ResponseChart& chart)
    : m_ctx(context), m_chart(chart)
{
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
    if (e.code < FilterCode::HighPass) {
        label->setText(FormatNumber(e.gain, 1) + QStringLiteral("dB\nQ:") + FormatNumber(e.q, 2) +
                       QLatin1Char('\n') + FormatNumber(e.frequency, 2) + QStringLiteral("Hz"));
        marker = m_chart.marker(entry);
    } else if (e.code >= FilterCode::LowPass) {
        label->setText(QStringLiteral("LPF:") + FormatNumber(e.frequency, 2) +
                       QStringLiteral("Hz"));
        marker = m_chart.marker(LowPassEntry);
    } else {
        label->setText(QStringLiteral("HPF:") + FormatNumber(e.frequency, 2) +
                       QStringLiteral("Hz"));
        marker = m_chart.marker(HighPassEntry);
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
    if (selector > AllBands || m_ctx.state.ControlUpdateGuard != 0 || block >= NotDrawnFrom ||
        block < 0)
        return;
    const int r = FillBandTable(m_table, m_ctx.model.view, selector, block);
    const int lastEq = r % 100;
    const int filters = r / 100;
    if (selector == AllBands) {
        for (int i = 0; i < HighPassEntry; ++i)
            m_chart.marker(i)->setVisible(i <= lastEq);
        m_chart.marker(HighPassEntry)->setVisible(filters > 0);
        m_chart.marker(LowPassEntry)->setVisible(filters > 1);
    }
    m_table.LastBand = lastEq + filters;
    m_chart.BuildChartBackground(ResponseChart::BackgroundMode::Restore);

    for (int i = 0; i <= m_table.LastBand; ++i) {
        if (selector != AllBands && selector != i)
            continue;
        BandEntry& e = m_table.entries[static_cast<std::size_t>(i)];
        EvaluateResponse(e.curve, Nearest(e.frequency), e.code & 0xFF, e.q, e.gain);
        if (MarkerDragActive)
            continue;
        if (e.code < FilterCode::HighPass) {
            placeMarker(i, i);
        } else {
            e.gain = 0;
            placeMarker(i, e.code < FilterCode::LowPass ? HighPassEntry : LowPassEntry);
        }
    }

    if (selector == AllBands)
        m_chart.EQlabel()->hide();
    else if (selector <= m_table.LastBand)
        showInfoLabel(selector);

    if (spectrumOverlay)
        spectrumOverlay();

    const float scale = float(m_chart.mapper().width()) / ChartAxis::DesignWidth;
    for (int c = 0; c < ChartAxis::Columns; ++c) {
        float level = 0;
        for (int b = 0; b <= m_table.LastBand; ++b)
            level +=
                m_table.entries[static_cast<std::size_t>(b)].curve[static_cast<std::size_t>(c)];
        m_points[static_cast<std::size_t>(c)] =
            QPoint(Nearest(double(float(c) * scale)), Nearest(m_chart.mapper().DbToY(level)));
    }
    m_chart.drawCurve(m_points, CurveColor);
    m_chart.present();
}

} // namespace aec
