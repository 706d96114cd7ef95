// The port the link opens by name: serial devices and processors on the network, with the
// network's errors taken as a serial line's hang-up.
#include "platform/LinkPort.h"
#include "sim/SimulatorHost.h"
#include "sim/TcpSimulatorHost.h"
#include "support/EventLoop.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

using test::RunUntil;

QByteArray Hex(const char* text)
{
    return QByteArray::fromHex(text);
}

TEST(TcpLineAdapter, ReadsHostAndPortAndRefusesAnythingElse)
{
    const struct
    {
        const char* name;
        const char* host; // null: refused
        int port;
    } cases[] = {
        {"tcp://127.0.0.1:4001", "127.0.0.1", 4001},
        {"TCP://rack-2.venue.lan:1", "rack-2.venue.lan", 1},
        {"tcp://[::1]:65535", "::1", 65535},
        {"tcp://127.0.0.1:0", nullptr, 0},
        {"tcp://127.0.0.1:65536", nullptr, 0},
        {"tcp://127.0.0.1:4294967297", nullptr, 0},
        {"tcp://127.0.0.1", nullptr, 0},
        {"tcp://:4001", nullptr, 0},
        {"tcp://127.0.0.1:4001/ttyS0", nullptr, 0},
        {"tcp://user@127.0.0.1:4001", nullptr, 0},
        {"udp://127.0.0.1:4001", nullptr, 0},
        {"/dev/ttyUSB0", nullptr, 0},
    };
    for (const auto& c : cases) {
        const auto address = TcpLineAdapter::ParseName(QString::fromLatin1(c.name));
        if (!c.host) {
            EXPECT_FALSE(address) << c.name;
            continue;
        }
        ASSERT_TRUE(address) << c.name;
        EXPECT_EQ(address->host, QString::fromLatin1(c.host)) << c.name;
        EXPECT_EQ(address->port, c.port) << c.name;
    }
}

class LinkPortOverTcp : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.start()) << host.errorString().toStdString();
        QObject::connect(&port, &LinkPort::bytesReceived,
                         [this](const QByteArray& bytes) { received += bytes; });
        QObject::connect(&port, &LinkPort::lineLost, [this] { ++losses; });
    }

    sim::TcpSimulatorHost host;
    LinkPort port;
    QByteArray received;
    int losses = 0;
};

TEST_F(LinkPortOverTcp, FrameWrittenWhileConnectingIsAnsweredOnceTheConnectionIsUp)
{
    ASSERT_TRUE(port.open(host.portPath()));
    EXPECT_TRUE(port.isOpen());
    ASSERT_TRUE(port.write(Hex("F5B106B71E3011000B")));
    ASSERT_TRUE(RunUntil([this] { return received.size() >= 13; }, 5000));
    EXPECT_EQ(received, Hex("EEBB") + Hex("F5B108B71E4051A3160B1F"));
    EXPECT_TRUE(host.processor().isLinked());
    EXPECT_EQ(port.openFailure().kind, PortFailure::Kind::None);
}

TEST_F(LinkPortOverTcp, FarEndClosingClosesThePortAsAHangUpDoes)
{
    ASSERT_TRUE(port.open(host.portPath()));
    port.write(Hex("F5B106B71E30660060"));
    ASSERT_TRUE(RunUntil([this] { return received == Hex("EEBB"); }, 5000));

    host.hangUp();
    ASSERT_TRUE(RunUntil([this] { return losses > 0; }, 5000));
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.write(Hex("F5B106B71E30660060")));
    EXPECT_EQ(losses, 1) << "reported once, not in a loop";

    // Nobody listens now: the next try is refused, which is no fault of the port's.
    ASSERT_TRUE(port.open(host.portPath()));
    ASSERT_TRUE(RunUntil([this] { return !port.isOpen(); }, 5000));
    EXPECT_EQ(port.openFailure().kind, PortFailure::Kind::Absent);

    ASSERT_TRUE(host.reopen());
    ASSERT_TRUE(port.open(host.portPath()));
    received.clear();
    port.write(Hex("F5B106B71E30660060"));
    EXPECT_TRUE(RunUntil([this] { return received == Hex("EEBB"); }, 5000));
}

TEST_F(LinkPortOverTcp, BadAddressIsRefusedAtOnceWithItsReason)
{
    EXPECT_FALSE(port.open(QStringLiteral("tcp://127.0.0.1:99999")));
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.openFailure().kind, PortFailure::Kind::Other);
    EXPECT_TRUE(port.openFailure().detail.contains(QStringLiteral("tcp://host:port")));
}

TEST(LinkPort, OpensSerialDevicesByPathAndTellsAMissingOneFromABusyOne)
{
    sim::SimulatorHost host;
    ASSERT_TRUE(host.start());
    LinkPort port;
    QByteArray received;
    QObject::connect(&port, &LinkPort::bytesReceived,
                     [&](const QByteArray& bytes) { received += bytes; });
    ASSERT_TRUE(port.open(host.portPath())) << port.openFailure().detail.toStdString();
    port.write(Hex("F5B106B71E30660060"));
    EXPECT_TRUE(RunUntil([&] { return received == Hex("EEBB"); }, 5000));

    LinkPort second;
    EXPECT_FALSE(second.open(host.portPath()));
    EXPECT_EQ(second.openFailure().kind, PortFailure::Kind::Busy)
        << second.openFailure().detail.toStdString();
    EXPECT_FALSE(second.open(QStringLiteral("/dev/aec-no-such-port")));
    EXPECT_EQ(second.openFailure().kind, PortFailure::Kind::Absent);
}

} // namespace
} // namespace aec
