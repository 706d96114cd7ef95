#include "chart/ui/ChartKeyboard.h"

#include "chart/BandEditor.h"
#include "chart/MarkerRules.h"
#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "core/ParameterNames.h"

#include <algorithm>

namespace aec {
namespace {

const BilingualText ChartName{QStringLiteral("均衡响应曲线图"),
                              QStringLiteral("EQ response chart")};
const BilingualText ChartKeyList{
    QStringLiteral("左/右：上一个/下一个频段；1 至 9、0：频段 1 至 10；Ctrl+左/右：频率；"
                   "Ctrl+上/下：增益；同时按 Shift：十步；+ 与 -：Q 值；Home：频段恢复默认值。"),
    QStringLiteral("Left/Right: previous/next band; 1 to 9, 0: band 1 to 10; "
                   "Ctrl+Left/Right: frequency; Ctrl+Up/Down: gain; with Shift: ten steps; "
                   "+ and -: Q; Home: band back to its defaults.")};

} // namespace

ChartKeyboard::ChartKeyboard(const ParameterModel& model, ResponseChart& chart, CurveDrawer& curve,
                             BandEditor& editor, const Language& language)
    : m_model(model), m_chart(chart), m_curve(curve), m_editor(editor), m_language(language)
{
    connect(&chart, &ResponseChart::keyCommand, this, &ChartKeyboard::apply);
    connect(&language, &Language::changed, this, &ChartKeyboard::showTexts);
    showTexts();
}

// The name carries the selected band and its values, so that a screen reader says what a key
// chose or changed ("EQ response chart, Music EQ band 3: 125.0Hz 2.0dB 1.00").
void ChartKeyboard::showTexts()
{
    QString name = m_language.pick(ChartName);
    const int marker = m_chart.hasFocus() ? currentMarker() : -1;
    QStringList values;
    QString band;
    for (const BandField field : {BandField::Frequency, BandField::Gain, BandField::PeakQ}) {
        const int slot = marker >= 0 ? valueSlot(marker, field) : -1;
        if (slot < 0)
            continue;
        const ParamAddress view = MakeAddress(m_editor.chartBlock(), slot);
        const ParamAddress device = m_model.ViewToDeviceAddress(view);
        values << DeviceValueText(device, m_model.view.at(m_editor.chartBlock(), slot));
        if (const std::optional<DeviceParameter> described = DescribeDeviceAddress(device);
            described && band.isEmpty())
            band = described->instance.in(m_language.isChinese()) + QLatin1Char(' ') +
                   described->section.in(m_language.isChinese());
    }
    if (!values.isEmpty())
        name += QStringLiteral(", ") + band + QStringLiteral(": ") + values.join(QLatin1Char(' '));
    m_chart.setAccessibleName(name);
    m_chart.setAccessibleDescription(m_language.pick(ChartKeyList));
}

std::vector<int> ChartKeyboard::selectableMarkers() const
{
    std::vector<int> markers;
    if (m_editor.markersLocked())
        return markers;
    for (int i = 0; i < ResponseChart::MarkerCount; ++i)
        if (!m_chart.marker(i)->isHidden() &&
            MarkerMotionOn(m_editor.chartPage(), i, m_editor.eqPassOn()).moves())
            markers.push_back(i);
    return markers;
}

// The selected marker while keys may move it, else -1: the page, the lock or the EQ pass may
// have changed since it was chosen.
int ChartKeyboard::currentMarker() const
{
    const std::vector<int> markers = selectableMarkers();
    const int selected = m_chart.selectedMarker();
    return std::find(markers.begin(), markers.end(), selected) != markers.end() ? selected : -1;
}

void ChartKeyboard::apply(const ChartKeyCommand& command)
{
    using Action = ChartKeyCommand::Action;
    switch (command.action) {
    case Action::SelectPrevious:
    case Action::SelectNext:
        select(AdjacentMarker(selectableMarkers(), m_chart.selectedMarker(),
                              command.action == Action::SelectNext ? 1 : -1));
        break;
    case Action::SelectBand: {
        const std::vector<int> markers = selectableMarkers();
        if (std::find(markers.begin(), markers.end(), command.amount) != markers.end())
            select(command.amount);
        break;
    }
    case Action::StepFrequency:
        step(BandField::Frequency, command.amount);
        break;
    case Action::StepGain:
        step(BandField::Gain, command.amount);
        break;
    case Action::StepQ:
        step(BandField::PeakQ, command.amount);
        break;
    case Action::ResetBand:
        if (const int marker = currentMarker(); marker >= 0 && marker < HighPassEntry)
            m_editor.resetBand(marker);
        showTexts();
        break;
    case Action::None:
        break;
    }
}

// The chosen band shows its values beside its marker, as when the pointer picks it.
void ChartKeyboard::select(int marker)
{
    if (marker < 0)
        return;
    m_chart.setSelectedMarker(marker);
    const int block = m_editor.chartBlock();
    const int entry =
        marker < HighPassEntry ? marker : EqBandCount[std::size_t(block)] + marker - HighPassEntry;
    m_curve.DrawBlockCurve(entry, block);
    showTexts();
}

int ChartKeyboard::valueSlot(int marker, BandField field) const
{
    const BandTable& table = m_curve.bandTable();
    if (marker >= HighPassEntry)
        return field != BandField::Frequency ? -1
               : marker == HighPassEntry     ? table.highPassFrequencySlot
                                             : table.lowPassFrequencySlot;
    const BandEntry& entry = table.entries[std::size_t(marker)];
    switch (field) {
    case BandField::Frequency:
        return entry.frequencySlot;
    case BandField::Gain:
        return entry.gainSlot;
    case BandField::PeakQ:
    case BandField::ShelfQ:
        return entry.qSlot; // the Q the band's type uses
    case BandField::Type:
        break;
    }
    return -1;
}

// One press is one step of the field's scale, sent and undone as a drag is.
void ChartKeyboard::step(BandField field, int delta)
{
    const int marker = currentMarker();
    if (marker < 0)
        return;
    const int page = m_editor.chartPage();
    const MarkerMotion motion = MarkerMotionOn(page, marker, m_editor.eqPassOn());
    if ((field == BandField::Frequency && !motion.sideways) ||
        (field == BandField::Gain && !motion.upDown))
        return;
    const int slot = valueSlot(marker, field);
    if (slot < 0)
        return;
    const int value = m_model.view.at(m_editor.chartBlock(), slot);
    const StepRange range = MarkerStepRange(page, field);
    const int stepped = StepWithin(value, delta, range.low, range.high);
    if (stepped == value)
        return;
    m_editor.dragStarted();
    m_editor.setBandValue(marker, field, stepped);
    m_editor.dragEnded();
    showTexts();
}

} // namespace aec
