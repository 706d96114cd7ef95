#include "link/LinkSession.h"

#include "link/DeviceFrame.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace aec {
namespace {

constexpr int ModeNameStep = 30;
constexpr int FirstSystemItemStep = 31;
constexpr int LastModeNameIndex = 22; // the counter runs one ahead of the name requested
constexpr int HoldTickLimit = 50;     // one second of 20 ms ticks
constexpr int PendingRetryLimit = 50; // about 51 s for a mode command
constexpr int KeepAliveRetryLimit = 4;
constexpr int RepeatAfterTicks = 32; // an unanswered step is sent again after 3.2 s
constexpr int AbandonTicks = 100;    // and abandoned 10 s after that
constexpr int TicksCap = 100;

} // namespace

LinkSession::LinkSession(ParameterModel& model, DeviceTexts& texts, SerialLine& port,
                         MessageService& messages, DiagnosticLog& log, QObject* parent)
    : QObject(parent), m_model(model), m_port(port), m_messages(messages),
      m_applier(model.store, texts, m_flags, log), m_receiver(m_flags, m_applier, log),
      m_sender(port, model.store)
{
    // The person's edits, undo and presets go to the processor; what came from it stays.
    connect(&model, &ParameterModel::changed, this, [this](const ParamChange& change) {
        if (IsSentToProcessor(change.origin))
            SendOrQueue(change.device, change.value, change.paced);
    });
}

void LinkSession::setPortNames(const QStringList& names)
{
    m_portNames = names;
    m_selectedPort = names.isEmpty() ? -1 : 0;
}

int LinkSession::progressPercent() const
{
    if (m_state.TransferTotal <= 0)
        return 0;
    return static_cast<int>(std::lround(100.0 * m_state.TransferStep / m_state.TransferTotal));
}

// ---- Reporting ---------------------------------------------------------------------------

void LinkSession::setTimer(Timer timer, bool on)
{
    if (m_timers[timer] == on)
        return;
    m_timers[timer] = on;
    if (timer == HoldTimer)
        m_holdCountRestarted = false; // the owner's count of ticks starts now
    emit timersChanged();
}

void LinkSession::setTimers(bool search, bool transfer, bool hold)
{
    setTimer(Timer1, search);
    setTimer(Timer2, transfer);
    setTimer(HoldTimer, hold);
}

void LinkSession::ShowLinkStatus(const BilingualText& text)
{
    m_statusText = text;
    emit statusChanged();
}

void LinkSession::setColour(StatusColour colour)
{
    m_statusColour = colour;
    emit statusChanged();
}

void LinkSession::setLinkedLook(bool linked)
{
    m_linkedLook = linked;
    emit linkButtonLookChanged(linked);
}

void LinkSession::showDialog(bool visible)
{
    m_dialogVisible = visible;
    emit dialogChanged();
}

// ---- Starting and ending ------------------------------------------------------------------

void LinkSession::LinkBtnClick()
{
    // The button reads "Unlink" while a link is sought or held: pressing it then ends the link.
    if (m_linkedLook || isOnline())
        EndLink();
    else
        StartLink();
}

void LinkSession::StartLink()
{
    m_flags.Answered = 0;
    m_state.PortIndex = 0;
    m_state.PanelLockState = 0;
    m_receiver.reset();
    m_selectedPort = m_portNames.isEmpty() ? -1 : 0;
    setTimers(true, false, false);
    setLinkedLook(true);
    forgetLinkActivity();
    ShowLinkStatus(LinkText::Search);
    m_state.TransferStep = 0;
    m_state.TransferTotal = LoadTotal;
    showDialog(true);
}

void LinkSession::EndLink()
{
    m_state.LinkState = LinkPhase::NotOnline;
    setLinkedLook(false);
    setTimers(false, false, false);
    forgetLinkActivity();
    m_sender.SendLinkCommand(LinkCode::Unlink);
    ShowLinkStatus(LinkText::Offline);
    m_state.TransferTotal = DownloadTotal;
    showDialog(false);
}

// Nothing sent on one link is answered on another: a mode command, a queued edit or a transfer
// request left over from an ended, lost or failed link must never act on the next one.
void LinkSession::forgetLinkActivity()
{
    m_queue.clear();
    m_state.InFlightEntry = 0;
    m_state.PendingAction = Pending::None;
    m_state.RetryCount = 0;
    restartHoldCount();
    m_state.TransferRepeats = 0;
    m_flags.ReadyToSend = 0;
    m_flags.RxEvent = LinkFlags::None;
    m_flags.Awaited = {};
    m_flags.ReplyArrived = 0;
    settleAcknowledgements();
}

