#pragma once

#include "sim/ProcessorHost.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

namespace aec::sim {

// Puts a simulated processor behind a TCP port on the loopback, as a serial-to-network server
// in raw mode puts a real one: bytes in, bytes out. One connection at a time; a new one takes
// the processor over from the last. A hang-up closes the connection and stops listening until
// the line is reopened.
class TcpSimulatorHost : public ProcessorHost
{
    Q_OBJECT
public:
    // Port 0 takes any free port; portPath() then names the one taken.
    explicit TcpSimulatorHost(quint16 port = 0, FaultPlan faults = {}, QObject* parent = nullptr);

    bool start() override;
    QString portPath() const override;
    QString errorString() const override { return m_server.errorString(); }
    bool isHungUp() const override { return !m_server.isListening(); }
    void hangUp() override;

    quint16 port() const { return m_port; }
    bool hasClient() const { return !m_client.isNull(); }
    int connectionsAccepted() const { return m_accepted; }

protected:
    bool reopenLine() override { return start(); }

private:
    void accept();
    void dropClient();

    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
    quint16 m_port;
    int m_accepted = 0;
};

} // namespace aec::sim
