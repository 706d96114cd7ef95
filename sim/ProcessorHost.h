#pragma once

#include "sim/SimulatedProcessor.h"

#include <QObject>
#include <QString>

namespace aec::sim {

// A simulated processor on a line that a controller can open: a pseudo-terminal or a TCP port
// on the loopback. A line hung up by the processor's fault plan can come back after a while,
// at the same path or port, as a USB adapter plugged in again or a network server restarted.
class ProcessorHost : public QObject
{
    Q_OBJECT
public:
    explicit ProcessorHost(FaultPlan faults = {}, QObject* parent = nullptr);

    virtual bool start() = 0;
    // What the controller opens: a device path or "tcp://127.0.0.1:port".
    virtual QString portPath() const = 0;
    virtual QString errorString() const = 0;
    virtual bool isHungUp() const = 0;
    // The line goes away, as a pulled adapter or a stopped server.
    virtual void hangUp() = 0;
    // The line is back at the same path or port; the processor answers again.
    bool reopen();

    SimulatedProcessor& processor() { return m_processor; }
    // After the fault plan hangs the line up, bring it back `ms` later (-1: never).
    void setReopenAfter(int ms) { m_reopenAfterMs = ms; }

signals:
    void lineHungUp();
    void lineReopened();

protected:
    virtual bool reopenLine() = 0;

    SimulatedProcessor m_processor;

private:
    int m_reopenAfterMs = -1;
};

} // namespace aec::sim
