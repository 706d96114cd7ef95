#include "platform/SerialPortAdapter.h"

#include <QFileInfo>
#include <QSerialPortInfo>

namespace aec {
namespace {

// Qt reports a port locked by another program and one the user may not open alike.
PortFailure DescribeOpenError(const QString& name, QSerialPort::SerialPortError error,
                              const QString& detail)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError:
        return {PortFailure::Kind::Absent, detail};
    case QSerialPort::PermissionError: {
        const QFileInfo device(name);
        if (device.exists() && !(device.isReadable() && device.isWritable()))
            return {PortFailure::Kind::Denied, detail};
        return {PortFailure::Kind::Busy, detail};
    }
    case QSerialPort::OpenError:
        return {PortFailure::Kind::Busy, detail};
    default:
        return {PortFailure::Kind::Other, detail};
    }
}

} // namespace

SerialPortAdapter::SerialPortAdapter(QObject* parent) : QObject(parent)
{
    connect(&m_port, &QSerialPort::readyRead, this, [this] {
        const QByteArray bytes = m_port.readAll();
        if (!bytes.isEmpty())
            emit bytesReceived(bytes);
    });
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialPortAdapter::handleError);
}

QStringList SerialPortAdapter::availablePortNames()
{
    QStringList names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names << info.systemLocation();
    return names;
}

bool SerialPortAdapter::open(const QString& portName)
{
    close();
    m_port.setPortName(portName);
    m_port.setBaudRate(QSerialPort::Baud115200);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_failure = {};
    if (!m_port.open(QIODevice::ReadWrite)) {
        m_failure = DescribeOpenError(portName, m_port.error(), m_port.errorString());
        return false;
    }
    // Pseudo-terminals and some adapters refuse the modem lines; the port works without them.
    m_port.setDataTerminalReady(true);
    m_port.setRequestToSend(true);
    m_port.clearError();
    return true;
}

void SerialPortAdapter::close()
{
    if (m_port.isOpen())
        m_port.close();
    m_port.clearError();
}

bool SerialPortAdapter::write(QByteArrayView bytes)
{
    if (!m_port.isOpen())
        return false;
    if (m_port.write(bytes.data(), bytes.size()) != bytes.size())
        return false;
    // Hand the bytes to the system now rather than at the next turn of the event loop.
    m_port.flush();
    return m_port.isOpen();
}

void SerialPortAdapter::drain(int msecs)
{
    if (m_port.isOpen() && m_port.bytesToWrite() > 0)
        m_port.waitForBytesWritten(msecs);
}

void SerialPortAdapter::handleError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError: {
        const QString reason = m_port.errorString();
        m_port.close();
        emit lineLost(reason);
        return;
    }
    default:
        return;
    }
}

} // namespace aec
