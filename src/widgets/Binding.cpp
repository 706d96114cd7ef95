#include "widgets/Binding.h"

namespace aec {

Binding::Binding(const ParamRow& row, ParameterModel& model, QObject* parent)
    : QObject(parent), m_row(&row), m_model(model), m_address(row.address)
{
}

void Binding::showStored()
{
    show(fixedAddress() ? m_model.store.at(m_address) : m_model.view.at(m_address));
}

void Binding::store(std::int32_t value)
{
    if (fixedAddress())
        m_model.setDevice(m_address, value, Origin::Person, this);
    else
        m_model.set(m_address, value, Origin::Person, this);
    emit edited(value);
}

void Binding::setRow(const ParamRow& row)
{
    m_row = &row;
    m_address = row.address;
}

} // namespace aec
