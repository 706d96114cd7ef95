#pragma once

#include "platform/PseudoTerminal.h"
#include "sim/ProcessorHost.h"

namespace aec::sim {

// Puts a simulated processor on the master side of a pseudo-terminal, so a real serial port
// can open the slave side and talk to it as to the hardware. With a link path, a symbolic link
// there points at the slave side (as /dev/serial/by-id does at a USB adapter): it disappears
// with a hang-up and points at the new pseudo-terminal when the line comes back.
class SimulatorHost : public ProcessorHost
{
    Q_OBJECT
public:
    explicit SimulatorHost(FaultPlan faults = {}, QObject* parent = nullptr);
    ~SimulatorHost() override;

    // Before start(): the path of the symbolic link to keep pointing at the line.
    void setLinkPath(const QString& path) { m_linkPath = path; }

    bool start() override;
    // The link path when there is one, else the pseudo-terminal's own.
    QString portPath() const override;
    QString errorString() const override;
    bool isHungUp() const override { return !m_terminal.isOpen(); }
    void hangUp() override;

protected:
    bool reopenLine() override;

private:
    bool placeLink();

    PseudoTerminal m_terminal;
    QString m_linkPath;
    QString m_linkError;
};

} // namespace aec::sim
