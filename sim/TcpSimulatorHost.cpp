#include "sim/TcpSimulatorHost.h"

#include <QHostAddress>

namespace aec::sim {

TcpSimulatorHost::TcpSimulatorHost(quint16 port, FaultPlan faults, QObject* parent)
    : ProcessorHost(faults, parent), m_port(port)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TcpSimulatorHost::accept);
    connect(&m_processor, &SimulatedProcessor::transmitted, this, [this](const QByteArray& bytes) {
        if (m_client)
            m_client->write(bytes);
    });
}

bool TcpSimulatorHost::start()
{
    // The loopback only: nothing outside this machine reaches the simulated processor.
    if (!m_server.listen(QHostAddress::LocalHost, m_port))
        return false;
    m_port = m_server.serverPort();
    return true;
}

QString TcpSimulatorHost::portPath() const
{
    return QStringLiteral("tcp://127.0.0.1:%1").arg(m_port);
}

void TcpSimulatorHost::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        dropClient();
        ++m_accepted;
        m_client = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_processor.restoreLine(); // nothing half-received from the last connection counts
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            const QByteArray bytes = socket->readAll();
            if (socket == m_client)
                m_processor.receive(bytes);
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void TcpSimulatorHost::dropClient()
{
    if (!m_client)
        return;
    QTcpSocket* client = m_client;
    m_client = nullptr;
    client->disconnectFromHost();
    if (client->state() == QAbstractSocket::UnconnectedState)
        client->deleteLater();
}

void TcpSimulatorHost::hangUp()
{
    // Stop listening first: a controller that sees the connection end may try again at once.
    m_server.close();
    dropClient();
    emit lineHungUp();
}

} // namespace aec::sim
