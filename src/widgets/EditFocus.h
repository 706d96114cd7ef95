#pragma once

#include <QObject>

namespace aec {

class EditBinding;

// The edit box that typed numbers, spin buttons and the mouse wheel act on (the current edit),
// and whether the wheel is armed: a band edit was clicked since the page last changed.
class EditFocus : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    EditBinding* current() const { return m_current; }
    void setCurrent(EditBinding* edit) { m_current = edit; }
    // No edit is current: a slider was moved, so the wheel no longer steps a band edit.
    void clear() { m_current = nullptr; }

    bool wheelArmed() const { return m_wheelArmed; }
    void armWheel() { m_wheelArmed = true; }
    void disarmWheel() { m_wheelArmed = false; }
    // The window's mouse wheel: steps the current edit while armed; true when it did.
    bool wheel(int delta);

    // An edit was chosen or edited by the person: its band is the selected one.
    void select(EditBinding* edit) { emit selected(edit); }

signals:
    void selected(aec::EditBinding* edit);

private:
    EditBinding* m_current = nullptr;
    bool m_wheelArmed = false;
};

} // namespace aec
