#include "platform/TcpLineAdapter.h"

#include <QUrl>

#include <utility>

namespace aec {
namespace {
const QString Scheme = QStringLiteral("tcp://");
}

bool TcpLineAdapter::IsTcpName(const QString& name)
{
    return name.startsWith(Scheme, Qt::CaseInsensitive);
}

std::optional<TcpLineAdapter::Address> TcpLineAdapter::ParseName(const QString& name)
{
    if (!IsTcpName(name))
        return std::nullopt;
    const QUrl url(name, QUrl::StrictMode);
    const int port = url.port();
    if (!url.isValid() || url.host().isEmpty() || port < 1 || port > 65535 ||
        !url.path().isEmpty() || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return std::nullopt;
    return Address{url.host(), static_cast<quint16>(port)};
}

TcpLineAdapter::TcpLineAdapter(QObject* parent) : QObject(parent)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, [this] {
        const QByteArray bytes = m_socket.readAll();
        if (!bytes.isEmpty())
            emit bytesReceived(bytes);
    });
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        m_wasConnected = true;
        m_failure = {};
        if (!m_unsent.isEmpty())
            m_socket.write(std::exchange(m_unsent, {}));
    });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TcpLineAdapter::handleError);
}

bool TcpLineAdapter::open(const QString& portName)
{
    close();
    m_failure = {};
    m_wasConnected = false;
    const std::optional<Address> address = ParseName(portName);
    if (!address) {
        m_failure = {PortFailure::Kind::Other,
                     QStringLiteral("not a network address of the form tcp://host:port")};
        return false;
    }
    // Frames are small and each waits for its answer: send them without delay.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket.connectToHost(address->host, address->port);
    return true;
}

void TcpLineAdapter::close()
{
    m_unsent.clear();
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
}

bool TcpLineAdapter::isOpen() const
{
    return m_socket.state() != QAbstractSocket::UnconnectedState;
}

bool TcpLineAdapter::write(QByteArrayView bytes)
{
    if (!isOpen())
        return false;
    // While the connection is being made the bytes wait here and go once it is up; handed to
    // the socket then, a refused connection would make it complain on the console.
    if (m_socket.state() != QAbstractSocket::ConnectedState) {
        m_unsent.append(bytes.data(), bytes.size());
        return true;
    }
    return m_socket.write(bytes.data(), bytes.size()) == bytes.size();
}

void TcpLineAdapter::drain(int msecs)
{
    if (m_socket.state() == QAbstractSocket::ConnectedState && m_socket.bytesToWrite() > 0)
        m_socket.waitForBytesWritten(msecs);
}

// Every error ends the connection at once, as a hang-up ends a serial line; one that comes
// before the connection was up says why the port could not be opened.
void TcpLineAdapter::handleError(QAbstractSocket::SocketError error)
{
    const QString reason = m_socket.errorString();
    if (!m_wasConnected) {
        switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
        case QAbstractSocket::RemoteHostClosedError:
            m_failure = {PortFailure::Kind::Absent, reason};
            break;
        case QAbstractSocket::SocketAccessError:
            m_failure = {PortFailure::Kind::Denied, reason};
            break;
        default:
            m_failure = {PortFailure::Kind::Other, reason};
            break;
        }
    }
    close();
    emit lineLost(reason);
}

} // namespace aec
