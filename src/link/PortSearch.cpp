#include "link/PortSearch.h"

#include <algorithm>

namespace aec {
namespace {

// An absent port may come later; the others want the person's attention.
bool WorthReporting(const PortFailure& failure)
{
    return failure.kind != PortFailure::Kind::None && failure.kind != PortFailure::Kind::Absent;
}

BilingualText Reason(const PortFailure& failure)
{
    switch (failure.kind) {
    case PortFailure::Kind::Denied:
        return {QStringLiteral("没有权限：请把用户加入 dialout 组后重新登录"),
                QStringLiteral("permission denied: add your user to the dialout group and log "
                               "in again")};
    case PortFailure::Kind::Busy:
        return {QStringLiteral("已被其他程序占用"),
                QStringLiteral("busy: another program has it open")};
    default:
        return {failure.detail, failure.detail};
    }
}

} // namespace

BilingualText PortSearch::Describe(const QList<Trouble>& troubles)
{
    QStringList chinese;
    QStringList english;
    for (const Trouble& trouble : troubles) {
        const BilingualText reason = Reason(trouble.failure);
        chinese << QStringLiteral("无法打开 %1：%2").arg(trouble.port, reason.chinese);
        english << QStringLiteral("Cannot open %1: %2").arg(trouble.port, reason.english);
    }
    return {chinese.join(QLatin1Char('\n')), english.join(QLatin1Char('\n'))};
}

PortSearch::PortSearch(SerialLine& port) : m_port(port) {}

void PortSearch::setPortNames(const QStringList& names)
{
    m_names = names;
    m_selected = names.isEmpty() ? -1 : 0;
}

void PortSearch::startPass()
{
    m_rounds = false;
    m_portIndex = 0;
    m_selected = m_names.isEmpty() ? -1 : 0;
    m_reported.clear();
    m_troubles.clear();
}

void PortSearch::startRounds(const QString& lastPort)
{
    m_rounds = true;
    m_lastPort = lastPort;
    m_roundPorts.clear();
    m_roundNext = 0;
    m_pauseIndex = 0;
    m_secondsLeft = PauseSeconds[0];
    m_troubles.clear();
}

PortSearch::Step PortSearch::tick()
{
    // A connection that broke after its port opened (a network address nobody answers at)
    // says why only now.
    if (!m_tried.isEmpty() && m_rounds)
        noteTrouble(m_tried, m_port.openFailure());
    return m_rounds ? roundTick() : passTick();
}

// Every listed port once; the tick after the last finds the selection empty, the next fails.
PortSearch::Step PortSearch::passTick()
{
    Step step;
    if (m_portIndex > m_lastTriedPort + 1 || m_selected < 0) {
        m_portIndex = 1;
        step.kind = Step::Kind::Exhausted;
        return step;
    }
    // Ports that cannot be opened or written are passed over silently.
    if (m_port.isOpen())
        m_port.close();
    m_selected = m_portIndex < m_names.size() ? m_portIndex : -1;
    step.kind = Step::Kind::Tried;
    step.index = m_selected;
    step.port = m_selected >= 0 ? m_names[m_selected] : QString();
    m_lastTriedPort = m_selected;
    m_tried = step.port;
    step.opened = !step.port.isEmpty() && m_port.open(step.port);
    ++m_portIndex;
    return step;
}

PortSearch::Step PortSearch::roundTick()
{
    Step step;
    if (m_secondsLeft > 0 && --m_secondsLeft > 0) {
        step.secondsLeft = m_secondsLeft;
        return step;
    }
    if (m_secondsLeft == 0 && m_roundPorts.isEmpty() && m_roundNext == 0)
        beginRound();
    if (m_roundNext < m_roundPorts.size())
        return tryPort(m_roundPorts[m_roundNext++]);

    // Nobody answered the last port either: a longer pause, then the next round.
    if (m_port.isOpen())
        m_port.close();
    m_pauseIndex = std::min<int>(m_pauseIndex + 1, PauseSeconds.size() - 1);
    m_secondsLeft = PauseSeconds[static_cast<std::size_t>(m_pauseIndex)];
    m_roundPorts.clear();
    m_roundNext = 0;
    m_tried.clear();
    step.kind = Step::Kind::RoundOver;
    step.secondsLeft = m_secondsLeft;
    step.troubles = std::exchange(m_troubles, {});
    return step;
}

void PortSearch::beginRound()
{
    if (m_lister)
        setPortNames(m_lister());
    m_roundPorts.clear();
    if (!m_lastPort.isEmpty())
        m_roundPorts << m_lastPort;
    for (const QString& name : m_names)
        if (!m_roundPorts.contains(name))
            m_roundPorts << name;
    m_roundNext = 0;
}

PortSearch::Step PortSearch::tryPort(const QString& name)
{
    if (m_port.isOpen())
        m_port.close();
    m_tried = name;
    m_selected = static_cast<int>(m_names.indexOf(name));
    Step step;
    step.kind = Step::Kind::Tried;
    step.index = m_selected;
    step.port = name;
    step.opened = m_port.open(name);
    if (!step.opened)
        noteTrouble(name, m_port.openFailure());
    return step;
}

void PortSearch::noteTrouble(const QString& name, const PortFailure& failure)
{
    if (!WorthReporting(failure))
        return;
    const QString key = name + QLatin1Char('\n') + QString::number(int(failure.kind));
    if (m_reported.contains(key))
        return;
    m_reported.insert(key);
    m_troubles.append({name, failure});
}

} // namespace aec
