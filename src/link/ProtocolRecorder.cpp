#include "link/ProtocolRecorder.h"

#include "link/LinkSession.h"
#include "link/ProtocolDecoder.h"

#include <QDateTime>

namespace aec {

ProtocolRecorder::ProtocolRecorder(int capacity, Clock clock, QObject* parent)
    : QObject(parent), m_capacity(capacity > 0 ? capacity : 1), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentMSecsSinceEpoch(); };
}

ProtocolRecorder::~ProtocolRecorder()
{
    detach();
}

void ProtocolRecorder::attach(LinkSession& session, DiagnosticLog& log)
{
    detach();
    m_session = &session;
    session.setTap(this);
    m_logConnection = connect(&log, &DiagnosticLog::lineAppended, this, &ProtocolRecorder::logged);
}

void ProtocolRecorder::detach()
{
    if (m_session)
        m_session->setTap(nullptr);
    m_session = nullptr;
    disconnect(m_logConnection);
}

void ProtocolRecorder::clear()
{
    m_first += size();
    m_records.clear();
}

void ProtocolRecorder::sent(QByteArrayView frame)
{
    add(ProtocolRecord::Direction::Out, frame, {});
}

void ProtocolRecorder::received(QByteArrayView item)
{
    add(ProtocolRecord::Direction::In, item, {});
}

void ProtocolRecorder::resynced(QByteArrayView dropped, const char* why)
{
    const QString reason = QLatin1String(why);
    add(ProtocolRecord::Direction::Resync, dropped, {reason, reason});
}

void ProtocolRecorder::noted(const BilingualText& text)
{
    add(ProtocolRecord::Direction::Session, {}, text);
}

void ProtocolRecorder::logged(const QString& line)
{
    add(ProtocolRecord::Direction::Log, {}, {line, line});
}

void ProtocolRecorder::add(ProtocolRecord::Direction direction, QByteArrayView bytes,
                           BilingualText words)
{
    if (size() >= m_capacity) {
        m_records.pop_front();
        ++m_first;
    }
    m_records.push_back({m_clock(), direction, ProtocolDecoder::KindOf(direction, bytes),
                         bytes.toByteArray(), std::move(words)});
}

} // namespace aec
