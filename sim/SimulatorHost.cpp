#include "sim/SimulatorHost.h"

namespace aec::sim {

SimulatorHost::SimulatorHost(FaultPlan faults, QObject* parent)
    : QObject(parent), m_processor(faults)
{
    connect(&m_terminal, &PseudoTerminal::bytesReceived, &m_processor,
            [this](const QByteArray& bytes) { m_processor.receive(bytes); });
    connect(&m_processor, &SimulatedProcessor::transmitted, &m_terminal,
            [this](const QByteArray& bytes) { m_terminal.write(bytes); });
    connect(&m_processor, &SimulatedProcessor::hangUpRequested, &m_terminal,
            &PseudoTerminal::hangUp);
}

bool SimulatorHost::start()
{
    return m_terminal.open();
}

} // namespace aec::sim
