#pragma once

#include "core/DiagnosticLog.h"
#include "link/FrameApplier.h"
#include "link/LinkFlags.h"
#include "link/LinkTap.h"

#include <QByteArray>
#include <QByteArrayView>

namespace aec {

// Assembles acknowledgements and data frames from the bytes the serial port delivers, in
// whatever chunks they arrive. Every item that a chunk completes is handled at once, so no
// frame waits for later traffic; an incomplete one waits for more bytes and is never applied
// with bytes missing.
//
// A stray frame start (F5 B1 with a plausible length and command) must not swallow the
// answers behind it: a completed frame whose checksum is wrong and inside which another frame
// or acknowledgement starts is dropped and its bytes after the first searched again; and a
// frame still incomplete once the line has been quiet for the port's read time-out is
// abandoned the same way. A real frame arrives at wire speed (258 bytes in about 22 ms).
class FrameReceiver
{
public:
    enum State { Hunting = 0, Header = 1, Body = 2 };
    static constexpr int QuietLimitMs = 100; // the port's read time-out per byte

    FrameReceiver(LinkFlags& flags, FrameApplier& applier, DiagnosticLog& log);

    // Takes the bytes of one receive event.
    void receive(QByteArrayView bytes);

    // Time passing on the line, from the link session's timer ticks: `periodMs` since the last
    // call. Only ticks without a byte received in them count as quiet.
    void lineTick(int periodMs);

    // Back to hunting; bytes of an unfinished frame are dropped. Used when a link starts.
    void reset();

    // Where the receiver stands in the bytes it holds.
    State state() const;
    qsizetype pendingSize() const { return m_pending.size(); }
    // Frame starts dropped because they turned out not to begin a frame.
    int abandonedStartCount() const { return m_abandonedStarts; }
    // Runs of bytes before a frame start and start bytes that began nothing, skipped as noise.
    int noiseRunCount() const { return m_noiseRuns; }
    qint64 bytesReceived() const { return m_bytesReceived; }
    qint64 framesReceived() const { return m_framesReceived; }
    void setTap(LinkTap* tap) { m_tap = tap; }

private:
    enum class Step { Progress, NeedMore };
    void parse();
    Step handleOne(qsizetype& pos);
    Step handleAcknowledgement(qsizetype& pos);
    Step handleFrame(qsizetype& pos);
    Step needMore(qsizetype& pos);
    Step skipFalseStart(qsizetype& pos);
    Step abandonStart(qsizetype& pos, const char* why);

    LinkFlags& m_flags;
    FrameApplier& m_applier;
    DiagnosticLog& m_log;
    QByteArray m_pending; // bytes received and not yet consumed
    bool m_heard = false; // a byte came since the last tick
    int m_quietMs = 0;
    bool m_lineQuiet = false; // while set, nothing more will complete what is held
    int m_abandonedStarts = 0;
    int m_noiseRuns = 0;
    qint64 m_bytesReceived = 0;
    qint64 m_framesReceived = 0;
    LinkTap* m_tap = nullptr;
};

} // namespace aec
