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
#include "link/SendQueue.h"

#include <QObject>
#include <QStringList>

#include <array>

namespace aec {

// The session's variables, kept as plain integers under the names the link's timers and
// handlers use for them.
// Whether the link is online and idle: only then are parameters sent.
enum class LinkPhase { NotOnline, Online };

// What waits for the processor's acknowledgement before it happens.
enum class Pending { None, Reload, ModeStored, Download };

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

struct SessionState
{
    LinkPhase LinkState = LinkPhase::NotOnline;
    int InFlightEntry = 0; // queue index of the parameter sent last
    Pending PendingAction = Pending::None;
    int HoldTick = 0;
    int RetryCount = 0;
    int TransferStep = 0;
    int TransferTotal = 38;
    TransferDirection Direction = TransferDirection::Load;
    int TransferTicks = 0;
    int TransferRepeats = 0; // 1 once the unanswered step has been sent again
    int PortIndex = 0;
    int LastTriedPort = -1;
    int PanelLockState = 0; // 0 not yet linked this run, 1 linked; 2 is set by the panel lock
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
    static constexpr int LoadTotal = 38;
    static constexpr int DownloadTotal = 29;

    LinkSession(ParameterModel& model, DeviceTexts& texts, SerialLine& port,
                MessageService& messages, DiagnosticLog& log, QObject* parent = nullptr);

    // The port list (ComComboBox1) and its selected entry, -1 for none.
    void setPortNames(const QStringList& names);
    const QStringList& portNames() const { return m_portNames; }
    int selectedPort() const { return m_selectedPort; }

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
    // Sends a parameter at once, or queues it behind the acknowledgement awaited; a paced one
    // holds the next back until its own acknowledgement.
    void SendOrQueue(ParamAddress address, std::int32_t value, bool paced = false);
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
    int progressPercent() const;

signals:
    void timersChanged();
    void statusChanged();
    void dialogChanged();
    void linkButtonLookChanged(bool linked);
    void portSelected(int index, const QString& name); // ComLabel shows the port being tried
    // Event 1: refresh the whole window from the store, then the current page.
    void onlineRefreshRequested();
    // Event 3: rebuild the list of stored modes, keeping the selected entry.
    void modeListRebuildRequested();
    void mainWindowShowRequested();
    // An input may have brought the HoldTimer's work closer (see holdTicksUntilWork()).
    void holdPlanChanged();

private:
    void setTimer(Timer timer, bool on);
    void setTimers(bool search, bool transfer, bool hold);
    void ShowLinkStatus(const BilingualText& text);
    void setColour(StatusColour colour);
    void setLinkedLook(bool linked);
    void showDialog(bool visible);
    void startLoad(const BilingualText& status);
    void startDownload();
    void forgetLinkActivity();
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
    bool stepAnswered() const;
    void requestStep(int times);
    void advanceTransfer();
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
    LinkFlags m_flags;
    FrameApplier m_applier;
    FrameReceiver m_receiver;
    FrameSender m_sender;
    SendQueue m_queue;
    SessionState m_state;

    QStringList m_portNames;
    int m_selectedPort = -1;
    std::array<bool, 3> m_timers{};
    BilingualText m_statusText = LinkText::Offline;
    StatusColour m_statusColour = StatusColour::Neutral;
    bool m_linkedLook = false;
    bool m_dialogVisible = false;
    int m_acknowledgementBaseline = 0; // writes sent less acknowledgements received, settled
    bool m_holdCountRestarted = false;
};

} // namespace aec
