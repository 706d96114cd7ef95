#pragma once

#include "core/ParameterModel.h"
#include "core/ParameterTable.h"
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

private:
    void remember(const QString& name, Binding* binding, const ParamRow& row,
                  std::initializer_list<QWidget*> controls);

    ParameterModel& m_model;
    BindingHub& m_hub;
    EditFocus& m_focus;
    QHash<QString, Binding*> m_byName;
    QList<BandColumnBinding*> m_columns;
};

} // namespace aec
