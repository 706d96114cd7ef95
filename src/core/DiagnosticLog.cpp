#include "core/DiagnosticLog.h"

namespace aec {

DiagnosticLog::DiagnosticLog(int capacity, QObject* parent)
    : QObject(parent), m_capacity(capacity > 0 ? capacity : 1)
{
}

void DiagnosticLog::append(const QString& line)
{
    if (m_lines.size() >= m_capacity)
        m_lines.removeFirst();
    m_lines.append(line);
    emit lineAppended(line);
}

void DiagnosticLog::clear()
{
    m_lines.clear();
    emit cleared();
}

} // namespace aec