void LinkSession::CloseLink()
{
    if (isOnline())
        m_sender.SendLinkCommand(LinkCode::Unlink);
}

// ---- Port search ----------------------------------------------------------------------------

void LinkSession::Timer1Timer()
{
    m_receiver.lineTick(TimerPeriodMs[Timer1]);
    showDialog(true);
    if (m_flags.Answered == 1) {
        SessionEvent(LinkEvent::Linking);
        return;
    }
    if (m_state.PortIndex > m_state.LastTriedPort + 1 || m_selectedPort < 0) {
        m_state.PortIndex = 0;
        SessionEvent(LinkEvent::Failed);
    } else {
        // Ports that cannot be opened or written are passed over silently.
        if (m_port.isOpen())
            m_port.close();
        m_selectedPort = m_state.PortIndex < m_portNames.size() ? m_state.PortIndex : -1;
        const QString name = m_selectedPort >= 0 ? m_portNames[m_selectedPort] : QString();
        emit portSelected(m_selectedPort, name);
        m_state.LastTriedPort = m_selectedPort;
        if (!name.isEmpty() && m_port.open(name))
            m_sender.SendLinkCommand(LinkCode::Link);
    }
    ++m_state.PortIndex;
}

// ---- Events ---------------------------------------------------------------------------------

void LinkSession::startLoad(const BilingualText& status)
{
    setTimers(false, true, false);
    m_state.TransferStep = 0;
    m_state.TransferTotal = LoadTotal;
    m_state.Direction = TransferDirection::Load;
    // A load abandoned among the mode names would otherwise leave the counter part-way and
    // place every name of the next load at the wrong index.
    m_flags.ModeNameIndex = 0;
    settleAcknowledgements();
    requestStep(1);
    ShowLinkStatus(status);
}

void LinkSession::startDownload()
{
    settleAcknowledgements();
    setTimers(false, true, false);
    m_state.TransferStep = 0;
    m_state.TransferTotal = DownloadTotal;
    m_state.Direction = TransferDirection::Download;
    ShowLinkStatus(LinkText::Download);
    m_state.LinkState = LinkPhase::NotOnline;
    requestStep(1);
}

void LinkSession::SessionEvent(LinkEvent event)
{
    switch (event) {
    case LinkEvent::Linking:
        startLoad(LinkText::Linking);
        m_state.LinkState = LinkPhase::NotOnline;
        setColour(StatusColour::Neutral);
        return;
    case LinkEvent::Reload:
        startLoad(LinkText::Loading);
        return;
    case LinkEvent::Download:
        if (!isOnline())
            return;
        if (m_flags.ReadyToSend == 1 && acknowledgementsOwed() <= 0) {
            startDownload();
            return;
        }
        // An answer to an earlier frame is still on its way and must not be taken for block 0's:
        // the download starts once it is in.
        ShowLinkStatus(LinkText::Download);
        m_state.LinkState = LinkPhase::NotOnline;
        m_state.PendingAction = Pending::Download;
        m_state.RetryCount = 0;
        restartHoldCount();
        emit holdPlanChanged();
        return;
    case LinkEvent::Online: {
        const int mode = m_model.store.at(Block::Music, 161);
        m_model.selection.OutputMode = mode > 2 ? 2 : mode;
        if (m_state.PanelLockState == 0)
            m_state.PanelLockState = 1;
        emit onlineRefreshRequested();
        m_state.LinkState = LinkPhase::Online;
        setColour(StatusColour::Online);
        setLinkedLook(true);
        ShowLinkStatus(LinkText::Online);
        showDialog(false);
        emit mainWindowShowRequested();
        setTimer(HoldTimer, true);
        return;
    }
    case LinkEvent::ModeStored:
        emit modeListRebuildRequested();
        m_state.LinkState = LinkPhase::Online;
        ShowLinkStatus(LinkText::Online);
        setColour(StatusColour::Online);
        m_messages.inform(LinkText::SaveSuccess);
        return;
    case LinkEvent::Lost:
    case LinkEvent::Failed:
        setTimer(Timer2, false);
        setTimer(Timer1, false);
        forgetLinkActivity();
        if (event == LinkEvent::Lost)
            m_state.LinkState = LinkPhase::NotOnline;
        setLinkedLook(false);
        ShowLinkStatus(LinkText::Offline);
        setColour(StatusColour::Failed);
        showDialog(false);
        m_messages.inform(event == LinkEvent::Lost ? LinkText::LinkLost : LinkText::LinkFailed);
        return;
    default:
        return;
    }
}

