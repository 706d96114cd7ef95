#include "link/FrameReceiver.h"

#include "link/DeviceFrame.h"

#include <algorithm>
#include <utility>

namespace aec {
namespace {

std::uint8_t At(const QByteArray& bytes, qsizetype i)
{
    return static_cast<std::uint8_t>(bytes[i]);
}

bool IsStartByte(std::uint8_t byte)
{
    return byte == Frame::Header1 || byte == Frame::AckLead;
}

bool IsCommand(std::uint8_t byte)
{
    return byte == Frame::WriteCommand || byte == Frame::ReadCommand;
}

enum class Start { No, Maybe, Yes };

// Whether the bytes from `at` begin an acknowledgement or a frame, as far as they go. Each
// header byte is judged as soon as it is here; a length below 4 cannot hold command, address
// and checksum.
Start StartAt(const QByteArray& bytes, qsizetype at)
{
    const qsizetype available = bytes.size() - at;
    const std::uint8_t first = At(bytes, at);
    if (first == Frame::AckLead) {
        if (available < 2)
            return Start::Maybe;
        const std::uint8_t code = At(bytes, at + 1);
        return code == Frame::AckCode1 || code == Frame::AckCode2 ? Start::Yes : Start::No;
    }
    if (first != Frame::Header1)
        return Start::No;
    if ((available >= 2 && At(bytes, at + 1) != Frame::Header2) ||
        (available >= 3 && At(bytes, at + 2) < Frame::LengthOverhead) ||
        (available >= 4 && !IsCommand(At(bytes, at + 3))))
        return Start::No;
    return available >= 4 ? Start::Yes : Start::Maybe;
}

} // namespace

FrameReceiver::FrameReceiver(LinkFlags& flags, FrameApplier& applier, DiagnosticLog& log)
    : m_flags(flags), m_applier(applier), m_log(log)
{
}

void FrameReceiver::receive(QByteArrayView bytes)
{
    m_pending.append(bytes.data(), bytes.size());
    m_bytesReceived += bytes.size();
    m_heard = true;
    parse();
}

void FrameReceiver::lineTick(int periodMs)
{
    if (std::exchange(m_heard, false)) {
        m_quietMs = 0;
        return;
    }
    if (m_pending.isEmpty())
        return;
    m_quietMs += periodMs;
    if (m_quietMs < QuietLimitMs)
        return;
    // Every byte held has waited past the read time-out: nothing still incomplete among them
    // is a frame in progress.
    m_quietMs = 0;
    m_lineQuiet = true;
    parse();
    m_lineQuiet = false;
}

void FrameReceiver::reset()
{
    m_pending.clear();
    m_heard = false;
    m_quietMs = 0;
}

void FrameReceiver::parse()
{
    qsizetype pos = 0;
    while (handleOne(pos) == Step::Progress) {
    }
    m_pending.remove(0, pos);
}

FrameReceiver::State FrameReceiver::state() const
{
    if (m_pending.isEmpty() || !IsStartByte(At(m_pending, 0)))
        return Hunting;
    const bool headerComplete = At(m_pending, 0) == Frame::Header1 && m_pending.size() >= 4;
    return headerComplete ? Body : Header;
}

FrameReceiver::Step FrameReceiver::handleOne(qsizetype& pos)
{
    // Anything before a frame start is noise.
    const qsizetype noiseFrom = pos;
    while (pos < m_pending.size() && !IsStartByte(At(m_pending, pos)))
        ++pos;
    if (pos > noiseFrom) {
        ++m_noiseRuns;
        if (m_tap)
            m_tap->resynced(QByteArrayView(m_pending).sliced(noiseFrom, pos - noiseFrom),
                            "noise before a frame start");
    }
    if (pos >= m_pending.size())
        return Step::NeedMore;
    return At(m_pending, pos) == Frame::AckLead ? handleAcknowledgement(pos) : handleFrame(pos);
}

FrameReceiver::Step FrameReceiver::handleAcknowledgement(qsizetype& pos)
{
    const Start start = StartAt(m_pending, pos);
    if (start == Start::Maybe && !m_lineQuiet)
        return Step::NeedMore;
    if (start != Start::Yes) {
        // Not an acknowledgement: search again from the byte after the lead, which may
        // itself start a frame.
        return skipFalseStart(pos);
    }
    if (m_tap)
        m_tap->received(QByteArrayView(m_pending).sliced(pos, 2));
    pos += 2;
    m_flags.Answered = 1;
    m_flags.ReadyToSend = 1;
    m_flags.RxEvent = LinkFlags::Acknowledged;
    ++m_flags.Acknowledgements;
    return Step::Progress;
}

FrameReceiver::Step FrameReceiver::handleFrame(qsizetype& pos)
{
    // A start byte that does not begin a frame costs only itself.
    const Start start = StartAt(m_pending, pos);
    if (start == Start::No)
        return skipFalseStart(pos);
    const qsizetype available = m_pending.size() - pos;
    if (start == Start::Maybe)
        return needMore(pos);
    const int length = At(m_pending, pos + 2);
    const qsizetype frameSize = length + 3;
    if (available < frameSize)
        return needMore(pos);

    const QByteArrayView frame = QByteArrayView(m_pending).sliced(pos, frameSize);
    if (FrameChecksum(frame.first(frameSize - 1)) != At(m_pending, pos + frameSize - 1)) {
        Start inside = Start::No;
        for (qsizetype i = pos + 1; i < pos + frameSize && inside != Start::Yes; ++i)
            if (const Start found = StartAt(m_pending, i); found != Start::No)
                inside = found;
        if (inside == Start::Maybe && !m_lineQuiet)
            return Step::NeedMore; // the start inside is not complete yet
        if (inside == Start::Yes)
            return abandonStart(pos, "bad checksum, a frame starts inside");
        // Otherwise it is the processor's own answer with a damaged checksum, which is stored
        // all the same: the processor may send its answers so and rely on them being taken.
    }

    ++m_framesReceived;
    if (m_tap)
        m_tap->received(frame);
    m_log.append(QStringLiteral("缓存长度K:C:L=%1 %1 %2").arg(available).arg(length - 1));
    m_applier.ApplyFrame(frame);
    m_flags.RxEvent = LinkFlags::DataFrame;
    if (m_flags.Awaited.matches(At(m_pending, pos + 4), At(m_pending, pos + 5)))
        m_flags.ReplyArrived = 1;
    pos += frameSize;
    return Step::Progress;
}

FrameReceiver::Step FrameReceiver::skipFalseStart(qsizetype& pos)
{
    ++m_noiseRuns;
    if (m_tap)
        m_tap->resynced(QByteArrayView(m_pending).sliced(pos, 1), "not a frame start");
    pos += 1;
    return Step::Progress;
}

// An incomplete frame waits for its bytes, unless the line has gone quiet.
FrameReceiver::Step FrameReceiver::needMore(qsizetype& pos)
{
    if (!m_lineQuiet)
        return Step::NeedMore;
    return abandonStart(pos, "incomplete when the line went quiet");
}

FrameReceiver::Step FrameReceiver::abandonStart(qsizetype& pos, const char* why)
{
    ++m_abandonedStarts;
    const qsizetype shown = std::min<qsizetype>(m_pending.size() - pos, Frame::HeaderSize);
    if (m_tap)
        m_tap->resynced(QByteArrayView(m_pending).sliced(pos, 1), why);
    m_log.append(QStringLiteral("丢弃帧头(%1): %2")
                     .arg(QLatin1String(why))
                     .arg(HexDump(QByteArrayView(m_pending).sliced(pos, shown))));
    pos += 1;
    return Step::Progress;
}

} // namespace aec
