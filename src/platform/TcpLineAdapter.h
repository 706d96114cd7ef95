#pragma once

#include "core/SerialLine.h"

#include <QObject>
#include <QTcpSocket>

#include <optional>

namespace aec {

// A processor behind a serial-to-network server in raw mode: the same bytes as on the serial
// line over a TCP connection to "tcp://host:port". Opening starts the connection and takes
// frames at once (they leave when it is up). The connection's own errors end it the way a
// pulled USB adapter ends a serial port: the line closes and lineLost() tells why; the link
// session notices the missing answers as it does on a serial line.
class TcpLineAdapter : public QObject, public SerialLine
{
    Q_OBJECT
public:
    struct Address
    {
        QString host;
        quint16 port = 0;
    };
    static bool IsTcpName(const QString& name);
    // "tcp://host:port" with a port from 1 to 65535 (IPv6 hosts in brackets); nothing otherwise.
    static std::optional<Address> ParseName(const QString& name);

    explicit TcpLineAdapter(QObject* parent = nullptr);

    bool open(const QString& portName) override;
    void close() override;
    bool isOpen() const override;
    bool write(QByteArrayView bytes) override;
    PortFailure openFailure() const override { return m_failure; }

    // Waits up to `msecs` for written bytes to leave, as before the program ends.
    void drain(int msecs);

signals:
    void bytesReceived(const QByteArray& bytes);
    void lineLost(const QString& reason);

private:
    void handleError(QAbstractSocket::SocketError error);

    QTcpSocket m_socket;
    PortFailure m_failure;
    bool m_wasConnected = false;
    QByteArray m_unsent; // written while the connection was being made
};

} // namespace aec
