#include "chart/ui/ChartInteraction.h"

#include "chart/BandEditor.h"
#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "core/ParameterModel.h"
#include "core/ValueKind.h"

#include <algorithm>
#include <utility>

namespace aec {
namespace {

constexpr double LowestMarkerFrequency = 19.5;
constexpr double HighestFrequency = 20600;
constexpr int DynamicEqGainFloor = -12;
constexpr int RightStepPixels = 3;

// Which markers a page (by its index) lets move freely; the others move sideways only, or not
// at all.
struct PageMarkers
{
    int page;
    int freeCount;
    bool othersSideways;
    bool passBlocksAll; // while the EQ pass is on, even the filter markers stay
};
constexpr PageMarkers PageRules[] = {
    {0, 15, true, true},  {1, 20, true, false}, {2, 7, true, false},
    {3, 10, true, false}, {4, 5, false, false}, {8, 3, false, false},
};
constexpr int DynamicEqPage = 8;
constexpr int FilterMarkers = 20;  // markers 20 and 21 are the high- and low-pass filters
constexpr int SteppedMarkers = 15; // right-button stepping acts on these markers

} // namespace

ChartInteraction::ChartInteraction(const ParameterModel& model, ResponseChart& chart,
                                   CurveDrawer& curve, BandEditor& editor)
    : m_model(model), m_chart(chart), m_curve(curve), m_editor(editor)
{
    for (int i = 0; i < ResponseChart::MarkerCount; ++i) {
        ChartMarker* marker = chart.marker(i);
        connect(marker, &ChartMarker::pressed, this, &ChartInteraction::markerPressed);
        connect(marker, &ChartMarker::moved, this, &ChartInteraction::markerMoved);
        connect(marker, &ChartMarker::released, this, &ChartInteraction::markerReleased);
    }
    connect(&chart, &ResponseChart::imageMouseMoved, this, &ChartInteraction::imageMoved);
    connect(&chart, &ResponseChart::imageRightReleased, this,
            &ChartInteraction::imageRightReleased);
}

void ChartInteraction::markerPressed(ChartMarker* marker, Qt::MouseButton button, QPoint at)
{
    marker->setCursor(Qt::CrossCursor);
    m_pressPoint = at;
    m_curve.MarkerDragActive = true;
    m_dragMarker = marker->index();
    m_rightStepMode = false;
    const int block = m_editor.chartBlock();

    if (button == Qt::LeftButton) {
        startFrom(m_dragMarker, marker);
        if (m_editor.markersLocked()) {
            m_curve.MarkerDragActive = false;
            return;
        }
        startGesture();
        if (m_dragMarker >= FilterMarkers) {
            if (FilterTypeSlots(block, nullptr, nullptr))
                m_curve.DrawBlockCurve(EqBandCount[block] + m_dragMarker - FilterMarkers, block);
        } else {
            m_editor.selectBand(m_dragMarker, BandField::Frequency);
        }
        return;
    }
    m_curve.MarkerDragActive = false;
    if (button != Qt::RightButton || m_editor.markersLocked() || m_dragMarker >= FilterMarkers)
        return;
    m_editor.selectBand(m_dragMarker, BandField::PeakQ);
    m_rightStepMode = true;
    startGesture();
    // Steps are measured in chart coordinates from the start, so the first small move does not
    // already count as a step.
    m_pressPoint = marker->mapToParent(at);
}

// A drag starts from the pressed band's own values, so that its first step is applied even
// when it lands where the previous drag of another band stopped.
void ChartInteraction::startFrom(int entry, const ChartMarker* marker)
{
    const BandTable& table = m_curve.bandTable();
    const ViewValues& view = m_model.view;
    const int block = m_editor.chartBlock();
    int frequencySlot = -1;
    int gainSlot = -1;
    if (entry == HighPassEntry || entry == LowPassEntry) {
        frequencySlot =
            entry == HighPassEntry ? table.highPassFrequencySlot : table.lowPassFrequencySlot;
    } else if (entry >= 0 && entry < HighPassEntry) {
        frequencySlot = table.entries[static_cast<std::size_t>(entry)].frequencySlot;
        gainSlot = table.entries[static_cast<std::size_t>(entry)].gainSlot;
    }
    const ChartMapper& m = m_chart.mapper();
    const int s = marker->height() / 2;
    AppliedFreqIndex = frequencySlot >= 0
                           ? view.at(block, frequencySlot)
                           : ParseKindText(Kind::Frequency, m.XToFreq(marker->x() + s));
    AppliedGainIndex = gainSlot >= 0 ? view.at(block, gainSlot)
                                     : ParseKindText(Kind::Gain, m.YToDb(marker->y() + s));
    DragFreqIndex = AppliedFreqIndex;
    DragGainIndex = AppliedGainIndex;
}

void ChartInteraction::markerMoved(ChartMarker* marker, QPoint at)
{
    // The marker keeps the pointer while a button is held: right stepping sees its moves
    // in chart coordinates.
    if (m_rightStepMode) {
        imageMoved(Qt::RightButton, marker->mapToParent(at));
        return;
    }
    if (!m_curve.MarkerDragActive || m_dragMarker == -1)
        return;
    int dx = at.x() - m_pressPoint.x();
    int dy = at.y() - m_pressPoint.y();
    const int page = m_editor.chartPage();
    for (const PageMarkers& rule : PageRules) {
        if (rule.page != page)
            continue;
        const bool free = m_dragMarker < rule.freeCount;
        if (m_editor.eqPassOn() && (free || rule.passBlocksAll))
            return;
        if (!free) {
            dy = 0;
            if (!rule.othersSideways)
                dx = 0;
        }
    }
    const int s = marker->height() / 2;
    const ChartMapper& m = m_chart.mapper();
    int left = marker->x() + dx;
    int top = marker->y() + dy;
    top = std::clamp(top, -s, m.height() - s);
    if (m_dragMarker == 21) {
        if (left > m.width() - s)
            left = m.width() - s;
        else if (left > m.width() - marker->height())
            left = m.width() - marker->height();
    }
    if (left < m.FreqToX(LowestMarkerFrequency) - s)
        left = Nearest(m.FreqToX(LowestMarkerFrequency)) - s;
    // Limited as a real number before rounding to whole hertz: far beyond the right edge the
    // frequency no longer fits an integer. Above 20600.5 Hz it would round above the top.
    double frequency = m.XToFreq(left + s);
    if (frequency > HighestFrequency + 0.5) {
        frequency = HighestFrequency;
        left = Nearest(m.FreqToX(HighestFrequency) - s);
    } else {
        frequency = Nearest(frequency);
    }
    double gain = m.YToDb(top + s);
    gain = std::clamp(gain, double(ChartAxis::MinDb), double(ChartAxis::MaxDb));
    if (page == DynamicEqPage && gain < DynamicEqGainFloor) {
        gain = DynamicEqGainFloor;
        top = Nearest(m.DbToY(DynamicEqGainFloor) - s);
    }
    marker->move(left, top);

    LastDragMarker = m_dragMarker;
    DragFreqIndex = ParseKindText(Kind::Frequency, frequency);
    DragGainIndex = ParseKindText(Kind::Gain, gain);
    if (DragFreqIndex != AppliedFreqIndex || DragGainIndex != AppliedGainIndex)
        ApplyDrag();
}

void ChartInteraction::ApplyDrag()
{
    if (DragFreqIndex != AppliedFreqIndex) {
        AppliedFreqIndex = DragFreqIndex;
        m_editor.setBandValue(LastDragMarker, BandField::Frequency, int(DragFreqIndex));
    }
    // Filters have no gain: their marker keeps its height.
    if (DragGainIndex != AppliedGainIndex) {
        AppliedGainIndex = DragGainIndex;
        if (LastDragMarker < FilterMarkers)
            m_editor.setBandValue(LastDragMarker, BandField::Gain, int(DragGainIndex));
    }
}

void ChartInteraction::tick()
{
    if (m_curve.MarkerDragActive)
        return;
    ApplyDrag();
}

void ChartInteraction::markerReleased(ChartMarker* marker, Qt::MouseButton button, QPoint at)
{
    if (button == Qt::RightButton) {
        imageRightReleased(marker->mapToParent(at));
        return;
    }
    if (button != Qt::LeftButton)
        return;
    m_rightStepMode = false;
    endGesture();
    if (!m_curve.MarkerDragActive)
        return;
    m_curve.MarkerDragActive = false;
    marker->setCursor(Qt::PointingHandCursor);
    if (m_dragMarker < FilterMarkers && !m_editor.markersLocked())
        m_editor.selectBand(m_dragMarker, BandField::Frequency);
}

// Sideways moves of at least three pixels with the right button held step the band's Q.
void ChartInteraction::imageMoved(Qt::MouseButtons buttons, QPoint at)
{
    if (!(buttons & Qt::RightButton) || !m_rightStepMode || m_dragMarker >= SteppedMarkers)
        return;
    const int dx = at.x() - m_pressPoint.x();
    if (dx >= RightStepPixels)
        m_editor.stepCurrentEdit(StepCode::Up);
    else if (dx <= -RightStepPixels)
        m_editor.stepCurrentEdit(StepCode::Down);
    else
        return;
    m_pressPoint = at;
    LastDragMarker = m_dragMarker;
}

void ChartInteraction::imageRightReleased(QPoint)
{
    endGesture();
    if (!m_rightStepMode || m_editor.markersLocked())
        return;
    m_curve.MarkerDragActive = false;
    m_rightStepMode = false;
    // The band stays selected through its Q edit, the edit the stepping acted on.
    if (m_dragMarker >= 0 && m_dragMarker < SteppedMarkers)
        m_editor.selectBand(m_dragMarker, BandField::PeakQ);
}

void ChartInteraction::labelReleased()
{
    endGesture();
    m_curve.MarkerDragActive = false;
    m_rightStepMode = false;
}

void ChartInteraction::startGesture()
{
    endGesture(); // a press whose release never came
    m_gestureOpen = true;
    m_editor.dragStarted();
}

void ChartInteraction::endGesture()
{
    if (std::exchange(m_gestureOpen, false))
        m_editor.dragEnded();
}

} // namespace aec
