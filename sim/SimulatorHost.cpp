#include "sim/SimulatorHost.h"

#include <QFile>

namespace aec::sim {

SimulatorHost::SimulatorHost(FaultPlan faults, QObject* parent) : ProcessorHost(faults, parent)
{
    connect(&m_terminal, &PseudoTerminal::bytesReceived, &m_processor,
            [this](const QByteArray& bytes) { m_processor.receive(bytes); });
    connect(&m_processor, &SimulatedProcessor::transmitted, &m_terminal,
            [this](const QByteArray& bytes) { m_terminal.write(bytes); });
}

SimulatorHost::~SimulatorHost()
{
    if (!m_linkPath.isEmpty())
        QFile::remove(m_linkPath);
}

bool SimulatorHost::start()
{
    return m_terminal.open() && placeLink();
}

QString SimulatorHost::portPath() const
{
    return m_linkPath.isEmpty() ? m_terminal.slavePath() : m_linkPath;
}

QString SimulatorHost::errorString() const
{
    return m_linkError.isEmpty() ? m_terminal.errorString() : m_linkError;
}

void SimulatorHost::hangUp()
{
    m_terminal.hangUp();
    if (!m_linkPath.isEmpty())
        QFile::remove(m_linkPath);
    emit lineHungUp();
}

bool SimulatorHost::reopenLine()
{
    m_terminal.hangUp();
    return m_terminal.open() && placeLink();
}

bool SimulatorHost::placeLink()
{
    if (m_linkPath.isEmpty())
        return true;
    QFile::remove(m_linkPath);
    if (QFile::link(m_terminal.slavePath(), m_linkPath))
        return true;
    m_linkError = QStringLiteral("cannot create the link %1").arg(m_linkPath);
    return false;
}

} // namespace aec::sim
