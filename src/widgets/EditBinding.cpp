#include "widgets/EditBinding.h"

#include "widgets/EditFocus.h"
#include "widgets/ParamWidgets.h"

#include <QKeyEvent>

#include <cmath>

namespace aec {

bool EditFocus::wheel(int delta)
{
    if (!m_wheelArmed || delta == 0 || !m_current)
        return false;
    m_current->StepCurrentEdit(delta > 0 ? StepCode::Up : StepCode::Down);
    return true;
}

EditBinding::EditBinding(ParamEdit* edit, const ParamRow& row, ParameterModel& model,
                         EditFocus& focus)
    : Binding(row, model, edit), m_edit(edit), m_focus(focus)
{
    edit->installEventFilter(this);
}

void EditBinding::show(std::int32_t value)
{
    m_edit->setText(RowText(row(), value));
    emit valueShown(value);
}

void EditBinding::click()
{
    m_focus.armWheel();
    m_focus.setCurrent(this);
    m_edit->setFocus();
    showStored();
    m_lastGoodText = m_edit->text();
    m_focus.select(this);
}

void EditBinding::StepCurrentEdit(StepCode step)
{
    bool ok = false;
    const QString digits = KeepNumberChars(m_edit->text());
    const double number = digits.toDouble(&ok);
    if (digits.isEmpty() || !ok) {
        m_edit->setText(m_lastGoodText);
        return;
    }
    SetControlValue(step, ParseKindText(row().kind, number));
}

void EditBinding::SetControlValue(StepCode step, double value)
{
    const int v = LimitToRow(row(), Stepped(static_cast<int>(std::trunc(value)), step));
    show(v);
    m_lastGoodText = m_edit->text();
    store(v);
    m_focus.select(this);
}

void EditBinding::attachSpin(SpinButtons* spin)
{
    connect(spin, &SpinButtons::stepped, this, [this](bool up) {
        m_focus.setCurrent(this);
        m_edit->setFocus();
        StepCurrentEdit(up ? StepCode::Up : StepCode::Down);
    });
}

void EditBinding::leave()
{
    if (m_edit->text().isEmpty()) {
        m_edit->setText(m_lastGoodText);
        return;
    }
    if (m_typed)
        StepCurrentEdit(StepCode::None);
    m_typed = false;
}

bool EditBinding::keyPress(QKeyEvent* event)
{
    m_focus.setCurrent(this);
    m_typed = true;
    const auto stepThrough = [this](int key, StepCode step) {
        EditBinding* target = m_neighbour ? m_neighbour(key) : nullptr;
        if (target) {
            target->click();
            target->StepCurrentEdit(step);
        } else {
            StepCurrentEdit(step);
        }
    };
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
        stepThrough(event->key(), StepCode::Up);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Left:
        stepThrough(event->key(), StepCode::Down);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        leave();
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return false;
    default:
        break;
    }
    const QString text = event->text();
    const bool accepted = text.size() == 1 && (text[0].isDigit() || text[0] == QLatin1Char('-') ||
                                               text[0] == QLatin1Char('.'));
    // Every other character is discarded; shortcuts and navigation keys pass.
    return !accepted && !text.isEmpty() && text[0].isPrint();
}

bool EditBinding::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        click();
        return false;
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::ShortcutOverride:
        // A letter is no number: the window's shortcuts (the volume keys) may have it.
        return PassWindowKeysToShortcuts(static_cast<QKeyEvent*>(event));
    case QEvent::FocusOut:
        if (m_focus.current() == this)
            leave();
        return false;
    default:
        return false;
    }
}

} // namespace aec
