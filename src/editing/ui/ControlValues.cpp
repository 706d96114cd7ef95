#include "editing/ui/ControlValues.h"

#include "core/BlockLayout.h"
#include "editing/BandLocation.h"
#include "editing/Scales.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/ParamWidgets.h"

#include <QSignalBlocker>

#include <cmath>

namespace aec {
namespace {

// The kind of a control, or nothing for controls SetControlValue leaves alone.
std::optional<int> KindOf(QWidget* control)
{
    const QString hint = Hint(control);
    if (qobject_cast<ParamEdit*>(control))
        return hint.isEmpty() ? 0 : hint.toInt();
    if (qobject_cast<StatusPane*>(control)) {
        const int kind = hint.toInt();
        return kind > Kind::InputGain ? std::optional<int>(kind) : std::nullopt;
    }
    if (qobject_cast<ParamCombo*>(control) && !hint.isEmpty())
        return hint.toInt();
    return std::nullopt;
}

void SyncSlider(QWidget* candidate, double x, EditorContext& ctx)
{
    auto* slider = qobject_cast<ParamSlider*>(candidate);
    if (!slider)
        return;
    ctx.state.SettingPosition = true;
    slider->setValue(static_cast<int>(std::lround(x)));
    ctx.state.SettingPosition = false;
}

struct GroupLabels
{
    const char* stem;
    int bands;
};

} // namespace

int ControlValues::GroupBandCount(int group)
{
    static constexpr int counts[] = {15, 20, 7, 10, 5};
    return group >= 0 && group < 5 ? counts[group] : 0;
}

QWidget* ControlValues::PointLabel(int group, int band) const
{
    static const char* const stems[] = {"MusEQPointLabel", "MicEQPointLabel", "EffEQPointLabel",
                                        "MainEQPointLabel", "HintEQPointLabel"};
    if (group < 0 || group >= 5)
        return nullptr;
    QString stem = QLatin1String(stems[group]);
    if (group == 2 && m_ctx.model.selection.CurrentEffectBlock == Block::Reverb)
        stem = QStringLiteral("RvbEQPointLabel");
    return m_ctx.map.find(stem + QString::number(band + 1));
}

void ControlValues::SetControlValue(QWidget* control, StepCode step, bool displayOnly, double x)
{
    const std::optional<int> kind = KindOf(control);
    if (!kind)
        return;
    ViewValues& view = m_ctx.model.view;
    const ParamAddress address = ResolveQAddress(static_cast<ParamAddress>(Tag(control)), view);
    if (!ParameterTable::Contains(address))
        return;

    KindContext context;
    context.chartBlock = m_ctx.navigation.ChartBlock;
    context.currentOutputBlock = m_ctx.model.selection.CurrentOutputBlock;
    context.slot = SlotOf(address);
    if (*kind == Kind::Q) {
        const BandLocation band = LocateBand(address);
        const int type = view.at(BlockOf(address), BandFirstSlot(BlockOf(address), band.band));
        context.shelvingBand = type == 2 || type == 3;
        if (displayOnly) // a refresh shows the stored Q of the field that applies
            x = view.at(address);
    }
    const std::optional<KindValue> result = ApplyKind(*kind, step, displayOnly, x, context);
    if (!result)
        return;
    x = result->value;

    if (*kind == Kind::BandType) {
        if (auto* list = qobject_cast<ParamCombo*>(control)) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(std::max(0, static_cast<int>(std::trunc(x))));
        }
    } else if (*kind != Kind::Plain) {
        if (auto* edit = qobject_cast<ParamEdit*>(control))
            edit->setText(result->text);
        else if (auto* pane = qobject_cast<StatusPane*>(control))
            pane->setText(result->text);
    }
    if (*kind == Kind::Frequency && !displayOnly)
        m_ctx.CurrentEdit = m_ctx.map.PrimaryControl(address);
    if (*kind >= Kind::Frequency && *kind <= Kind::InputGain)
        HighlightBand(control, EqGroupOf(address));

    const auto v = static_cast<std::int32_t>(std::trunc(x));
    if (qobject_cast<ParamSlider*>(m_ctx.map.PrimaryControl(address)))
        SyncSlider(m_ctx.map.PrimaryControl(address), x, m_ctx);
    else
        SyncSlider(m_ctx.map.AuxControl(address, 0), x, m_ctx);

    // Showing a value never changes it: a stored value outside the control's range stays in
    // the store as the processor holds it until the person edits it.
    if (*kind <= Kind::Q && !displayOnly) {
        view.at(address) = v;
        const ParamAddress device = m_ctx.model.ViewToDeviceAddress(address);
        if (ParameterTable::Contains(device))
            m_ctx.model.store.at(device) = v;
    }
    if (!displayOnly)
        m_ctx.SetParameter(address, v);
    if (*kind <= Kind::FilterFrequency && m_ctx.state.ControlUpdateGuard == 0)
        m_ctx.state.LastEdit = {address, v};
}

int ControlValues::HighlightBand(QWidget* control, int group)
{
    if (m_ctx.state.ControlUpdateGuard != 0 || group > 7 || !qobject_cast<ParamEdit*>(control))
        return 0;
    const BandLocation location = LocateBand(static_cast<ParamAddress>(Tag(control)));
    const int band = location.inBand() ? location.band : 0;
    m_ctx.state.SelectedBand[static_cast<std::size_t>(group)] = band;

    if (m_ctx.CurrentEdit != m_ctx.HighlightedEdit) {
        for (int i = 0; i < GroupBandCount(group); ++i)
            if (QWidget* label = PointLabel(group, i))
                SetStyleState(label, "selected", i == band);
        const auto frame = [this](QWidget* edit, bool highlighted) {
            if (!edit)
                return;
            if (auto* primary = qobject_cast<ParamEdit*>(
                    m_ctx.map.PrimaryControl(static_cast<ParamAddress>(Tag(edit)))))
                primary->setHighlighted(highlighted);
        };
        frame(m_ctx.CurrentEdit, true);
        frame(m_ctx.HighlightedEdit, false);
        m_ctx.HighlightedEdit = m_ctx.CurrentEdit;
    }

    // Bring the band into view on the pages whose columns scroll.
    static const struct
    {
        int group;
        const char* slider;
        int last; // band ≥ position + last + 1 scrolls
    } scrolling[] = {
        {0, "MusPanScrollBar", 8}, {1, "MicPanScrollBar", 7}, {3, "MainPanScrollBar", 4}};
    for (const auto& s : scrolling) {
        if (s.group != group)
            continue;
        if (auto* slider = qobject_cast<ParamSlider*>(m_ctx.find(s.slider))) {
            const int p = slider->value();
            if (band >= p + s.last + 1)
                slider->setValue(band - s.last);
            else if (band < p)
                slider->setValue(band);
        }
    }
    return band;
}

} // namespace aec
