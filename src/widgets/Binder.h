#pragma once

#include "core/ParameterModel.h"
#include "core/ParameterTable.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Binding.h"

#include <QHash>
#include <QString>

#include <initializer_list>

class QLabel;
class QWidget;

namespace aec {

class BandColumn;
class BandColumnBinding;
class BindingHub;
class EditFocus;
class SpinButtons;

// Makes the binding of each control built from the parameter table, takes it into the hub and
// remembers it by the control's name, so page code can reach a binding without its widget.
class Binder
{
public:
    Binder(ParameterModel& model, BindingHub& hub, EditFocus& focus);

    ParameterModel& model() const { return m_model; }
    BindingHub& hub() const { return m_hub; }
    EditFocus& focus() const { return m_focus; }

    // The binding of a row's control: a slider with its pane, a list, an edit with its spin
    // buttons, a phase or mute button, an off/on pair (`second` the on button), or a trigger list
    // with its three buttons (`extra`).
    Binding* bind(const ParamRow& row, QWidget* control, QWidget* second = nullptr,
                  const std::array<QWidget*, 3>& extra = {});
    BandColumnBinding* bindColumn(BandColumn* column);

    Binding* find(const QString& controlName) const { return m_byName.value(controlName); }
    template <typename B> B* find(const QString& controlName) const
    {
        return qobject_cast<B*>(find(controlName));
    }
    const QList<BandColumnBinding*>& columns() const { return m_columns; }
    // What screen readers call the bound controls (and any other control added to it).
    AccessibleNames& names() { return m_names; }
    const AccessibleNames& names() const { return m_names; }

private:
    void remember(const QString& name, Binding* binding, const ParamRow& row,
                  std::initializer_list<QWidget*> controls);
    void nameSpin(SpinButtons* spin, const Binding* edit);

    ParameterModel& m_model;
    BindingHub& m_hub;
    EditFocus& m_focus;
    QHash<QString, Binding*> m_byName;
    QList<BandColumnBinding*> m_columns;
    AccessibleNames m_names;
};

} // namespace aec
