#pragma once

#include "core/ParameterModel.h"
#include "core/ParameterTable.h"

#include <QObject>

namespace aec {

// Connects a control to one parameter of the table: the person's edit goes into the model as
// the control's own change, and every other change of the parameter is shown. A binding never
// shows its own echo and never writes into the model while showing.
class Binding : public QObject
{
    Q_OBJECT
public:
    Binding(const ParamRow& row, ParameterModel& model, QObject* parent);

    const ParamRow& row() const { return *m_row; }
    // The view address the control stands for (the processor's own for a fixed address).
    ParamAddress address() const { return m_address; }
    bool fixedAddress() const { return m_row->fixedAddress; }
    ParameterModel& model() const { return m_model; }

    // Shows a value of the parameter, without storing or sending anything.
    virtual void show(std::int32_t value) = 0;
    // Shows what the model holds for the parameter now.
    void showStored();

signals:
    // The person changed the parameter through this control.
    void edited(std::int32_t value);

protected:
    // The person's edit: stored and announced as this control's own change.
    void store(std::int32_t value);
    // Stands for another row (a band's Q edit follows its type; the right-side delay its family).
    void setRow(const ParamRow& row);
    void setAddress(ParamAddress address) { m_address = address; }

    friend class BindingHub;

private:
    const ParamRow* m_row;
    ParameterModel& m_model;
    ParamAddress m_address;
};

} // namespace aec
