#pragma once

#include "link/LinkSession.h"
#include "platform/SerialPortAdapter.h"

#include <QObject>
#include <QTimer>

#include <array>

namespace aec {

// The serial link holder: owns the port ComPort, the link session and the session's three
// timers, and never shows. The timers follow the session's switches.
class TForm3 : public QObject
{
    Q_OBJECT
public:
    TForm3(ParameterModel& model, DeviceTexts& texts, MessageService& messages, DiagnosticLog& log,
           QObject* parent = nullptr);

    LinkSession& session() { return m_session; }
    SerialPortAdapter& ComPort() { return m_port; }

    // The port list: the given ports first (devices the system does not enumerate, such as
    // pseudo-terminals), then the machine's serial ports in the platform's order.
    void listPorts(const QStringList& extraPorts);

    // The main window closes: unlink an online processor and let the frame leave.
    void FormCloseQuery();

private:
    void followTimers();

    SerialPortAdapter m_port;
    LinkSession m_session;
    QTimer Timer1;
    QTimer Timer2;
    QTimer HoldTimer;
};

} // namespace aec
