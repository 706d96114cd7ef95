#include "link/FrameReceiver.h"

#include "link/DeviceFrame.h"

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

} // namespace

FrameReceiver::FrameReceiver(LinkFlags& flags, FrameApplier& applier, DiagnosticLog& log)
    : m_flags(flags), m_applier(applier), m_log(log)
{
}

void FrameReceiver::receive(QByteArrayView bytes)
{
    m_pending.append(bytes.data(), bytes.size());
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
    while (pos < m_pending.size() && !IsStartByte(At(m_pending, pos)))
        ++pos;
    if (pos >= m_pending.size())
        return Step::NeedMore;
    return At(m_pending, pos) == Frame::AckLead ? handleAcknowledgement(pos) : handleFrame(pos);
}

FrameReceiver::Step FrameReceiver::handleAcknowledgement(qsizetype& pos)
{
    if (m_pending.size() - pos < 2)
        return Step::NeedMore;
    const std::uint8_t code = At(m_pending, pos + 1);
    if (code != Frame::AckCode1 && code != Frame::AckCode2) {
        // Not an acknowledgement: search again from the byte after the lead, which may
        // itself start a frame.
        pos += 1;
        return Step::Progress;
    }
    pos += 2;
    m_flags.Answered = 1;
    m_flags.ReadyToSend = 1;
    m_flags.RxEvent = LinkFlags::Acknowledged;
    ++m_flags.Acknowledgements;
    return Step::Progress;
}

FrameReceiver::Step FrameReceiver::handleFrame(qsizetype& pos)
{
    // Each header byte is judged as soon as it is here, so a stray 0xF5 never holds back the
    // acknowledgement or frame behind it. A length below 4 cannot hold command, address and
    // checksum.
    const qsizetype available = m_pending.size() - pos;
    const bool falseStart = (available >= 2 && At(m_pending, pos + 1) != Frame::Header2) ||
                            (available >= 3 && At(m_pending, pos + 2) < Frame::LengthOverhead) ||
                            (available >= 4 && !IsCommand(At(m_pending, pos + 3)));
    if (falseStart) {
        pos += 1;
        return Step::Progress;
    }
    if (available < 4)
        return Step::NeedMore;
    const int length = At(m_pending, pos + 2);
    const qsizetype frameSize = length + 3;
    if (available < frameSize)
        return Step::NeedMore;

    m_log.append(QStringLiteral("缓存长度K:C:L=%1 %1 %2").arg(available).arg(length - 1));
    m_applier.ApplyFrame(QByteArrayView(m_pending).sliced(pos, frameSize));
    m_flags.RxEvent = LinkFlags::DataFrame;
    if (m_flags.Awaited.matches(At(m_pending, pos + 4), At(m_pending, pos + 5)))
        m_flags.ReplyArrived = 1;
    pos += frameSize;
    return Step::Progress;
}

} // namespace aec
