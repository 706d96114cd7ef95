#include "system/PresetTransfer.h"

#include "core/BlockLayout.h"
#include "core/SerialLine.h"
#include "link/LinkStatus.h"
#include "system/PresetFormat.h"

namespace aec {
namespace {

// Marks a value before the read-back; the line carries 16-bit values only, so a value that
// still reads so was never answered.
constexpr std::int32_t NotAnswered = -1;

QString CannotOpen(const QString& port, const QString& reason)
{
    return reason.isEmpty() ? QStringLiteral("cannot open %1").arg(port)
                            : QStringLiteral("cannot open %1: %2").arg(port, reason);
}

} // namespace

PresetTransfer::PresetTransfer(SerialLine& line, QObject* parent)
    : QObject(parent), m_line(line), m_session(m_model, m_texts, line, m_messages, m_log)
{
    // The session tells a person "Off Line!"; a script is told what was going on.
    m_messages.failed = [this](const BilingualText&) {
        if (m_step == Step::Idle || m_step == Step::Done)
            return;
        if (!m_answered) {
            finish(QStringLiteral("no processor answered on %1").arg(m_port));
            return;
        }
        const char* doing = m_step == Step::Linking   ? "its parameters were read"
                            : m_step == Step::Writing ? "the preset was written"
                                                      : "it was read back";
        finish(
            QStringLiteral("the processor stopped answering while %1").arg(QLatin1String(doing)));
    };
    using Tick = void (LinkSession::*)();
    const std::array<Tick, 3> ticks = {&LinkSession::Timer1Timer, &LinkSession::Timer2Timer,
                                       &LinkSession::HoldTimerTimer};
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
        m_timers[i].setInterval(LinkSession::TimerPeriodMs[i]);
        m_timers[i].setTimerType(Qt::PreciseTimer);
        connect(&m_timers[i], &QTimer::timeout, &m_session, ticks[i]);
    }
    connect(&m_session, &LinkSession::timersChanged, this, &PresetTransfer::followTimers);
    connect(&m_session, &LinkSession::statusChanged, this, [this] {
        if (m_session.statusText() == LinkText::Linking && !m_answered) {
            m_answered = true;
            emit progress(QStringLiteral("linked on %1, reading its parameters").arg(m_port));
        }
    });
    // The session announces being online before it is: the next step waits for the event loop.
    connect(&m_session, &LinkSession::onlineRefreshRequested, this, &PresetTransfer::online,
            Qt::QueuedConnection);
    m_deadline.setSingleShot(true);
    m_deadline.setInterval(DeadlineSeconds * 1000);
    connect(&m_deadline, &QTimer::timeout, this,
            [this] { finish(QStringLiteral("gave up after %1 seconds").arg(DeadlineSeconds)); });
}

PresetTransfer::~PresetTransfer() = default;

void PresetTransfer::startDump(const QString& port)
{
    m_apply = false;
    start(port);
}

void PresetTransfer::startApply(const QString& port, const DeviceValues& values)
{
    m_apply = true;
    m_values = PresetFormat::Canonical(values);
    start(port);
}

void PresetTransfer::start(const QString& port)
{
    m_port = port;
    m_step = Step::Linking;
    // Opened once here so that a port that cannot be opened is named at once, rather than
    // passed over by the search as the window does with the ports it tries.
    if (!m_line.open(port)) {
        finish(CannotOpen(port, m_line.openFailure().detail));
        return;
    }
    m_line.close();
    m_session.setPortNames({port});
    m_deadline.start();
    emit progress(QStringLiteral("linking on %1").arg(port));
    m_session.StartLink();
}

void PresetTransfer::receive(QByteArrayView bytes)
{
    m_session.ComPortRxChar(bytes);
}

void PresetTransfer::lineLost(const QString& reason)
{
    if (m_step == Step::Idle || m_step == Step::Done)
        return;
    // A network port opens as its connection starts; a refusal comes later, as a loss.
    if (!m_answered && m_line.openFailure().kind != PortFailure::Kind::None)
        finish(CannotOpen(m_port, reason));
    else
        finish(QStringLiteral("the line to %1 was lost: %2").arg(m_port, reason));
}

bool PresetTransfer::held(ParamAddress address) const
{
    return address == PresetFormat::InputSelectAddress ||
           SlotOf(address) < SlotCount[BlockOf(address)];
}

void PresetTransfer::online()
{
    switch (m_step) {
    case Step::Linking:
        if (!m_apply) {
            finish({});
            return;
        }
        m_step = Step::Writing;
        emit progress(QStringLiteral("writing the preset"));
        PresetFormat::Apply(m_values, m_model.store);
        m_session.SessionEvent(LinkEvent::Download);
        return;
    case Step::Writing:
        m_step = Step::ReadingBack;
        emit progress(QStringLiteral("reading it back"));
        for (const DeviceValue& v : m_values)
            if (held(v.address))
                m_model.store.at(v.address) = NotAnswered;
        m_session.SessionEvent(LinkEvent::Reload);
        return;
    case Step::ReadingBack:
        compare();
        finish({});
        return;
    case Step::Idle:
    case Step::Done:
        return;
    }
}

void PresetTransfer::compare()
{
    m_differences.clear();
    m_compared = 0;
    m_notKept = 0;
    for (const DeviceValue& v : m_values) {
        if (!held(v.address)) {
            ++m_notKept;
            continue;
        }
        ++m_compared;
        const std::int32_t read = m_model.store.at(v.address);
        if (read != v.value)
            m_differences.push_back(
                {v.address, v.value,
                 read == NotAnswered ? std::nullopt : std::optional<std::int32_t>(read)});
    }
}

void PresetTransfer::finish(const QString& error)
{
    if (m_step == Step::Done)
        return;
    m_step = Step::Done;
    m_error = error;
    m_deadline.stop();
    // Tells the processor that the controller leaves, whatever happened, and stops the timers.
    m_session.EndLink();
    QMetaObject::invokeMethod(
        this, [this] { emit finished(succeeded()); }, Qt::QueuedConnection);
}

void PresetTransfer::followTimers()
{
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
        const bool on = m_session.isTimerActive(static_cast<LinkSession::Timer>(i));
        if (on && !m_timers[i].isActive())
            m_timers[i].start();
        else if (!on)
            m_timers[i].stop();
    }
}

} // namespace aec
