#pragma once

#include "core/DiagnosticLog.h"
#include "link/LinkTap.h"
#include "link/ProtocolRecord.h"

#include <QObject>

#include <deque>
#include <functional>

namespace aec {

class LinkSession;

// The protocol console's memory: while attached to a session it records every frame both ways,
// acknowledgements, resyncs, the session's events and the diagnostic log's lines, in the order
// they happen, in a ring that keeps the newest `capacity` records. Records are numbered from 0
// for the whole run, so a view can ask for what came since it last looked. Detached it records
// nothing and the session pays nothing.
class ProtocolRecorder : public QObject, public LinkTap
{
    Q_OBJECT
public:
    static constexpr int DefaultCapacity = 20000;
    using Clock = std::function<qint64()>; // milliseconds since the epoch

    explicit ProtocolRecorder(int capacity = DefaultCapacity, Clock clock = {},
                              QObject* parent = nullptr);
    ~ProtocolRecorder() override;

    void attach(LinkSession& session, DiagnosticLog& log);
    void detach();
    bool isAttached() const { return m_session != nullptr; }

    int capacity() const { return m_capacity; }
    int size() const { return static_cast<int>(m_records.size()); }
    // Records pushed out of the ring by newer ones.
    qint64 dropped() const { return m_first; }
    qint64 firstSequence() const { return m_first; }
    qint64 nextSequence() const { return m_first + size(); }
    // A record still in the ring: firstSequence() <= sequence < nextSequence().
    const ProtocolRecord& at(qint64 sequence) const
    {
        return m_records[static_cast<std::size_t>(sequence - m_first)];
    }
    void clear();

    void sent(QByteArrayView frame) override;
    void received(QByteArrayView item) override;
    void resynced(QByteArrayView dropped, const char* why) override;
    void noted(const BilingualText& text) override;
    void logged(const QString& line);

private:
    void add(ProtocolRecord::Direction direction, QByteArrayView bytes, BilingualText words);

    int m_capacity;
    Clock m_clock;
    std::deque<ProtocolRecord> m_records;
    qint64 m_first = 0;
    LinkSession* m_session = nullptr;
    QMetaObject::Connection m_logConnection;
};

} // namespace aec
