#include "link/ui/TForm3.h"

namespace aec {

TForm3::TForm3(ParameterModel& model, DeviceTexts& texts, MessageService& messages,
               DiagnosticLog& log, QObject* parent)
    : QObject(parent), m_session(model, texts, m_port, messages, log)
{
    setObjectName(QStringLiteral("TForm3"));
    const std::array<std::pair<QTimer*, void (LinkSession::*)()>, 3> timers = {{
        {&Timer1, &LinkSession::Timer1Timer},
        {&Timer2, &LinkSession::Timer2Timer},
        {&HoldTimer, &LinkSession::HoldTimerTimer},
    }};
    for (std::size_t i = 0; i < timers.size(); ++i) {
        QTimer* timer = timers[i].first;
        timer->setInterval(LinkSession::TimerPeriodMs[i]);
        timer->setTimerType(Qt::PreciseTimer);
        connect(timer, &QTimer::timeout, &m_session, timers[i].second);
    }
    connect(&m_session, &LinkSession::timersChanged, this, &TForm3::followTimers);
    connect(&m_port, &SerialPortAdapter::bytesReceived, &m_session,
            [this](const QByteArray& bytes) { m_session.ComPortRxChar(bytes); });
}

void TForm3::listPorts(const QStringList& extraPorts)
{
    QStringList names = extraPorts;
    for (const QString& name : SerialPortAdapter::availablePortNames())
        if (!names.contains(name))
            names << name;
    m_session.setPortNames(names);
}

void TForm3::followTimers()
{
    QTimer* const timers[] = {&Timer1, &Timer2, &HoldTimer};
    for (int i = 0; i < 3; ++i) {
        const bool on = m_session.isTimerActive(static_cast<LinkSession::Timer>(i));
        if (on && !timers[i]->isActive())
            timers[i]->start();
        else if (!on)
            timers[i]->stop();
    }
}

void TForm3::FormCloseQuery()
{
    m_session.CloseLink();
    m_port.drain(200);
}

} // namespace aec
