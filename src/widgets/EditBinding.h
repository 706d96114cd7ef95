#pragma once

#include "widgets/Binding.h"

#include <functional>

class QKeyEvent;

namespace aec {

class EditFocus;
class ParamEdit;
class SpinButtons;

// An edit box of a band (frequency, gain, Q) or of an input gain. Clicking it makes it the
// current edit; typed numbers are taken on Enter or when it is left, as the nearest step of its
// scale; arrow keys and its spin buttons step it.
class EditBinding : public Binding
{
    Q_OBJECT
public:
    EditBinding(ParamEdit* edit, const ParamRow& row, ParameterModel& model, EditFocus& focus);

    void show(std::int32_t value) override;
    ParamEdit* edit() const { return m_edit; }

    // The band-edit click: current, focused, armed for the wheel, its band selected.
    void click();
    // Applies the edit's text as a number (converted to its scale) with a step: nothing, up or
    // down. A text without a number puts the last good text back.
    void StepCurrentEdit(StepCode step);
    // Limits and steps a value of the edit's scale, shows it, stores and sends it.
    void SetControlValue(StepCode step, double value);

    void attachSpin(SpinButtons* spin);
    // The edit arrow keys move to (a band's gain edit for Up/Down on its frequency edit, the
    // frequency edit for Left/Right on its gain edit).
    void setNeighbour(std::function<EditBinding*(int key)> neighbour)
    {
        m_neighbour = std::move(neighbour);
    }
    using Binding::setRow;

signals:
    // The edit shows a value (the band's gain slider follows it).
    void valueShown(std::int32_t value);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QKeyEvent* event);
    void leave();

    ParamEdit* m_edit;
    EditFocus& m_focus;
    std::function<EditBinding*(int key)> m_neighbour;
    QString m_lastGoodText;
    bool m_typed = false;
};

} // namespace aec
