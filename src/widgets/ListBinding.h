#pragma once

#include "widgets/Binding.h"

class QComboBox;

namespace aec {

// A drop-down list whose item number is the parameter's value.
class ListBinding : public Binding
{
    Q_OBJECT
public:
    ListBinding(QComboBox* list, const ParamRow& row, ParameterModel& model);

    void show(std::int32_t value) override;
    QComboBox* list() const { return m_list; }
    // The person's choice, as if made in the list (type labels and trigger buttons).
    void choose(int item);

signals:
    // The item shown changed, by the person or by the model.
    void shown(int item);

private:
    QComboBox* m_list;
};

} // namespace aec
