#include "platform/LinkPort.h"

namespace aec {

LinkPort::LinkPort(QObject* parent) : QObject(parent)
{
    connect(&m_serial, &SerialPortAdapter::bytesReceived, this, &LinkPort::bytesReceived);
    connect(&m_tcp, &TcpLineAdapter::bytesReceived, this, &LinkPort::bytesReceived);
    connect(&m_serial, &SerialPortAdapter::lineLost, this, &LinkPort::lineLost);
    connect(&m_tcp, &TcpLineAdapter::lineLost, this, &LinkPort::lineLost);
}

bool LinkPort::open(const QString& portName)
{
    close();
    if (TcpLineAdapter::IsTcpName(portName))
        m_active = &m_tcp;
    else
        m_active = &m_serial;
    return m_active->open(portName);
}

void LinkPort::close()
{
    if (m_active)
        m_active->close();
}

bool LinkPort::write(QByteArrayView bytes)
{
    return m_active && m_active->write(bytes);
}

PortFailure LinkPort::openFailure() const
{
    return m_active ? m_active->openFailure() : PortFailure{};
}

void LinkPort::drain(int msecs)
{
    if (m_active == &m_serial)
        m_serial.drain(msecs);
    else if (m_active == &m_tcp)
        m_tcp.drain(msecs);
}

} // namespace aec
