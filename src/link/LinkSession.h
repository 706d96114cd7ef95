#pragma once

#include "core/DiagnosticLog.h"
#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "core/SerialLine.h"
#include "link/DeviceTexts.h"
#include "link/FrameApplier.h"
#include "link/FrameReceiver.h"
#include "link/FrameSender.h"
#include "link/LinkFlags.h"
#include "link/LinkStatus.h"
#include "link/PortSearch.h"
#include "link/SendQueue.h"
#include "link/SessionState.h"
#include "link/TransferSequence.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <cmath>
#include <functional>

namespace aec {

// The session's transitions.
enum class LinkEvent {
    Online = 1,     // the load or download is complete
    Reload = 2,     // a recalled mode is loaded
    ModeStored = 3, // the processor stored a mode
    Linking = 4,    // the processor answered the link request: the load starts
    Download = 6,   // the store goes to the processor
    Lost = 7,       // an online processor stopped answering
    Failed = 9,     // no processor found, or a load or download abandoned
};

// Finds the processor on one of the serial ports, loads every parameter, keeps the link alive,
// sends or queues every edit, downloads a whole store on request and notices a lost link. It
// does no I/O of its own and touches no widget: it writes through a SerialLine, takes received
// bytes through ComPortRxChar, reports through signals and asks through a MessageService. Its
// three timers are switches the owner follows with real timers; tests call the tick functions.
class LinkSession : public QObject
{
    Q_OBJECT
public:
    enum Timer { Timer1 = 0, Timer2 = 1, HoldTimer = 2 }; // port search, transfer, send pump
    static constexpr std::array<int, 3> TimerPeriodMs = {1000, 100, 20};
    static constexpr int LoadTotal = TransferSequence::LoadTotal;
    static constexpr int DownloadTotal = TransferSequence::DownloadTotal;

    LinkSession(ParameterModel& model, DeviceTexts& texts, SerialLine& port,
                MessageService& messages, DiagnosticLog& log, QObject* parent = nullptr);

    // The port list (ComComboBox1) and its selected entry, -1 for none.
    void setPortNames(const QStringList& names) { m_search.setPortNames(names); }
    const QStringList& portNames() const { return m_search.portNames(); }
    int selectedPort() const { return m_search.selectedPort(); }
    // Reads the machine's ports again for each round of the automatic reconnect.
    void setPortLister(std::function<QStringList()> lister)
    {
        m_search.setPortLister(std::move(lister));
    }

    // After a loss, or a search that found nothing, the search goes on by itself in rounds
    // (see PortSearch) until the person unlinks. Off, a lost link stays lost as it always has.
    void setAutoReconnect(bool on);
    bool autoReconnect() const { return m_autoReconnect; }
    bool isReconnecting() const { return m_search.inRounds(); }
    // The port the processor was last found on; empty before the first link.
    const QString& linkedPort() const { return m_linkedPort; }

    // Who watches the link as it happens (the protocol console), or null.
    void setTap(LinkTap* tap);
    LinkCounters counters() const;

    // The link button: ends a link that is sought or held, otherwise starts one.
    void LinkBtnClick();
    void StartLink();
    void EndLink();
    // The main window closes: an online processor is told that the controller leaves.
    void CloseLink();

    void Timer1Timer();    // port search, every second
    void Timer2Timer();    // transfer, every 100 ms
    void HoldTimerTimer(); // send queue, pending mode commands, keep-alive, every 20 ms
    void ComPortRxChar(QByteArrayView bytes);

    // Online and idle, most HoldTimer ticks only count towards the next keep-alive. The owner
    // may let its timer sleep through them: holdTicksUntilWork() ticks from now, the last one
    // may act and the others only count. Ticks slept through are handed over with
    // passHoldTicks() before the next tick, or together with it by HoldTimerTicks(); an input
    // that changes the plan (bytes, an edit, a mode command) emits holdPlanChanged().
    int holdTicksUntilWork() const;
    void passHoldTicks(int ticks);
    void HoldTimerTicks(int ticks);

    void SessionEvent(LinkEvent event);
    // How a value waits for the one sent before it.
    enum class Pacing {
        None,     // goes out at once when nothing is queued (the person's edit)
        HoldTick, // after the acknowledgement, at the next hold tick (an EQ reset)
        Answer,   // as soon as the acknowledgement is in (a step of undo, redo or A/B)
    };
    // Sends a parameter at once, or queues it behind the acknowledgement awaited; a paced one
    // holds the next back until its own acknowledgement.
    void SendOrQueue(ParamAddress address, std::int32_t value, Pacing pacing = Pacing::None);
    // Sends the mode record (index, name) and waits for the processor to store it.
    void StoreMode(int index, const QByteArray& name);

