#include "chart/ui/ChartInteraction.h"

#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "core/BlockLayout.h"
#include "editing/BandLocation.h"
#include "editing/PageNavigation.h"
#include "editing/ValueKind.h"
#include "editing/ui/BandEditing.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/ControlValues.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/ParamWidgets.h"

#include <algorithm>

namespace aec {
namespace {

constexpr double LowestMarkerFrequency = 19.5;
constexpr double HighestFrequency = 20600;
constexpr int DynamicEqGainFloor = -12;
constexpr int RightStepPixels = 3;

// Which markers a page lets move freely; the others move sideways only, or not at all.
struct PageMarkers
{
    int page;
    int freeCount;
    bool othersSideways;
    bool passBlocksAll; // while the EQ pass is on, even the filter markers stay
};
constexpr PageMarkers PageRules[] = {
    {Page::Music, 15, true, true},   {Page::Microphone, 20, true, false},
    {Page::Effect, 7, true, false},  {Page::Output, 10, true, false},
    {Page::Hidden, 5, false, false}, {Page::DynamicEq, 3, false, false},
};

} // namespace

ChartInteraction::ChartInteraction(EditorContext& context, ResponseChart& chart, CurveDrawer& curve)
    : m_ctx(context), m_chart(chart), m_curve(curve)
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

int ChartInteraction::page() const
{
    return m_ctx.navigation.CurrentPage % 256;
}

// On the output page, nothing on the chart reacts while the processor runs automatically.
bool ChartInteraction::pageRuleRefuses() const
{
    return page() == Page::Output && m_ctx.model.store.at(Block::Music, 160) == 0;
}

// The edit of field `field` (1 frequency, 3 Q) of the band a marker shows.
QWidget* ChartInteraction::bandEdit(int marker, int field) const
{
    const int block = m_ctx.navigation.ChartBlock;
    int address = 0;
    if (block == Block::DynamicEq) {
        address = 256 + 10 * marker + field + 2;
    } else {
        // The band's number is its point label's caption.
        int n = marker + 1;
        if (QWidget* label = m_ctx.values->PointLabel(EqGroupOf(MakeAddress(block, 0)), marker))
            if (auto* text = qobject_cast<QLabel*>(label))
                n = text->text().toInt();
        address = block * 256 + FirstEqSlot[block] + 5 * (n - 1) + field;
    }
    auto* edit =
        qobject_cast<ParamEdit*>(m_ctx.map.PrimaryControl(static_cast<ParamAddress>(address)));
    return edit && edit->isEnabled() ? edit : nullptr;
}

void ChartInteraction::markerPressed(ChartMarker* marker, Qt::MouseButton button, QPoint at)
{
    marker->setCursor(Qt::CrossCursor);
    m_pressPoint = at;
    m_curve.MarkerDragActive = true;
    m_dragMarker = Tag(marker);
    m_rightStepMode = false;
    const int block = m_ctx.navigation.ChartBlock;

    if (button == Qt::LeftButton) {
        startFrom(m_dragMarker, marker);
        if (pageRuleRefuses()) {
            m_curve.MarkerDragActive = false;
            return;
        }
        if (m_dragMarker >= 20) {
            if (FilterTypeSlots(block, nullptr, nullptr))
                m_ctx.DrawBlockCurve(EqBandCount[block] + m_dragMarker - 20, block);
        } else if (QWidget* edit = bandEdit(m_dragMarker, 1)) {
            m_ctx.bands->bandEditClick(edit);
        }
        return;
    }
    m_curve.MarkerDragActive = false;
    if (button != Qt::RightButton || pageRuleRefuses())
        return;
    if (QWidget* edit = bandEdit(m_dragMarker, 3)) {
        m_ctx.bands->bandEditClick(edit);
        m_rightStepMode = true;
        // Steps are measured in chart coordinates from the start, so the first small move
        // does not already count as a step.
        m_pressPoint = marker->mapToParent(at);
    }
}

// A drag starts from the pressed band's own values, so that its first step is applied even
// when it lands where the previous drag of another band stopped.
void ChartInteraction::startFrom(int entry, const ChartMarker* marker)
{
    const BandTable& table = m_curve.bandTable();
    const ViewValues& view = m_ctx.model.view;
    const int block = m_ctx.navigation.ChartBlock;
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
    for (const PageMarkers& rule : PageRules) {
        if (rule.page != page())
            continue;
        const bool free = m_dragMarker < rule.freeCount;
        const bool passOn = m_ctx.find("EQPassLabel") && m_ctx.find("EQPassLabel")->isVisible();
        if (passOn && (free || rule.passBlocksAll))
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
    if (page() == Page::DynamicEq && gain < DynamicEqGainFloor) {
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
    const BandTable& table = m_curve.bandTable();
    const int block = m_ctx.navigation.ChartBlock;
    QWidget* frequencyControl = nullptr;
    QWidget* gainControl = nullptr;
    if (LastDragMarker >= HighPassEntry) {
        const int slot = LastDragMarker == HighPassEntry ? table.highPassFrequencySlot
                                                         : table.lowPassFrequencySlot;
        if (slot >= 0)
            frequencyControl = m_ctx.map.ValuePane(block, slot);
    } else if (LastDragMarker >= 0) {
        const BandEntry& e = table.entries[static_cast<std::size_t>(LastDragMarker)];
        if (e.frequencySlot >= 0)
            frequencyControl = m_ctx.map.PrimaryControl(block, e.frequencySlot);
        if (e.gainSlot >= 0)
            gainControl = m_ctx.map.PrimaryControl(block, e.gainSlot);
    }
    const bool frequencyChanged = DragFreqIndex != AppliedFreqIndex;
    const bool gainChanged = DragGainIndex != AppliedGainIndex;
    if (frequencyChanged) {
        m_ctx.values->SetControlValue(frequencyControl, StepCode::None, false, DragFreqIndex);
        AppliedFreqIndex = DragFreqIndex;
    }
    if (gainChanged) {
        AppliedGainIndex = DragGainIndex;
        m_ctx.values->SetControlValue(gainControl, StepCode::None, false, DragGainIndex);
    }
    checkLastEdit();
}

// A band's last edit that the curve has not shown yet is drawn.
void ChartInteraction::checkLastEdit()
{
    const LastEditRecord edit = m_ctx.state.LastEdit;
    if (edit == m_drawnEdit)
        return;
    m_drawnEdit = edit;
    const BandLocation location = LocateBand(edit.address);
    if (location.inBand())
        m_ctx.DrawBlockCurve(location.band, BlockOf(edit.address));
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
    if (!m_curve.MarkerDragActive)
        return;
    m_curve.MarkerDragActive = false;
    marker->setCursor(Qt::PointingHandCursor);
    if (m_dragMarker < 20 && !pageRuleRefuses())
        if (QWidget* edit = bandEdit(m_dragMarker, 1))
            m_ctx.bands->bandEditClick(edit);
}

// Sideways moves of at least three pixels with the right button held step the band's Q.
void ChartInteraction::imageMoved(Qt::MouseButtons buttons, QPoint at)
{
    if (!(buttons & Qt::RightButton) || !m_rightStepMode || m_dragMarker >= 15)
        return;
    const int dx = at.x() - m_pressPoint.x();
    if (dx >= RightStepPixels)
        m_ctx.bands->StepCurrentEdit(StepCode::Up);
    else if (dx <= -RightStepPixels)
        m_ctx.bands->StepCurrentEdit(StepCode::Down);
    else
        return;
    m_pressPoint = at;
    LastDragMarker = m_dragMarker;
}

void ChartInteraction::imageRightReleased(QPoint)
{
    if (!m_rightStepMode || pageRuleRefuses())
        return;
    m_curve.MarkerDragActive = false;
    m_rightStepMode = false;
    // The band stays selected through its Q edit, the edit the stepping acted on.
    if (m_dragMarker >= 0 && m_dragMarker < 15)
        if (QWidget* edit = bandEdit(m_dragMarker, 3))
            m_ctx.bands->bandEditClick(edit);
}

void ChartInteraction::labelReleased()
{
    m_curve.MarkerDragActive = false;
    m_rightStepMode = false;
}

} // namespace aec
