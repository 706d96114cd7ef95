#include "link/ui/TForm3.h"

#include <QScopedValueRollback>

#include <algorithm>

namespace aec {
namespace {
constexpr int HoldPeriodMs = LinkSession::TimerPeriodMs[LinkSession::HoldTimer];
}

TForm3::TForm3(ParameterModel& model, DeviceTexts& texts, MessageService& messages,
               DiagnosticLog& log, QObject* parent)
    : QObject(parent), m_session(model, texts, m_port, messages, log)
{
    setObjectName(QStringLiteral("TForm3"));
    const std::array<std::pair<QTimer*, void (LinkSession::*)()>, 2> timers = {{
        {&Timer1, &LinkSession::Timer1Timer},
        {&Timer2, &LinkSession::Timer2Timer},
    }};
    for (std::size_t i = 0; i < timers.size(); ++i) {
        QTimer* timer = timers[i].first;
        timer->setInterval(LinkSession::TimerPeriodMs[i]);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, &m_session, timers[i].second);
    }
    HoldTimer.setSingleShot(true);
    HoldTimer.setTimerType(Qt::PreciseTimer);
    connect(&HoldTimer, &QTimer::timeout, this, &TForm3::holdTimeout);
    m_clock.start();
    connect(&m_session, &LinkSession::timersChanged, this, &TForm3::followTimers);
    connect(&m_session, &LinkSession::holdPlanChanged, this, &TForm3::holdPlanChanged);
    m_session.setPortLister([this] { return portList(); });
    connect(&m_port, &LinkPort::bytesReceived, &m_session,
            [this](const QByteArray& bytes) { m_session.ComPortRxChar(bytes); });
}

void TForm3::listPorts(const QStringList& extraPorts)
{
    m_extraPorts = extraPorts;
    m_session.setPortNames(portList());
}

QStringList TForm3::portList() const
{
    QStringList names = m_extraPorts;
    for (const QStringList& more : {m_configuredPorts, LinkPort::availablePortNames()})
        for (const QString& name : more)
            if (!names.contains(name))
                names << name;
    return names;
}

void TForm3::followTimers()
{
    QTimer* const timers[] = {&Timer1, &Timer2};
    for (int i = 0; i < 2; ++i) {
        const bool on = m_session.isTimerActive(static_cast<LinkSession::Timer>(i));
        if (on && !timers[i]->isActive())
            timers[i]->start();
        else if (!on)
            timers[i]->stop();
    }
    const bool holdOn = m_session.isTimerActive(LinkSession::HoldTimer);
    if (!holdOn) {
        HoldTimer.stop();
    } else if (!HoldTimer.isActive() && !m_inHoldTick) {
        m_holdGridMs = m_clock.elapsed();
        planHold();
    }
}

// The tick the plan said would act, with the ticks before it that only count.
void TForm3::holdTimeout()
{
    ++m_holdWakeUps;
    {
        QScopedValueRollback<bool> inTick(m_inHoldTick, true);
        m_holdGridMs += qint64(m_holdTicksPlanned) * HoldPeriodMs;
        // A late wake-up (a busy event loop) does not make up for lost ticks in a burst.
        m_holdGridMs = std::max(m_holdGridMs, m_clock.elapsed() - HoldPeriodMs);
        m_session.HoldTimerTicks(m_holdTicksPlanned);
    }
    if (m_session.isTimerActive(LinkSession::HoldTimer))
        planHold();
}

// Bytes, an edit or a mode command while the timer sleeps: the ticks that have passed only
// counted, and the next one to act may be nearer now.
void TForm3::holdPlanChanged()
{
    if (m_inHoldTick || !HoldTimer.isActive())
        return;
    const qint64 passed = (m_clock.elapsed() - m_holdGridMs) / HoldPeriodMs;
    const int ticks = static_cast<int>(std::clamp<qint64>(passed, 0, m_holdTicksPlanned - 1));
    m_session.passHoldTicks(ticks);
    m_holdGridMs += qint64(ticks) * HoldPeriodMs;
    planHold();
}

void TForm3::planHold()
{
    m_holdTicksPlanned = m_session.holdTicksUntilWork();
    const qint64 due = m_holdGridMs + qint64(m_holdTicksPlanned) * HoldPeriodMs;
    HoldTimer.start(static_cast<int>(std::max<qint64>(0, due - m_clock.elapsed())));
}

void TForm3::FormCloseQuery()
{
    m_session.CloseLink();
    m_port.drain(200);
}

} // namespace aec
