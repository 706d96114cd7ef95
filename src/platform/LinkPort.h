#pragma once

#include "core/SerialLine.h"
#include "platform/SerialPortAdapter.h"
#include "platform/TcpLineAdapter.h"

#include <QObject>
#include <QStringList>

namespace aec {

// The port the link session opens by name: a serial device, or a processor on the network
// when the name is "tcp://host:port". Both deliver bytes and losses through the same signals.
class LinkPort : public QObject, public SerialLine
{
    Q_OBJECT
public:
    explicit LinkPort(QObject* parent = nullptr);

    bool open(const QString& portName) override;
    void close() override;
    bool isOpen() const override { return m_active && m_active->isOpen(); }
    bool write(QByteArrayView bytes) override;
    PortFailure openFailure() const override;

    // Waits up to `msecs` for written bytes to leave, as before the program ends.
    void drain(int msecs);

    // The machine's serial ports in the platform's order.
    static QStringList availablePortNames() { return SerialPortAdapter::availablePortNames(); }

signals:
    void bytesReceived(const QByteArray& bytes);
    void lineLost(const QString& reason);

private:
    SerialPortAdapter m_serial;
    TcpLineAdapter m_tcp;
    SerialLine* m_active = nullptr;
};

} // namespace aec
