#include "widgets/ListBinding.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

namespace aec {

ListBinding::ListBinding(QComboBox* list, const ParamRow& row, ParameterModel& model)
    : Binding(row, model, list), m_list(list)
{
    connect(list, &QComboBox::activated, this, &ListBinding::choose);
}

void ListBinding::choose(int item)
{
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(item);
    }
    emit shown(item);
    store(item);
}

void ListBinding::show(std::int32_t value)
{
    const int item = std::clamp(value, 0, std::max(0, m_list->count() - 1));
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(item);
    }
    emit shown(item);
}

} // namespace aec
