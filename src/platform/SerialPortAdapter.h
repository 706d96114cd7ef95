#pragma once

#include "core/SerialLine.h"

#include <QObject>
#include <QSerialPort>
#include <QStringList>

namespace aec {

// The one place that touches QSerialPort: 115200 baud, 8 data bits, no parity, one stop bit,
// no flow control, DTR and RTS raised where the device allows. A line that hangs up (a USB
// adapter pulled out) is closed at once: Qt would otherwise report the error without pause.
class SerialPortAdapter : public QObject, public SerialLine
{
    Q_OBJECT
public:
    explicit SerialPortAdapter(QObject* parent = nullptr);

    bool open(const QString& portName) override;
    void close() override;
    bool isOpen() const override { return m_port.isOpen(); }
    bool write(QByteArrayView bytes) override;
    PortFailure openFailure() const override { return m_failure; }

    // Waits up to `msecs` for written bytes to leave, as before the program ends.
    void drain(int msecs);
    QString portName() const { return m_port.portName(); }

    // The machine's serial ports in the platform's order.
    static QStringList availablePortNames();

signals:
    void bytesReceived(const QByteArray& bytes);
    void lineLost(const QString& reason);

private:
    void handleError(QSerialPort::SerialPortError error);

    QSerialPort m_port;
    PortFailure m_failure;
};

} // namespace aec
