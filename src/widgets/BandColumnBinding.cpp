#include "widgets/BandColumnBinding.h"

#include "widgets/AccessibleNames.h"
#include "widgets/BandColumn.h"
#include "widgets/BindingHub.h"
#include "widgets/EditBinding.h"
#include "widgets/EditFocus.h"
#include "widgets/ListBinding.h"
#include "widgets/ParamWidgets.h"

#include <QEvent>
#include <QSignalBlocker>

namespace aec {
namespace {

bool IsShelf(int type)
{
    return type == 2 || type == 3;
}

} // namespace

BandColumnBinding::BandColumnBinding(BandColumn* column, ParameterModel& model, BindingHub& hub,
                                     EditFocus& focus)
    : QObject(column), m_column(column), m_hub(hub), m_focus(focus),
      m_type(new ListBinding(column->typeList, column->row(BandField::Type), model)),
      m_frequency(
          new EditBinding(column->frequency, column->row(BandField::Frequency), model, focus)),
      m_gain(new EditBinding(column->gain, column->row(BandField::Gain), model, focus)),
      m_q(new EditBinding(column->q, column->row(BandField::PeakQ), model, focus))
{
    for (Binding* b : {static_cast<Binding*>(m_type), static_cast<Binding*>(m_frequency),
                       static_cast<Binding*>(m_gain), static_cast<Binding*>(m_q)})
        hub.add(b);
    m_q->attachSpin(column->qSpin);

    // Left and right on the gain edit move to the frequency, up and down on the frequency edit
    // to the gain, as on the chart.
    m_frequency->setNeighbour(
        [this](int key) { return key == Qt::Key_Up || key == Qt::Key_Down ? m_gain : nullptr; });
    m_gain->setNeighbour([this](int key) {
        return key == Qt::Key_Left || key == Qt::Key_Right ? m_frequency : nullptr;
    });

    // The gain slider follows the gain, and moving it edits the gain.
    ParamSlider* slider = column->gainSlider;
    connect(m_gain, &EditBinding::valueShown, slider, [this, slider](std::int32_t v) {
        const QSignalBlocker quiet(slider);
        slider->setValue(v);
        ShowSliderValue(slider, m_column->gain->text());
    });
    connect(slider, &QSlider::valueChanged, m_gain, [this](int position) {
        m_focus.setCurrent(m_gain);
        m_gain->SetControlValue(StepCode::None, position);
    });

    for (int k = 0; k < 4; ++k)
        connect(column->typeLabels[k], &TypeLabel::clicked, m_type,
                [this, k] { m_type->choose(k); });
    connect(m_type, &ListBinding::shown, this, &BandColumnBinding::showType);
    // The band's number selects the band through its frequency edit.
    column->pointLabel->installEventFilter(this);
    // A type the person chose makes the band's Q edit the current edit.
    connect(m_type, &Binding::edited, this, [this] { m_focus.setCurrent(m_q); });
}

bool BandColumnBinding::eventFilter(QObject* watched, QEvent* event)
{
    // Only a press is looked at: other events also come while the column is being destroyed.
    if (event->type() == QEvent::MouseButtonPress && watched == m_column->pointLabel &&
        m_column->frequency->isEnabled())
        m_frequency->click();
    return false;
}

void BandColumnBinding::showType(int type)
{
    for (int k = 0; k < 4; ++k)
        m_column->typeLabels[k]->setChosen(k == type);
    const ParamRow& q = m_column->row(IsShelf(type) ? BandField::ShelfQ : BandField::PeakQ);
    if (m_q->address() != q.address) {
        m_hub.retarget(m_q, q.address);
        m_q->setRow(q);
    }
    m_q->showStored();
}

} // namespace aec
