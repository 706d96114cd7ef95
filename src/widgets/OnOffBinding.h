#pragma once

#include "widgets/Binding.h"

namespace aec {

class TwoStateButton;

// A two-state button (phase, mute): a click switches the parameter between 0 and 1; a phase
// button shows its state by its face, the others pressed or greyed.
class OnOffBinding : public Binding
{
    Q_OBJECT
public:
    OnOffBinding(TwoStateButton* button, const ParamRow& row, ParameterModel& model);

    void show(std::int32_t value) override;
    TwoStateButton* button() const { return m_button; }
    bool isOn() const { return m_on; }

    static void ShowState(TwoStateButton* button, bool on, bool phase);

private:
    TwoStateButton* m_button;
    bool m_on = false;
};

// An off button and an on button (the system page's switches): each click sets its value.
class PairBinding : public Binding
{
    Q_OBJECT
public:
    PairBinding(TwoStateButton* off, TwoStateButton* on, const ParamRow& row,
                ParameterModel& model);

    void show(std::int32_t value) override;

private:
    TwoStateButton* m_off;
    TwoStateButton* m_on;
};

} // namespace aec
