#pragma once

#include "link/DiagnosticLog.h"
#include "link/FrameApplier.h"
#include "link/LinkFlags.h"

#include <QByteArray>
#include <QByteArrayView>

namespace aec {

// Assembles acknowledgements and data frames from the bytes the serial port delivers, in
// whatever chunks they arrive. Every item that a chunk completes is handled at once, so no
// frame waits for later traffic; an incomplete one waits for more bytes and is never applied
// with bytes missing.
class FrameReceiver
{
public:
    enum State { Hunting = 0, Header = 1, Body = 2 };

    FrameReceiver(LinkFlags& flags, FrameApplier& applier, DiagnosticLog& log);

    // Takes the bytes of one receive event.
    void receive(QByteArrayView bytes);

    // Back to hunting; bytes of an unfinished frame are dropped. Used when a link starts.
    void reset() { m_pending.clear(); }

    // Where the receiver stands in the bytes it holds.
    State state() const;
    qsizetype pendingSize() const { return m_pending.size(); }

private:
    enum class Step { Progress, NeedMore };
    Step handleOne(qsizetype& pos);
    Step handleAcknowledgement(qsizetype& pos);
    Step handleFrame(qsizetype& pos);

    LinkFlags& m_flags;
    FrameApplier& m_applier;
    DiagnosticLog& m_log;
    QByteArray m_pending; // bytes received and not yet consumed
};

} // namespace aec
