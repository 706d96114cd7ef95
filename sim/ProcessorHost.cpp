#include "sim/ProcessorHost.h"

#include <QTimer>

namespace aec::sim {

ProcessorHost::ProcessorHost(FaultPlan faults, QObject* parent)
    : QObject(parent), m_processor(faults)
{
    connect(&m_processor, &SimulatedProcessor::hangUpRequested, this, [this] {
        hangUp();
        if (m_reopenAfterMs >= 0)
            QTimer::singleShot(m_reopenAfterMs, this, [this] { reopen(); });
    });
}

bool ProcessorHost::reopen()
{
    if (!reopenLine())
        return false;
    m_processor.restoreLine();
    emit lineReopened();
    return true;
}

} // namespace aec::sim
