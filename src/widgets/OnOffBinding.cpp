#include "widgets/OnOffBinding.h"

#include "widgets/ControlTags.h"
#include "widgets/ParamWidgets.h"

namespace aec {

OnOffBinding::OnOffBinding(TwoStateButton* button, const ParamRow& row, ParameterModel& model)
    : Binding(row, model, button), m_button(button)
{
    connect(button, &QPushButton::clicked, this, [this] {
        m_on = !m_on;
        ShowState(m_button, m_on, this->row().control == Control::Phase);
        store(m_on ? 1 : 0);
    });
}

void OnOffBinding::show(std::int32_t value)
{
    m_on = value != 0;
    ShowState(m_button, m_on, row().control == Control::Phase);
}

void OnOffBinding::ShowState(TwoStateButton* button, bool on, bool phase)
{
    SetHint(button, on ? QStringLiteral("1") : QStringLiteral("0"));
    if (phase)
        button->setLook(on ? QStringLiteral("phase1") : QStringLiteral("phase0"));
    else
        button->setLook(on ? QStringLiteral("pressed") : QStringLiteral("greyed"));
}

PairBinding::PairBinding(TwoStateButton* off, TwoStateButton* on, const ParamRow& row,
                         ParameterModel& model)
    : Binding(row, model, off), m_off(off), m_on(on)
{
    SetHint(off, QStringLiteral("0"));
    SetHint(on, QStringLiteral("1"));
    connect(off, &QPushButton::clicked, this, [this] {
        show(0);
        store(0);
    });
    connect(on, &QPushButton::clicked, this, [this] {
        show(1);
        store(1);
    });
}

void PairBinding::show(std::int32_t value)
{
    m_off->setLook(value != 1 ? QStringLiteral("pressed") : QStringLiteral("normal"));
    m_on->setLook(value == 1 ? QStringLiteral("pressed") : QStringLiteral("normal"));
}

} // namespace aec
