#include "widgets/Binder.h"

#include "widgets/BandColumn.h"
#include "widgets/BandColumnBinding.h"
#include "widgets/BindingHub.h"
#include "widgets/ControlTags.h"
#include "widgets/EditBinding.h"
#include "widgets/ListBinding.h"
#include "widgets/OnOffBinding.h"
#include "widgets/ParamWidgets.h"
#include "widgets/SliderBinding.h"

namespace aec {

Binder::Binder(ParameterModel& model, BindingHub& hub, EditFocus& focus)
    : m_model(model), m_hub(hub), m_focus(focus)
{
}

// The control's Tag keeps its address, as the window's design has it: a control bound at
// several slots keeps the last one that transfers carry.
void Binder::remember(const QString& name, Binding* binding, const ParamRow& row,
                      std::initializer_list<QWidget*> controls)
{
    m_byName.insert(name, binding);
    m_hub.add(binding);
    if (row.slot() < SlotCount[row.block()])
        for (QWidget* control : controls)
            if (control)
                SetTag(control, row.address);
}

Binding* Binder::bind(const ParamRow& row, QWidget* control, QWidget* second,
                      const std::array<QWidget*, 3>& extra)
{
    Binding* binding = nullptr;
    switch (row.control) {
    case Control::Slider:
        binding = new SliderBinding(qobject_cast<QSlider*>(control), qobject_cast<QLabel*>(second),
                                    row, m_model);
        m_names.add(second, binding, AccessibleNames::Piece::Pane);
        break;
    case Control::List:
        binding = new ListBinding(qobject_cast<QComboBox*>(control), row, m_model);
        break;
    case Control::Edit: {
        auto* edit = new EditBinding(qobject_cast<ParamEdit*>(control), row, m_model, m_focus);
        if (auto* spin = qobject_cast<SpinButtons*>(second)) {
            edit->attachSpin(spin);
            nameSpin(spin, edit);
        }
        binding = edit;
        break;
    }
    case Control::Phase:
    case Control::OnOff:
        binding = new OnOffBinding(qobject_cast<TwoStateButton*>(control), row, m_model);
        break;
    case Control::Pair:
        binding = new PairBinding(qobject_cast<TwoStateButton*>(control),
                                  qobject_cast<TwoStateButton*>(second), row, m_model);
        m_names.add(control, binding, AccessibleNames::Piece::Option);
        m_names.add(second, binding, AccessibleNames::Piece::Option);
        break;
    case Control::Trigger: {
        // The trigger buttons stand for the hidden list and show its choice.
        auto* list = new ListBinding(qobject_cast<QComboBox*>(control), row, m_model);
        for (int k = 0; k < 3; ++k) {
            auto* button = qobject_cast<TwoStateButton*>(extra[std::size_t(k)]);
            if (!button)
                continue;
            m_names.add(button, list, AccessibleNames::Piece::Option);
            QObject::connect(button, &QPushButton::clicked, list, [list, k] { list->choose(k); });
            QObject::connect(list, &ListBinding::shown, button, [button, k](int item) {
                button->setLook(item == k || (k == 2 && item > 2) ? QStringLiteral("pressed")
                                                                  : QStringLiteral("greyed"));
            });
        }
        binding = list;
        break;
    }
    case Control::None:
    case Control::Band:
        return nullptr;
    }
    if (binding) {
        remember(row.name, binding, row, {control, second});
        if (row.control != Control::Pair)
            m_names.add(control, binding, AccessibleNames::Piece::Control);
    }
    return binding;
}

BandColumnBinding* Binder::bindColumn(BandColumn* column)
{
    auto* binding = new BandColumnBinding(column, m_model, m_hub, m_focus);
    m_columns.append(binding);
    const struct
    {
        QWidget* control;
        Binding* bound;
        BandField field;
    } parts[] = {{column->typeList, binding->type(), BandField::Type},
                 {column->frequency, binding->frequency(), BandField::Frequency},
                 {column->gain, binding->gain(), BandField::Gain},
                 {column->q, binding->q(), BandField::PeakQ},
                 {column->q, binding->q(), BandField::ShelfQ}};
    for (const auto& p : parts) {
        const ParamRow& row = column->row(p.field);
        m_byName.insert(row.name, p.bound);
        if (row.slot() < SlotCount[row.block()])
            SetTag(p.control, row.address);
    }
    for (const auto& p : {parts[0], parts[1], parts[2], parts[3]})
        m_names.add(p.control, p.bound, AccessibleNames::Piece::Control);
    m_names.add(column->gainSlider, binding->gain(), AccessibleNames::Piece::Control);
    nameSpin(column->qSpin, binding->q());
    for (TypeLabel* label : column->typeLabels)
        m_names.add(label, binding->type(), AccessibleNames::Piece::Option);
    SetTag(column->gainSlider, column->row(BandField::Gain).address);
    SetTag(column->qSpin, column->row(BandField::PeakQ).address);
    for (int k = 0; k < 4; ++k) {
        SetTag(column->typeLabels[k], column->row(BandField::Type).address);
        SetHint(column->typeLabels[k], QString::number(k));
    }
    return binding;
}

void Binder::nameSpin(SpinButtons* spin, const Binding* edit)
{
    for (const bool up : {true, false})
        m_names.add(spin->findChild<QWidget*>(up ? QStringLiteral("up") : QStringLiteral("down")),
                    edit, up ? AccessibleNames::Piece::Increase : AccessibleNames::Piece::Decrease);
}

} // namespace aec
