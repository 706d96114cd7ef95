#pragma once

#include "link/LinkSession.h"
#include "platform/LinkPort.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <array>

namespace aec {

// The serial link holder: owns the port ComPort (serial, or a processor on the network), the
// link session and the session's three
// timers, and never shows. The timers follow the session's switches; the HoldTimer sleeps
// through the ticks that would only count (see LinkSession::holdTicksUntilWork) on the grid of
// 20 ms it would have ticked on, so an idle link wakes the program about once a second.
class TForm3 : public QObject
{
    Q_OBJECT
public:
    TForm3(ParameterModel& model, DeviceTexts& texts, MessageService& messages, DiagnosticLog& log,
           QObject* parent = nullptr);

    LinkSession& session() { return m_session; }
    LinkPort& ComPort() { return m_port; }

    // The port list: the given ports first (devices the system does not enumerate, such as
    // pseudo-terminals), then the configured ones (a processor on the network), then the
    // machine's serial ports in the platform's order. The automatic reconnect reads it again
    // at every round.
    void listPorts(const QStringList& extraPorts);
    void setConfiguredPorts(const QStringList& ports) { m_configuredPorts = ports; }
    QStringList portList() const;

    // The main window closes: unlink an online processor and let the frame leave.
    void FormCloseQuery();

    // HoldTimer timeouts so far: what an idle link costs in wake-ups.
    int holdWakeUps() const { return m_holdWakeUps; }

private:
    void followTimers();
    void holdTimeout();
    void holdPlanChanged();
    void planHold();

    LinkPort m_port;
    LinkSession m_session;
    QStringList m_extraPorts;
    QStringList m_configuredPorts;
    QTimer Timer1;
    QTimer Timer2;
    QTimer HoldTimer;
    QElapsedTimer m_clock;
    qint64 m_holdGridMs = 0; // the grid point of the last tick run or passed
    int m_holdTicksPlanned = 1;
    int m_holdWakeUps = 0;
    bool m_inHoldTick = false;
};

} // namespace aec