// ---- Transfer -------------------------------------------------------------------------------

void LinkSession::Timer2Timer()
{
    m_receiver.lineTick(TimerPeriodMs[Timer2]);
    SessionState& s = m_state;
    if (s.TransferTicks < TicksCap)
        ++s.TransferTicks;
    showDialog(true);

    if (stepAnswered()) {
        if (s.TransferStep >= s.TransferTotal) {
            m_flags.RxEvent = LinkFlags::None;
            m_flags.Awaited = {};
            setTimer(Timer2, false);
            if (s.Direction == TransferDirection::Load)
                restoreQueuedEdits();
            SessionEvent(LinkEvent::Online);
            return;
        }
        advanceTransfer();
    } else if (s.TransferRepeats == 0 && s.TransferTicks >= RepeatAfterTicks) {
        requestStep(1);
        s.TransferRepeats = 1;
    } else if (s.TransferRepeats > 0 && s.TransferTicks >= AbandonTicks) {
        SessionEvent(LinkEvent::Failed);
    }
}

// Edits queued behind a mode recall were made after it: the reload has just overwritten them
// in the store with the recalled values, so they are put back before the window is refreshed,
// and the queue then carries them to the processor.
void LinkSession::restoreQueuedEdits()
{
    for (const SendQueue::Entry& entry : m_queue.waiting())
        if (ParamStore::Contains(entry.address))
            m_model.store.at(entry.address) = entry.value;
}

// A load step is answered only by the data frame of its own request; a download step, which
// writes, by the acknowledgement (or a data frame) that follows its frames.
bool LinkSession::stepAnswered() const
{
    if (m_state.Direction == TransferDirection::Load)
        return m_flags.ReplyArrived == 1;
    return m_flags.RxEvent == LinkFlags::Acknowledged || m_flags.RxEvent == LinkFlags::DataFrame;
}

// Sends the frame of the current step `times` times, counting only answers that arrive after it.
void LinkSession::requestStep(int times)
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
void LinkSession::advanceTransfer()
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

// ---- Sending --------------------------------------------------------------------------------

void LinkSession::SendOrQueue(ParamAddress address, std::int32_t value, bool paced)
{
    if (!isOnline())
        return; // stored only; a later download or edit carries it
    restartHoldCount();
    if (m_flags.ReadyToSend == 1 && m_queue.isEmpty()) {
        m_flags.RxEvent = LinkFlags::None;
        m_queue.resetIndexes();
        m_queue.enqueue(address, value);
        sendEntry(m_queue.dequeue());
    } else {
        m_queue.enqueue(address, value);
    }
    // A paced value waits for its acknowledgement before the next parameter goes out.
    if (paced)
        m_flags.ReadyToSend = 0;
    emit holdPlanChanged();
}

// Sends one entry of the queue. A mode recall (7682) then waits for its acknowledgement,
// whether it went out at once or from the queue, so the reload always follows it.
void LinkSession::sendEntry(int index)
{
    const SendQueue::Entry& entry = m_queue.entry(index);
    m_state.InFlightEntry = index;
    if (entry.address == CommandAddress::ModeRecall) {
        ShowLinkStatus(LinkText::Loading);
        m_state.LinkState = LinkPhase::NotOnline;
        m_state.RetryCount = 0;
        m_state.PendingAction = Pending::Reload;
    } else if (entry.address == CommandAddress::ModeRecord) {
        m_state.PendingAction = Pending::ModeStored;
    } else {
        m_state.PendingAction = Pending::None;
    }
    m_sender.SendParameterFrame(Frame::WriteCommand, entry.address, entry.value);
    if (m_state.PendingAction != Pending::None)
        m_flags.ReadyToSend = 0;
}

void LinkSession::StoreMode(int index, const QByteArray& name)
{
    QByteArray record;
    record.append(static_cast<char>(index));
    record.append('\0');
    record.append(name);
    m_sender.SendText(CommandAddress::ModeRecord, record);
    m_state.PendingAction = Pending::ModeStored;
    // Success is reported on the processor's acknowledgement, never on an earlier one.
    m_flags.ReadyToSend = 0;
    ShowLinkStatus(LinkText::Saving);
    m_state.LinkState = LinkPhase::NotOnline;
    m_state.RetryCount = 0;
    emit holdPlanChanged();
}

