#pragma once

#include "platform/PseudoTerminal.h"
#include "sim/SimulatedProcessor.h"

#include <QObject>

namespace aec::sim {

// Puts a simulated processor on the master side of a pseudo-terminal, so a real serial port
// can open the slave side and talk to it as to the hardware.
class SimulatorHost : public QObject
{
    Q_OBJECT
public:
    explicit SimulatorHost(FaultPlan faults = {}, QObject* parent = nullptr);

    bool start();
    QString portPath() const { return m_terminal.slavePath(); }
    QString errorString() const { return m_terminal.errorString(); }
    SimulatedProcessor& processor() { return m_processor; }
    bool isHungUp() const { return !m_terminal.isOpen(); }

private:
    PseudoTerminal m_terminal;
    SimulatedProcessor m_processor;
};

} // namespace aec::sim
