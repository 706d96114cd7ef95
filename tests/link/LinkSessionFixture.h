#pragma once

#include "core/DiagnosticLog.h"
#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "core/SerialLine.h"
#include "link/DeviceTexts.h"
#include "link/LinkSession.h"
#include "sim/SimulatedProcessor.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace aec::test {

inline std::string HexOf(QByteArrayView bytes)
{
    return bytes.toByteArray().toHex(' ').toUpper().toStdString();
}

// Runs one tick of the session's timer, as its QTimer would.
inline void FireTimer(LinkSession& session, LinkSession::Timer timer)
{
    switch (timer) {
    case LinkSession::Timer1:
        session.Timer1Timer();
        break;
    case LinkSession::Timer2:
        session.Timer2Timer();
        break;
    case LinkSession::HoldTimer:
        session.HoldTimerTimer();
        break;
    }
}

// Serial ports in memory. A port leads to a simulated processor, to a device that never
// answers, or cannot be opened at all. Every write is kept as one frame. What the processor
// answers waits in the line until deliverTo() hands it over, as a serial receive event would.
class FakeSerialLine : public SerialLine
{
public:
    struct Write
    {
        QString port;
        QByteArray bytes;
    };

    void addProcessorPort(const QString& name, sim::SimulatedProcessor& processor)
    {
        m_ports.insert(name, Port{Kind::Processor, &processor, {}});
        QObject::connect(&processor, &sim::SimulatedProcessor::transmitted,
                         [this, name](const QByteArray& bytes) {
                             if (m_open && m_current == name && !answersLost)
                                 m_pending += bytes;
                         });
    }
    void addSilentPort(const QString& name)
    {
        m_ports.insert(name, Port{Kind::Silent, nullptr, {}});
    }
    // A port that cannot be opened, for the reason given.
    void addUnopenablePort(const QString& name,
                           PortFailure failure = {PortFailure::Kind::Other, QStringLiteral("I/O")})
    {
        m_ports.insert(name, Port{Kind::Unopenable, nullptr, failure});
    }

    bool open(const QString& name) override
    {
        openAttempts.append(name);
        m_failure = {};
        const auto it = m_ports.constFind(name);
        if (m_open || it == m_ports.constEnd() || unplugged.contains(name)) {
            m_failure = {PortFailure::Kind::Absent, QStringLiteral("No such file or directory")};
            return false;
        }
        if (it->kind == Kind::Unopenable) {
            m_failure = it->failure;
            return false;
        }
        m_open = true;
        m_current = name;
        return true;
    }
    PortFailure openFailure() const override { return m_failure; }
    void close() override
    {
        m_open = false;
        m_pending.clear(); // unread bytes die with the port
    }
    bool isOpen() const override { return m_open; }
    bool write(QByteArrayView bytes) override
    {
        if (!m_open)
            return false;
        writes.push_back({m_current, bytes.toByteArray()});
        if (const Port& port = m_ports[m_current]; port.processor)
            port.processor->receive(bytes);
        return true;
    }

    // One receive event with every byte that has arrived since the last one.
    void deliverTo(LinkSession& session)
    {
        if (m_pending.isEmpty())
            return;
        const QByteArray bytes = std::exchange(m_pending, {});
        session.ComPortRxChar(bytes);
    }

    std::vector<std::string> framesSince(std::size_t first) const
    {
        std::vector<std::string> frames;
        for (std::size_t i = first; i < writes.size(); ++i)
            frames.push_back(HexOf(writes[i].bytes));
        return frames;
    }

    std::vector<Write> writes;
    QStringList openAttempts;
    bool answersLost = false; // the cable is pulled on the way back: answers never arrive

    // A USB adapter pulled out: the port closes as the serial adapter closes a hung-up line,
    // and cannot be opened until it is plugged in again.
    void unplug(const QString& name)
    {
        unplugged.insert(name);
        if (m_current == name)
            close();
    }
    void plugIn(const QString& name) { unplugged.remove(name); }
    QSet<QString> unplugged;

private:
    enum class Kind { Processor, Silent, Unopenable };
    struct Port
    {
        Kind kind = Kind::Silent;
        sim::SimulatedProcessor* processor = nullptr;
        PortFailure failure;
    };

    QMap<QString, Port> m_ports;
    QString m_current;
    bool m_open = false;
    PortFailure m_failure;
    QByteArray m_pending;
};

class FakeMessages : public MessageService
{
public:
    void inform(const BilingualText& text) override { informed.append(text); }
    bool ask(const BilingualText& question) override
    {
        asked.append(question);
        return answer;
    }

    QList<BilingualText> informed;
    QList<BilingualText> asked;
    bool answer = true;
};

// A write during a run of ticks: the tick it happened in (from 1) and its bytes.
using TimedFrame = std::pair<int, std::string>;

// Frames as the controller writes them, restated byte by byte for the tests.
inline std::string BlockRequest(int block)
{
    char text[32];
    std::snprintf(text, sizeof text, "F5 B1 06 B0 1E 10 %02X 00 %02X", block,
                  (0xD3 + block) & 0xFF);
    return text;
}

inline std::string ModeNameRequest(int index)
{
    char text[32];
    std::snprintf(text, sizeof text, "F5 B1 06 B0 1E 00 %02X 00 %02X", index,
                  (0xC3 + index) & 0xFF);
    return text;
}

