#include "link/TransferSequence.h"

namespace aec {
namespace {

constexpr int ModeNameStep = 30;
constexpr int FirstSystemItemStep = 31;
constexpr int LastModeNameIndex = 22; // the counter runs one ahead of the name requested
constexpr int RepeatAfterTicks = 32;  // an unanswered step is sent again after 3.2 s
constexpr int AbandonTicks = 100;     // and abandoned 10 s after that
constexpr int TicksCap = 100;

} // namespace

TransferSequence::TransferSequence(SessionState& state, LinkFlags& flags, FrameSender& sender)
    : m_state(state), m_flags(flags), m_sender(sender)
{
}

void TransferSequence::start(TransferDirection direction)
{
    m_state.TransferStep = 0;
    m_state.Direction = direction;
    m_state.TransferTotal = direction == TransferDirection::Load ? LoadTotal : DownloadTotal;
    // A load abandoned among the mode names would otherwise leave the counter part-way and
    // place every name of the next load at the wrong index.
    if (direction == TransferDirection::Load)
        m_flags.ModeNameIndex = 0;
    requestStep(1);
}

TransferSequence::Outcome TransferSequence::tick()
{
    SessionState& s = m_state;
    if (s.TransferTicks < TicksCap)
        ++s.TransferTicks;
    if (stepAnswered()) {
        if (s.TransferStep >= s.TransferTotal) {
            m_flags.RxEvent = LinkFlags::None;
            m_flags.Awaited = {};
            return Outcome::Complete;
        }
        advance();
    } else if (s.TransferRepeats == 0 && s.TransferTicks >= RepeatAfterTicks) {
        requestStep(1);
        s.TransferRepeats = 1;
        ++m_repeats;
    } else if (s.TransferRepeats > 0 && s.TransferTicks >= AbandonTicks) {
        return Outcome::Abandoned;
    }
    return Outcome::Running;
}

// A load step is answered only by the data frame of its own request; a download step, which
// writes, by the acknowledgement (or a data frame) that follows its frames.
bool TransferSequence::stepAnswered() const
{
    if (m_state.Direction == TransferDirection::Load)
        return m_flags.ReplyArrived == 1;
    return m_flags.RxEvent == LinkFlags::Acknowledged || m_flags.RxEvent == LinkFlags::DataFrame;
}

// Sends the frame of the current step `times` times, counting only answers that arrive after it.
void TransferSequence::requestStep(int times)
{
    SessionState& s = m_state;
    m_flags.RxEvent = LinkFlags::None;
    m_flags.ReplyArrived = 0;
    m_flags.Awaited = s.Direction == TransferDirection::Load
                          ? FrameSender::LoadReply(s.TransferStep)
                          : LinkFlags::AwaitedReply{};
    for (int i = 0; i < times; ++i)
        m_sender.TransferItem(s.TransferStep, s.Direction);
    s.TransferTicks = 0;
    s.TransferRepeats = 0;
}

// The step just answered leads to the next request. Mode names are asked for twice per tick,
// each with the index the counter held before it ran ahead.
void TransferSequence::advance()
{
    SessionState& s = m_state;
    auto& buffer = m_sender.FrameBuffer;
    if (s.TransferStep == ModeNameStep) {
        buffer[0] = static_cast<std::uint8_t>(m_flags.ModeNameIndex);
        buffer[1] = 0;
        if (++m_flags.ModeNameIndex > LastModeNameIndex) {
            m_flags.ModeNameIndex = 0;
            s.TransferStep = FirstSystemItemStep;
        }
        requestStep(2);
        return;
    }
    if (s.TransferStep == ModeNameStep - 1) {
        buffer[0] = static_cast<std::uint8_t>(m_flags.ModeNameIndex);
        buffer[1] = 0;
        ++m_flags.ModeNameIndex;
    }
    ++s.TransferStep;
    requestStep(1);
}

} // namespace aec
