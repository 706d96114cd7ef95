#include "platform/PseudoTerminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace aec {

PseudoTerminal::PseudoTerminal(QObject* parent) : QObject(parent) {}

PseudoTerminal::~PseudoTerminal()
{
    hangUp();
}

bool PseudoTerminal::isOpen() const
{
    return m_master >= 0;
}

bool PseudoTerminal::open()
{
    const auto fail = [this](const char* step) {
        m_error = QStringLiteral("%1: %2").arg(QLatin1String(step),
                                               QString::fromLocal8Bit(std::strerror(errno)));
        hangUp();
        return false;
    };
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return fail("posix_openpt");
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
        return fail("grantpt/unlockpt");
    // Raw before anyone writes, or the line discipline cooks and echoes the bytes.
    termios settings{};
    if (::tcgetattr(m_master, &settings) != 0)
        return fail("tcgetattr");
    ::cfmakeraw(&settings);
    ::cfsetispeed(&settings, B115200);
    ::cfsetospeed(&settings, B115200);
    if (::tcsetattr(m_master, TCSANOW, &settings) != 0)
        return fail("tcsetattr");
    const char* name = ::ptsname(m_master);
    if (!name)
        return fail("ptsname");
    m_slavePath = QString::fromLocal8Bit(name);
    // Holding the slave open keeps the master readable without errors while no serial port
    // has it open (between the controller's port tries); otherwise every read fails with EIO
    // and the notifier fires without pause.
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slaveHold < 0)
        return fail("open slave");

    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PseudoTerminal::readAvailable);
    return true;
}

void PseudoTerminal::write(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n =
            ::write(m_master, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n < 0 && errno == EINTR)
            continue;
        else
            return; // buffer full or line gone: the bytes are lost as on a real line
    }
}

void PseudoTerminal::readAvailable()
{
    char buffer[4096];
    // A receiver may hang up the line from inside bytesReceived: check before every read.
    while (m_master >= 0) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n > 0) {
            emit bytesReceived(QByteArray(buffer, static_cast<qsizetype>(n)));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // drained
        // The line is gone: stop listening rather than be woken without pause.
        if (m_notifier)
            m_notifier->setEnabled(false);
        return;
    }
}

void PseudoTerminal::hangUp()
{
    if (m_notifier) {
        // May be called from the notifier's own signal: let it finish first.
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
        m_notifier = nullptr;
    }
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    if (m_master >= 0)
        ::close(m_master);
    m_slaveHold = -1;
    m_master = -1;
}

} // namespace aec