inline std::string ParameterWrite(ParamAddress address, int value)
{
    const int bytes[] = {0xF5,         0xB1,           0x06,         0xB7,
                         address >> 8, address & 0xFF, value & 0xFF, (value >> 8) & 0xFF};
    int sum = bytes[0];
    for (int i = 3; i < 8; ++i)
        sum += bytes[i];
    char text[40];
    std::snprintf(text, sizeof text, "F5 B1 06 B7 %02X %02X %02X %02X %02X", bytes[4], bytes[5],
                  bytes[6], bytes[7], sum & 0xFF);
    return text;
}

// Whether the store holds what the processor holds in every transferred slot of blocks 0 to 29.
template <std::size_t N>
::testing::AssertionResult StoreMatches(const ParamStore& store,
                                        const std::array<sim::ProcessorMemory::Row, N>& blocks)
{
    for (int block = 0; block < TransferBlockCount; ++block)
        for (int slot = 0; slot < SlotCount[block]; ++slot)
            if (store.at(block, slot) != blocks[block][slot])
                return ::testing::AssertionFailure()
                       << "block " << block << " slot " << slot << ": store "
                       << store.at(block, slot) << ", processor " << blocks[block][slot];
    return ::testing::AssertionSuccess();
}

inline const std::string LinkRequestFrame = "F5 B1 06 B7 1E 30 11 00 0B";
inline const std::string KeepAliveFrame = "F5 B1 06 B7 1E 30 66 00 60";
inline const std::string UnlinkFrame = "F5 B1 06 B7 1E 30 AA 00 A4";

inline const BilingualText SearchText{QStringLiteral("设备搜索..."), QStringLiteral("Search...")};
inline const BilingualText LinkingText{QStringLiteral("连接中..."), QStringLiteral("Linking...")};
inline const BilingualText LoadingText{QStringLiteral("加载中..."), QStringLiteral("Loading...")};
inline const BilingualText OnlineText{QStringLiteral("设备已连接"), QStringLiteral("Online")};
inline const BilingualText OfflineText{QStringLiteral("设备未连接"), QStringLiteral("Off Line")};
inline const BilingualText LinkFailedMessage{QStringLiteral("连接失败!"),
                                             QStringLiteral("Off Line!")};
inline const BilingualText LinkLostMessage{QStringLiteral("已断开连接!"),
                                           QStringLiteral("Off Line!")};

// A session wired to the fake line, with one simulated processor that tests can put on a port.
class LinkSessionFixture : public ::testing::Test
{
protected:
    static constexpr auto Timer1 = LinkSession::Timer1;
    static constexpr auto Timer2 = LinkSession::Timer2;
    static constexpr auto HoldTimer = LinkSession::HoldTimer;

    LinkSessionFixture()
    {
        QObject::connect(&session, &LinkSession::onlineRefreshRequested,
                         [this] { ++refreshRequests; });
        QObject::connect(&session, &LinkSession::modeListRebuildRequested,
                         [this] { ++modeListRebuilds; });
        QObject::connect(&session, &LinkSession::portSelected,
                         [this](int, const QString& name) { portsShown.append(name); });
    }

    void fire(LinkSession::Timer timer) { FireTimer(session, timer); }

    // Up to `count` ticks while the session keeps the timer on, the bytes that arrived being
    // handed over before each tick. Returns the number of ticks run.
    int run(LinkSession::Timer timer, int count)
    {
        int ticks = 0;
        while (ticks < count && session.isTimerActive(timer)) {
            line.deliverTo(session);
            fire(timer);
            ++ticks;
        }
        return ticks;
    }

    // As run(), noting in which tick each frame was written.
    std::vector<TimedFrame> runLogged(LinkSession::Timer timer, int count)
    {
        std::vector<TimedFrame> frames;
        for (int tick = 1; tick <= count && session.isTimerActive(timer); ++tick) {
            const std::size_t before = line.writes.size();
            run(timer, 1);
            for (const std::string& frame : line.framesSince(before))
                frames.emplace_back(tick, frame);
        }
        return frames;
    }

    // Searches the single port of `processor`, loads everything and goes online.
    bool linkOnline()
    {
        line.addProcessorPort(QStringLiteral("ttyUSB0"), processor);
        session.setPortNames({QStringLiteral("ttyUSB0")});
        session.LinkBtnClick();
        run(Timer1, 5);
        run(Timer2, 200);
        return session.isOnline() && session.isTimerActive(HoldTimer);
    }

    // Presses the link button again, the answers flowing, and goes online.
    bool linkAgain()
    {
        line.answersLost = false;
        session.LinkBtnClick();
        run(Timer1, 5);
        run(Timer2, 200);
        return session.isOnline();
    }

    template <std::size_t N>
    ::testing::AssertionResult
    storeMatches(const std::array<sim::ProcessorMemory::Row, N>& blocks) const
    {
        return StoreMatches(model.store, blocks);
    }

    // A value sent as the person's edit that holds the next back until it is acknowledged.
    void paced(ParamAddress address, std::int32_t value)
    {
        model.set(address, value, Origin::Person, nullptr, true);
    }

    ParameterModel model;
    DeviceTexts texts;
    DiagnosticLog log;
    sim::SimulatedProcessor processor;
    FakeSerialLine line;
    FakeMessages messages;
    LinkSession session{model, texts, line, messages, log};
    int refreshRequests = 0;
    int modeListRebuilds = 0;
    QStringList portsShown;
};

} // namespace aec::test
