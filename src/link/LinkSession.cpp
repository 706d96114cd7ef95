#include "link/LinkSession.h"

#include "link/DeviceFrame.h"

#include <algorithm>
#include <utility>

namespace aec {
namespace {

constexpr int HoldTickLimit = 50;     // one second of 20 ms ticks
constexpr int PendingRetryLimit = 50; // about 51 s for a mode command
constexpr int KeepAliveRetryLimit = 4;

} // namespace

LinkSession::LinkSession(ParameterModel& model, DeviceTexts& texts, SerialLine& port,
                         MessageService& messages, DiagnosticLog& log, QObject* parent)
    : QObject(parent), m_model(model), m_port(port), m_messages(messages), m_log(log),
      m_applier(model.store, texts, m_flags, log), m_receiver(m_flags, m_applier, log),
      m_sender(port, model.store), m_transfer(m_state, m_flags, m_sender), m_search(port)
{
    // The person's edits, undo and presets go to the processor; what came from it stays.
    connect(&model, &ParameterModel::changed, this, [this](const ParamChange& change) {
        if (!IsSentToProcessor(change.origin))
            return;
        // Steps of undo, redo and A/B may hold a thousand values; the acknowledgements alone
        // pace them, so they need not wait a hold tick each.
        const Pacing pacing = !change.paced                     ? Pacing::None
                              : change.origin == Origin::Person ? Pacing::HoldTick
                                                                : Pacing::Answer;
        SendOrQueue(change.device, change.value, pacing);
    });
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
    m_state.PanelLockState = 0;
    m_receiver.reset();
    m_search.startPass();
    m_linkWanted = true;
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
    m_search.stop();
    m_linkWanted = false;
    setLinkedLook(false);
    setTimers(false, false, false);
    forgetLinkActivity();
    m_sender.SendLinkCommand(LinkCode::Unlink);
    ShowLinkStatus(LinkText::Offline);
    note(LinkText::Offline);
    m_state.TransferTotal = DownloadTotal;
    showDialog(false);
}

void LinkSession::setTap(LinkTap* tap)
{
    m_tap = tap;
    m_sender.setTap(tap);
    m_receiver.setTap(tap);
}

LinkCounters LinkSession::counters() const
{
    LinkCounters c;
    c.framesOut = m_sender.framesSent();
    c.bytesOut = m_sender.bytesSent();
    c.framesIn = m_receiver.framesReceived();
    c.bytesIn = m_receiver.bytesReceived();
    c.acknowledgements = m_flags.Acknowledgements;
    c.checksumErrors = m_applier.checksumErrorCount();
    c.resyncs = m_receiver.noiseRunCount() + m_receiver.abandonedStartCount();
    c.stepRepeats = m_transfer.repeats() + m_resends;
    c.losses = m_losses;
    c.queueDepth = m_queue.size();
    return c;
}

void LinkSession::setAutoReconnect(bool on)
{
    m_autoReconnect = on;
    if (on || !m_search.inRounds())
        return;
    // Switched off while it waits: the link stays lost, as without the setting.
    m_search.stop();
    setTimer(Timer1, false);
    setLinkedLook(false);
    ShowLinkStatus(LinkText::Offline);
}

// Nothing sent on one link is answered on another: a mode command, a queued edit or a transfer
// request left over from an ended, lost or failed link must never act on the next one.
void LinkSession::forgetLinkActivity()
{
    m_queue.clear();
    m_drainOnAnswer = false;
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
    if (!m_search.inRounds())
        showDialog(true);
    if (m_flags.Answered == 1) {
        m_search.stop();
        SessionEvent(LinkEvent::Linking);
        return;
    }
    const PortSearch::Step step = m_search.tick();
    switch (step.kind) {
    case PortSearch::Step::Kind::Exhausted:
        SessionEvent(LinkEvent::Failed);
        return;
    case PortSearch::Step::Kind::Tried:
        note({QStringLiteral("尝试端口 %1").arg(step.port),
              QStringLiteral("trying port %1").arg(step.port)});
        emit portSelected(step.index, step.port);
        if (step.opened)
            m_sender.SendLinkCommand(LinkCode::Link);
        if (m_search.inRounds())
            ShowLinkStatus(LinkText::Reconnecting);
        return;
    case PortSearch::Step::Kind::Waiting:
        ShowLinkStatus(LinkText::ReconnectIn(step.secondsLeft));
        return;
    case PortSearch::Step::Kind::RoundOver:
        ShowLinkStatus(LinkText::ReconnectIn(step.secondsLeft));
        reportTroubles(step.troubles);
        return;
    }
}

// The link is lost or nothing answered: with the automatic reconnect the search goes on by
// itself, quietly (no message box, no dialog over the window), until the person unlinks.
void LinkSession::beginReconnect()
{
    m_flags.Answered = 0;
    m_receiver.reset();
    if (m_port.isOpen())
        m_port.close();
    m_search.startRounds(m_linkedPort);
    setTimer(Timer1, true);
    setLinkedLook(true);
    ShowLinkStatus(LinkText::ReconnectIn(PortSearch::PauseSeconds[0]));
    setColour(StatusColour::Failed);
    showDialog(false);
}

void LinkSession::reportTroubles(const QList<PortSearch::Trouble>& troubles)
{
    if (troubles.isEmpty())
        return;
    const BilingualText text = PortSearch::Describe(troubles);
    m_log.append(text.english);
    m_messages.notice(text);
}

// ---- Events ---------------------------------------------------------------------------------

void LinkSession::startLoad(const BilingualText& status)
{
    setTimers(false, true, false);
    settleAcknowledgements();
    m_transfer.start(TransferDirection::Load);
    ShowLinkStatus(status);
}

void LinkSession::startDownload()
{
    settleAcknowledgements();
    setTimers(false, true, false);
    ShowLinkStatus(LinkText::Download);
    m_state.LinkState = LinkPhase::NotOnline;
    m_transfer.start(TransferDirection::Download);
}

void LinkSession::SessionEvent(LinkEvent event)
{
    switch (event) {
    case LinkEvent::Linking:
        m_linkedPort = m_search.triedPort();
        note({QStringLiteral("设备在 %1 应答").arg(m_linkedPort),
              QStringLiteral("the processor answered on %1").arg(m_linkedPort)});
        emit portLinked(m_linkedPort);
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
        if (m_state.Direction == TransferDirection::Load)
            emit loadedFromProcessor();
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
        if (event == LinkEvent::Lost) {
            m_state.LinkState = LinkPhase::NotOnline;
            ++m_losses;
        }
        note(event == LinkEvent::Lost ? LinkText::LinkLost : LinkText::LinkFailed);
        if (m_autoReconnect && m_linkWanted) {
            beginReconnect();
            return;
        }
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
    showDialog(true);
    switch (m_transfer.tick()) {
    case TransferSequence::Outcome::Running:
        return;
    case TransferSequence::Outcome::Complete:
        setTimer(Timer2, false);
        if (m_state.Direction == TransferDirection::Load)
            restoreQueuedEdits();
        SessionEvent(LinkEvent::Online);
        return;
    case TransferSequence::Outcome::Abandoned:
        SessionEvent(LinkEvent::Failed);
        return;
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

// ---- Sending --------------------------------------------------------------------------------

void LinkSession::SendOrQueue(ParamAddress address, std::int32_t value, Pacing pacing)
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
    if (pacing != Pacing::None)
        m_flags.ReadyToSend = 0;
    if (pacing == Pacing::Answer)
        m_drainOnAnswer = true;
    emit holdPlanChanged();
}

void LinkSession::sendNextQueued()
{
    m_flags.ReadyToSend = 0;
    m_state.RetryCount = 0;
    sendEntry(m_queue.dequeue());
}

// One value in flight, the next as soon as its acknowledgement is in.
void LinkSession::sendNextOnAnswer()
{
    if (m_queue.isEmpty()) {
        m_drainOnAnswer = false;
        return;
    }
    if (isOnline() && m_flags.ReadyToSend == 1 && m_state.PendingAction == Pending::None) {
        restartHoldCount();
        sendNextQueued();
    }
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
        s.HoldTick = 0;
        sendNextQueued();
    }
    if (m_queue.isEmpty())
        m_drainOnAnswer = false;

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
        ++m_resends;
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
    if (m_drainOnAnswer)
        sendNextOnAnswer();
    emit holdPlanChanged();
}

} // namespace aec