    bool isTimerActive(Timer timer) const { return m_timers[timer]; }
    bool isOnline() const { return m_state.LinkState == LinkPhase::Online; }
    SessionState& state() { return m_state; }
    const SessionState& state() const { return m_state; }
    LinkFlags& flags() { return m_flags; }
    const SendQueue& queue() const { return m_queue; }
    FrameSender& sender() { return m_sender; }
    FrameApplier& applier() { return m_applier; }
    const FrameReceiver& receiver() const { return m_receiver; }

    const BilingualText& statusText() const { return m_statusText; }
    StatusColour statusColour() const { return m_statusColour; }
    bool hasLinkedLook() const { return m_linkedLook; }
    bool isDialogVisible() const { return m_dialogVisible; }
    int progressPercent() const
    {
        if (m_state.TransferTotal <= 0)
            return 0;
        return static_cast<int>(std::lround(100.0 * m_state.TransferStep / m_state.TransferTotal));
    }

signals:
    void timersChanged();
    void statusChanged();
    void dialogChanged();
    void linkButtonLookChanged(bool linked);
    void portSelected(int index, const QString& name); // ComLabel shows the port being tried
    void portLinked(const QString& name);              // the processor answered on this port
    // Event 1: refresh the whole window from the store, then the current page.
    void onlineRefreshRequested();
    // The store holds the processor's own state, just loaded (at link, or after a recall).
    void loadedFromProcessor();
    // Event 3: rebuild the list of stored modes, keeping the selected entry.
    void modeListRebuildRequested();
    void mainWindowShowRequested();
    // An input may have brought the HoldTimer's work closer (see holdTicksUntilWork()).
    void holdPlanChanged();

private:
    // What the owner and the windows follow.
    void setTimer(Timer timer, bool on);
    void setTimers(bool search, bool transfer, bool hold)
    {
        setTimer(Timer1, search);
        setTimer(Timer2, transfer);
        setTimer(HoldTimer, hold);
    }
    void ShowLinkStatus(const BilingualText& text)
    {
        m_statusText = text;
        emit statusChanged();
    }
    void setColour(StatusColour colour)
    {
        m_statusColour = colour;
        emit statusChanged();
    }
    void setLinkedLook(bool linked)
    {
        m_linkedLook = linked;
        emit linkButtonLookChanged(linked);
    }
    void showDialog(bool visible)
    {
        m_dialogVisible = visible;
        emit dialogChanged();
    }
    void startLoad(const BilingualText& status);
    void startDownload();
    void forgetLinkActivity();
    void note(const BilingualText& text)
    {
        if (m_tap)
            m_tap->noted(text);
    }
    void beginReconnect();
    void reportTroubles(const QList<PortSearch::Trouble>& troubles);
    int acknowledgementsOwed() const
    {
        return m_sender.acknowledgedWrites() - m_flags.Acknowledgements - m_acknowledgementBaseline;
    }
    // From here on every write sent is owed an acknowledgement, and nothing before.
    void settleAcknowledgements()
    {
        m_acknowledgementBaseline = m_sender.acknowledgedWrites() - m_flags.Acknowledgements;
    }
    bool pendingActionDue() const;
    void restoreQueuedEdits();
    void sendEntry(int index);
    void sendNextQueued();
    void sendNextOnAnswer();
    void keepAlive();
    // HoldTick starts again from 0 outside a tick: ticks slept through before are void.
    void restartHoldCount()
    {
        m_state.HoldTick = 0;
        m_holdCountRestarted = true;
    }

    ParameterModel& m_model;
    SerialLine& m_port;
    MessageService& m_messages;
    DiagnosticLog& m_log;
    LinkFlags m_flags;
    FrameApplier m_applier;
    FrameReceiver m_receiver;
    FrameSender m_sender;
    SendQueue m_queue;
    SessionState m_state;
    TransferSequence m_transfer;
    PortSearch m_search;
    QString m_linkedPort;
    bool m_autoReconnect = false;
    bool m_linkWanted = false; // from the person's link until the person's unlink
    LinkTap* m_tap = nullptr;
    qint64 m_losses = 0;
    qint64 m_resends = 0;         // unanswered frames sent again while online
    bool m_drainOnAnswer = false; // the queue holds values paced by their answers alone
    std::array<bool, 3> m_timers{};
    BilingualText m_statusText = LinkText::Offline;
    StatusColour m_statusColour = StatusColour::Neutral;
    bool m_linkedLook = false;
    bool m_dialogVisible = false;
    int m_acknowledgementBaseline = 0; // writes sent less acknowledgements received, settled
    bool m_holdCountRestarted = false;
};

} // namespace aec