int LinkSession::holdTicksUntilWork() const
{
    // A partial frame needs every tick to notice a quiet line; a mode command or a queued
    // parameter may go at the next one.
    const bool workNow = m_receiver.pendingSize() > 0 ||
                         (m_state.PendingAction != Pending::None && pendingActionDue()) ||
                         (isOnline() && m_flags.ReadyToSend == 1 && !m_queue.isEmpty());
    if (workNow)
        return 1;
    // Otherwise the tick at which HoldTick reaches its limit (keep-alive, retry) is next.
    return std::max(1, HoldTickLimit - m_state.HoldTick);
}

// Ticks slept through only count; they count for nothing when the count started again since.
void LinkSession::passHoldTicks(int ticks)
{
    if (std::exchange(m_holdCountRestarted, false))
        return;
    for (int i = 0; i < ticks; ++i)
        m_state.HoldTick = m_state.HoldTick <= HoldTickLimit ? m_state.HoldTick + 1 : HoldTickLimit;
}

// The ticks before the one that acts were planned after the latest input: they all count.
void LinkSession::HoldTimerTicks(int ticks)
{
    m_holdCountRestarted = false;
    passHoldTicks(ticks - 1);
    HoldTimerTimer();
}

void LinkSession::HoldTimerTimer()
{
    m_holdCountRestarted = false;
    m_receiver.lineTick(TimerPeriodMs[HoldTimer]);
    SessionState& s = m_state;
    s.HoldTick = s.HoldTick <= HoldTickLimit ? s.HoldTick + 1 : HoldTickLimit;
    // A second after the last send, an answer that has not come is taken as lost.
    if (s.HoldTick == HoldTickLimit)
        settleAcknowledgements();

    if (s.PendingAction != Pending::None && pendingActionDue()) {
        const Pending action = s.PendingAction;
        s.PendingAction = Pending::None;
        if (action == Pending::Download)
            startDownload();
        else
            SessionEvent(action == Pending::Reload ? LinkEvent::Reload : LinkEvent::ModeStored);
        s.RetryCount = 0;
        s.HoldTick = 0;
    } else if (s.PendingAction != Pending::None && s.HoldTick == HoldTickLimit) {
        s.HoldTick = 0;
        if (++s.RetryCount > PendingRetryLimit) {
            s.RetryCount = 0;
            setTimer(HoldTimer, false);
            SessionEvent(LinkEvent::Lost);
        }
    }

    // Only online: the queue waits while a reload or download that a pending action started
    // runs, or its acknowledgements would be taken for the transfer's answers.
    if (isOnline() && m_flags.ReadyToSend == 1 && !m_queue.isEmpty()) {
        m_flags.ReadyToSend = 0;
        s.RetryCount = 0;
        s.HoldTick = 0;
        sendEntry(m_queue.dequeue());
    }

    if (isOnline() && s.HoldTick == HoldTickLimit)
        keepAlive();
}

// A mode command runs on the next acknowledgement; a download that waits for earlier answers
// starts once they are in, or after a second without them.
bool LinkSession::pendingActionDue() const
{
    if (m_state.PendingAction != Pending::Download)
        return m_flags.ReadyToSend == 1;
    return m_state.HoldTick == HoldTickLimit ||
           (m_flags.ReadyToSend == 1 && acknowledgementsOwed() <= 0);
}

// One second without a send: a keep-alive, or, while an acknowledgement is overdue, the
// unanswered frame again every other second; the fifth silent second ends the link.
void LinkSession::keepAlive()
{
    SessionState& s = m_state;
    s.HoldTick = 0;
    ++s.RetryCount;
    if (m_flags.ReadyToSend == 1) {
        m_flags.ReadyToSend = 0;
        s.RetryCount = 0;
        m_sender.SendLinkCommand(LinkCode::KeepAlive);
    } else if (s.RetryCount % 2 == 0) {
        if (!m_queue.isEmpty()) {
            const SendQueue::Entry& entry = m_queue.entry(s.InFlightEntry);
            m_sender.SendParameterFrame(Frame::WriteCommand, entry.address, entry.value);
        } else {
            m_sender.SendLinkCommand(LinkCode::KeepAlive);
        }
    }
    if (s.RetryCount > KeepAliveRetryLimit) {
        s.RetryCount = 0;
        setTimer(HoldTimer, false);
        SessionEvent(LinkEvent::Lost);
    }
}

void LinkSession::ComPortRxChar(QByteArrayView bytes)
{
    m_receiver.receive(bytes);
    emit holdPlanChanged();
}

} // namespace aec
