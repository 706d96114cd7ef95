#include "link/FrameReceiver.h"
#include "link/DeviceFrame.h"
#include "link/FrameApplier.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <memory>
#include <random>
#include <string>
#include <vector>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace aec {
namespace {

QByteArray Bytes(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// A processor reply with its checksum: byte 0 plus every byte from the command on.
QByteArray Reply(int block, int slot, const QByteArray& data, std::uint8_t command = 0xB7)
{
    QByteArray f;
    f.append(char(0xF5)).append(char(0xB1)).append(static_cast<char>(data.size() + 4));
    f.append(static_cast<char>(command)).append(static_cast<char>(block));
    f.append(static_cast<char>(slot)).append(data);
    unsigned sum = 0xF5;
    for (qsizetype i = 3; i < f.size(); ++i)
        sum += static_cast<std::uint8_t>(f[i]);
    return f.append(static_cast<char>(sum & 0xFF));
}

// The store between two guard areas, so a reply that addresses cells past the table shows.
struct GuardedStore
{
    std::array<std::int32_t, 512> before;
    ParamStore store;
    std::array<std::int32_t, 512> after;
    GuardedStore()
    {
        before.fill(0x5A5A);
        after.fill(0x5A5A);
    }
    bool guardsIntact() const
    {
        const auto intact = [](const auto& area) {
            return std::all_of(area.begin(), area.end(),
                               [](std::int32_t v) { return v == 0x5A5A; });
        };
        return intact(before) && intact(after);
    }
};

struct Link
{
    GuardedStore memory;
    ParamStore& store = memory.store;
    DeviceTexts texts;
    LinkFlags flags;
    DiagnosticLog log;
    FrameApplier applier{store, texts, flags, log};
    FrameReceiver receiver{flags, applier, log};

    // The log without the buffer-length lines.
    QStringList notes() const
    {
        QStringList out;
        for (const QString& line : log.lines())
            if (!line.startsWith(QStringLiteral("缓存长度")))
                out << line;
        return out;
    }
};

class FrameReceiverTest : public ::testing::Test
{
protected:
    void Feed(const QByteArray& bytes) { link.receiver.receive(bytes); }
    void Feed(const char* hex) { Feed(Bytes(hex)); }
    void ExpectFlags(int answered, int ready, int rxEvent) const
    {
        EXPECT_EQ(link.flags.Answered, answered);
        EXPECT_EQ(link.flags.ReadyToSend, ready);
        EXPECT_EQ(link.flags.RxEvent, rxEvent);
    }

    Link link;
    ParamStore& store = link.store;
    ParamStore zero;
};

TEST_F(FrameReceiverTest, AcknowledgementsRaiseAnsweredReadyAndRxEvent)
{
    const std::vector<std::pair<std::vector<const char*>, int>> rows = {
        {{"EE BB"}, 1}, {{"EE AA"}, 1}, {{"EE", "BB"}, 1}, {{"EE 00"}, 0}, {{"EE"}, 0}};
    for (const auto& [chunks, raised] : rows) {
        SCOPED_TRACE(chunks.front());
        Link fresh;
        for (const char* chunk : chunks)
            fresh.receiver.receive(Bytes(chunk));
        EXPECT_EQ(fresh.flags.Answered, raised);
        EXPECT_EQ(fresh.flags.ReadyToSend, raised);
        EXPECT_EQ(fresh.flags.RxEvent, raised);
        EXPECT_TRUE(fresh.log.lines().isEmpty());
    }
}

TEST_F(FrameReceiverTest, BytesBeforeAFrameAreSkippedAndItsValuesStored)
{
    Feed("00 7F F5 B1 08 B7 02 00 64 00 C8 00 DA");
    EXPECT_EQ(store.at(2, 0), 100);
    EXPECT_EQ(store.at(2, 1), 200);
    ExpectFlags(0, 0, 2);
    EXPECT_TRUE(link.notes().isEmpty());
    EXPECT_EQ(link.applier.checksumErrorCount(), 0);
}

TEST_F(FrameReceiverTest, EachFrameLogsTheBufferLengthLineWithItsBodyLength)
{
    Feed("F5 B1 08 B7 02 00 64 00 C8 00 DA");
    Feed(Reply(30, 2, Bytes("05 00")));
    EXPECT_EQ(link.log.lines(), (QStringList{QStringLiteral("缓存长度K:C:L=11 11 7"),
                                             QStringLiteral("缓存长度K:C:L=9 9 5")}));
}

// A wrong checksum is logged in three lines and the values are still taken.
TEST_F(FrameReceiverTest, WrongChecksumStoresValuesAndLogsThreeLines)
{
    Feed("F5 B1 08 B7 02 00 64 00 C8 00 DB");
    EXPECT_EQ(store.at(2, 0), 100);
    EXPECT_EQ(store.at(2, 1), 200);
    EXPECT_EQ(link.notes(),
              (QStringList{QStringLiteral("2********************"),
                           QStringLiteral("校验数据匹配不一致:218得到的验证数据：219"),
                           QStringLiteral("接收到的错误数据：F5 B1 08 B7 02 00 64 00 C8 00 DB")}));
    EXPECT_EQ(link.applier.checksumErrorCount(), 1);

    Feed("F5 B1 06 B7 1E 03 07 00 00");
    Feed(Reply(6, 0, Bytes("01 00")));
    EXPECT_EQ(store.at(30, 3), 7);
    EXPECT_EQ(link.applier.checksumErrorCount(), 2);
    EXPECT_EQ(link.notes().size(), 6);
    EXPECT_EQ(link.notes()[3], QStringLiteral("30********************"));
}

TEST(FrameReceiverHexDump, TwoUpperCaseDigitsPerByteSeparatedBySpaces)
{
    EXPECT_EQ(HexDump(Bytes("F5 B1 06")), QStringLiteral("F5 B1 06"));
    EXPECT_EQ(HexDump(Bytes("00 0a ff")), QStringLiteral("00 0A FF"));
    EXPECT_EQ(HexDump(QByteArray()), QString());
}

// A frame spread over several receive events is applied once its last byte is in.
TEST_F(FrameReceiverTest, FrameSplitAcrossEventsIsAppliedWhenComplete)
{
    Feed("F5");
    EXPECT_EQ(link.receiver.state(), FrameReceiver::Header);
    Feed("B1 08 B7");
    EXPECT_EQ(link.receiver.state(), FrameReceiver::Body);
    Feed("02 00 64 00 C8 00");
    EXPECT_TRUE(store == zero);
    EXPECT_TRUE(link.log.lines().isEmpty());
    EXPECT_EQ(link.flags.RxEvent, 0);

    Feed("DA");
    EXPECT_EQ(store.at(2, 0), 100);
    EXPECT_EQ(store.at(2, 1), 200);
    EXPECT_EQ(link.flags.RxEvent, 2);
    EXPECT_EQ(link.receiver.state(), FrameReceiver::Hunting);
    EXPECT_EQ(link.receiver.pendingSize(), 0);
}

TEST_F(FrameReceiverTest, ResetDropsAnUnfinishedFrame)
{
    Feed("F5 B1 08 B7 02 00 64 00 C8 00");
    link.receiver.reset();
    Feed("DA");
    EXPECT_TRUE(store == zero);
    EXPECT_EQ(link.flags.RxEvent, 0);
    Feed("F5 B1 08 B7 02 00 64 00 C8 00 DA");
    EXPECT_EQ(store.at(2, 0), 100);
}

TEST_F(FrameReceiverTest, EveryItemOfAChunkIsHandled)
{
    Feed(Bytes("EE BB") + Reply(4, 5, Bytes("01 00 02 00")) + Reply(24, 5, Bytes("03 00")) +
         Bytes("EE AA"));
    EXPECT_EQ(store.at(4, 5), 1);
    EXPECT_EQ(store.at(4, 6), 2);
    EXPECT_EQ(store.at(24, 5), 3);
    ExpectFlags(1, 1, 1);
    EXPECT_EQ(link.log.lines().size(), 2);
}

// A start byte that does not begin a frame costs only itself.
TEST_F(FrameReceiverTest, FalseStartSkipsOnlyTheStartByte)
{
    const QByteArray frame = Bytes("F5 B1 08 B7 02 00 64 00 C8 00 DA");
    const std::vector<const char*> prefixes = {
        "F5 00",       "F5 F5", "F5 B1 03 B7", "F5 B1 00 B0", "F5 B1 08 B8",
        "F5 B1 08 EE", "EE 12", "EE",          "EE EE",       "F5 EE"};
    for (const char* prefix : prefixes) {
        for (const bool byteByByte : {false, true}) {
            SCOPED_TRACE(std::string(prefix) + (byteByByte ? " byte by byte" : " in one piece"));
            Link fresh;
            const QByteArray stream = Bytes(prefix) + frame;
            if (byteByByte)
                for (const char byte : stream)
                    fresh.receiver.receive(QByteArray(1, byte));
            else
                fresh.receiver.receive(stream);
            EXPECT_EQ(fresh.store.at(2, 0), 100);
            EXPECT_EQ(fresh.store.at(2, 1), 200);
            EXPECT_EQ(fresh.flags.RxEvent, 2);
            EXPECT_EQ(fresh.flags.Answered, 0);
            EXPECT_EQ(fresh.applier.checksumErrorCount(), 0);
        }
    }

    Feed("F5 EE BB");
    ExpectFlags(1, 1, 1);
}

// A stray frame start gives back what it swallowed once its checksum fails with a frame start
// inside, or once the line has been quiet for 100 ms; nothing of it is stored.
TEST_F(FrameReceiverTest, StrayFrameStartGivesBackEverythingItSwallowed)
{
    QByteArray values;
    for (int i = 0; i < 120; ++i)
        values.append(static_cast<char>(i)).append('\x02');
    const QByteArray stray = Bytes("F5 B1 FF B7 00 00");
    const QByteArray stream = stray + Bytes("EE BB") + Reply(2, 0, Bytes("64 00")) +
                              Reply(6, 10, values) + Bytes("EE AA");
    for (const qsizetype chunk : {stream.size(), qsizetype(1)}) {
        Link fresh;
        for (qsizetype at = 0; at < stream.size(); at += chunk)
            fresh.receiver.receive(stream.mid(at, chunk));
        EXPECT_EQ(fresh.store.at(2, 0), 100) << chunk;
        EXPECT_EQ(fresh.store.at(6, 129), 512 + 119) << chunk;
        EXPECT_EQ(fresh.store.at(0, 0), 0) << chunk;
        EXPECT_EQ(fresh.flags.Acknowledgements, 2) << chunk;
        EXPECT_EQ(fresh.applier.checksumErrorCount(), 0) << chunk;
    }

    Feed(stray + Bytes("EE BB"));
    for (int tick = 0; tick < 5; ++tick) // the first tick had bytes in it
        link.receiver.lineTick(20);
    EXPECT_EQ(link.flags.Answered, 0) << "held just short of 100 ms";
    link.receiver.lineTick(20);
    EXPECT_EQ(link.flags.Answered, 1);
    EXPECT_EQ(link.receiver.pendingSize(), 0);
    EXPECT_TRUE(store == zero);
}

TEST_F(FrameReceiverTest, BlockRepliesStoreConsecutiveValuesFromTheirSlot)
{
    ParamStore expected;
    Feed(Reply(6, 20, Bytes("01 00 FF FF 34 12")));
    expected.at(6, 20) = 1;
    expected.at(6, 21) = 65535;
    expected.at(6, 22) = 0x1234;
    Feed(Reply(5, 0, Bytes("0A 00"), 0xB0));
    expected.at(5, 0) = 10;
    Feed(Reply(2, 7, Bytes("34 12 56")));
    expected.at(2, 7) = 0x1234;
    Feed(Reply(3, 9, QByteArray()));
    Feed(Reply(29, 164, Bytes("09 00")));
    expected.at(29, 164) = 9;
    EXPECT_TRUE(store == expected);
    EXPECT_TRUE(link.notes().isEmpty());
}

// Replies that address cells outside the table store only what fits and say so in the log.
TEST_F(FrameReceiverTest, RepliesPastTheTableNeverWriteOutsideIt)
{
    Feed(Reply(2, 163, Bytes("01 00 02 00 03 00 04 00")));
    EXPECT_EQ(store.at(2, 163), 1);
    EXPECT_EQ(store.at(2, 164), 2);
    EXPECT_EQ(store.at(3, 0), 0);
    EXPECT_EQ(store.at(3, 1), 0);
    EXPECT_EQ(link.notes().size(), 1);
    EXPECT_EQ(link.applier.droppedValueCount(), 2);

    ParamStore before = store;
    const std::vector<std::pair<int, int>> outside = {
        {29, 200}, {31, 0}, {31, 164}, {40, 2}, {255, 255}};
    for (const auto& [block, slot] : outside) {
        SCOPED_TRACE(std::to_string(block) + ":" + std::to_string(slot));
        const qsizetype lines = link.notes().size();
        Feed(Reply(block, slot, Bytes("01 00 02 00")));
        EXPECT_TRUE(store == before);
        EXPECT_EQ(link.notes().size(), lines + 1);
        EXPECT_EQ(link.flags.RxEvent, 2);
    }
    EXPECT_TRUE(link.memory.guardsIntact());
}

TEST_F(FrameReceiverTest, SystemRepliesStoreValuesBelowSlot48AndIgnoreTheRest)
{
    store.at(30, 3) = 9;
    ParamStore expected = store;
    Feed(Reply(30, 2, Bytes("05 00")));
    expected.at(30, 2) = 5;
    Feed(Reply(30, 20, Bytes("02 01")));
    expected.at(30, 20) = 0x0102;
    Feed(Reply(30, 47, Bytes("FF 7F")));
    expected.at(30, 47) = 0x7FFF;
    for (const int slot : {11, 12, 15, 16, 48, 49, 100, 164, 200})
        Feed(Reply(30, slot, Bytes("01 00")));
    Feed(Reply(30, 3, Bytes("01")));
    Feed(Reply(30, 3, QByteArray()));
    EXPECT_TRUE(store == expected);
    EXPECT_TRUE(link.memory.guardsIntact());
}

TEST_F(FrameReceiverTest, CodeAndPasswordRepliesKeepTheirBytesUnchanged)
{
    Feed(Reply(30, 5, Bytes("31 32 00 FF")));
    Feed(Reply(30, 7, QByteArray("654321")));
    EXPECT_EQ(link.texts.DeviceCodeText, Bytes("31 32 00 FF"));
    EXPECT_EQ(link.texts.DevicePasswordText, QByteArray("654321"));
}

TEST_F(FrameReceiverTest, IdentityReplyShowsItsFirstFourBytesAsEightHexDigits)
{
    QStringList shown;
    QObject::connect(&link.applier, &FrameApplier::deviceIdentityChanged,
                     [&shown](const QString& id) { shown << id; });
    Feed(Reply(30, 64, Bytes("12 AB 00 7F")));
    EXPECT_EQ(link.texts.DeviceIdentity, QStringLiteral("12AB007F"));
    Feed(Reply(30, 64, Bytes("01 02 03 04 05")));
    EXPECT_EQ(link.texts.DeviceIdentity, QStringLiteral("01020304"));
    Feed(Reply(30, 64, Bytes("0A 0B 0C")));
    EXPECT_EQ(link.texts.DeviceIdentity, QStringLiteral("01020304"));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("12AB007F"), QStringLiteral("01020304")}));
}

// A name reply belongs to the mode requested before the counter moved on.
TEST_F(FrameReceiverTest, ModeNameReplyGoesToTheRequestedModeCutAndCleaned)
{
    link.flags.ModeNameIndex = 4;
    Feed(Reply(30, 0, QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXY")));
    link.flags.ModeNameIndex = 1;
    Feed(Reply(30, 0, Bytes("41 42 1D 1E 7F 80 FF 20 00")));
    link.flags.ModeNameIndex = 22;
    Feed(Reply(30, 0, QByteArray("Last")));

    EXPECT_EQ(link.texts.ModeNames[3], QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
    EXPECT_EQ(link.texts.ModeNames[0],
              QStringLiteral("AB?") + QChar(0x1E) + QChar(0x7F) + QStringLiteral("?? ?"));
    EXPECT_EQ(link.texts.ModeNames[21], QStringLiteral("Last"));
}

TEST_F(FrameReceiverTest, ModeNameReplyWithoutAValidRequestStoresNothing)
{
    for (const int index : {0, 23, 30}) {
        SCOPED_TRACE(index);
        link.flags.ModeNameIndex = index;
        Feed(Reply(30, 0, QByteArray("Stray")));
    }
    for (const QString& name : link.texts.ModeNames)
        EXPECT_TRUE(name.isEmpty());
    EXPECT_TRUE(store == zero);
    EXPECT_TRUE(link.memory.guardsIntact());
}

// The receiver's result must not depend on how the port cuts the byte stream.
TEST(FrameReceiverChunking, SameStreamInAnyChunkingGivesTheSameResult)
{
    QByteArray values;
    for (int i = 0; i < 40; ++i)
        values.append(static_cast<char>(i * 7)).append(static_cast<char>(i));
    const QByteArray badChecksum = Bytes("F5 B1 08 B7 06 03 64 00 C8 00 00");
    const QByteArray stream =
        Bytes("00 7F 12 EE BB") + Reply(0, 0, values) + Bytes("F5 00") + badChecksum +
        Bytes("EE 00") + Reply(30, 0, QByteArray("Mode\x01Two")) + Bytes("F5 B1 02") +
        Reply(30, 64, Bytes("DE AD BE EF")) + Reply(30, 2, Bytes("07 00")) + Bytes("EE") +
        Reply(2, 163, Bytes("01 00 02 00 03 00")) + Reply(31, 1, Bytes("01 00")) + Bytes("EE AA") +
        Reply(29, 0, Bytes("0B 00")) + Bytes("F5 B1 08 B7 05");

    const auto run = [&stream](const std::vector<qsizetype>& cuts) {
        auto link = std::make_unique<Link>();
        link->flags.ModeNameIndex = 2;
        qsizetype pos = 0;
        for (const qsizetype size : cuts) {
            link->receiver.receive(QByteArrayView(stream).sliced(pos, size));
            pos += size;
        }
        return link;
    };
    const auto normalized = [](const Link& link) {
        QStringList lines = link.log.lines();
        lines.replaceInStrings(QRegularExpression(QStringLiteral("=\\d+ \\d+ ")),
                               QStringLiteral("=K C "));
        return lines;
    };

    const auto whole = run({stream.size()});
    EXPECT_EQ(whole->store.at(0, 39), 39 * 256 + ((39 * 7) & 0xFF));
    EXPECT_EQ(whole->store.at(6, 3), 100);
    EXPECT_EQ(whole->store.at(30, 2), 7);
    EXPECT_EQ(whole->store.at(29, 0), 11);
    EXPECT_EQ(whole->texts.ModeNames[1], QStringLiteral("Mode?Two"));
    EXPECT_EQ(whole->texts.DeviceIdentity, QStringLiteral("DEADBEEF"));
    EXPECT_EQ(whole->applier.checksumErrorCount(), 1);
    EXPECT_EQ(whole->applier.droppedValueCount(), 2);
    EXPECT_EQ(whole->flags.RxEvent, 2);
    EXPECT_EQ(whole->flags.Answered, 1);
    EXPECT_EQ(whole->receiver.pendingSize(), 5);
    EXPECT_EQ(whole->log.lines().size(), 8 + 3 + 2);

    std::vector<std::vector<qsizetype>> cuttings{std::vector<qsizetype>(stream.size(), 1)};
    std::mt19937 random(20240611);
    for (int trial = 0; trial < 30; ++trial) {
        std::vector<qsizetype> cuts;
        for (qsizetype left = stream.size(); left > 0;) {
            const qsizetype size =
                std::min<qsizetype>(left, std::uniform_int_distribution<int>(1, 24)(random));
            cuts.push_back(size);
            left -= size;
        }
        cuttings.push_back(cuts);
    }
    for (std::size_t i = 0; i < cuttings.size(); ++i) {
        SCOPED_TRACE(i == 0 ? std::string("byte by byte") : "random chunks " + std::to_string(i));
        const auto piecewise = run(cuttings[i]);
        EXPECT_TRUE(piecewise->store == whole->store);
        EXPECT_EQ(piecewise->texts.ModeNames, whole->texts.ModeNames);
        EXPECT_EQ(piecewise->texts.DeviceIdentity, whole->texts.DeviceIdentity);
        EXPECT_EQ(piecewise->flags.Answered, whole->flags.Answered);
        EXPECT_EQ(piecewise->flags.ReadyToSend, whole->flags.ReadyToSend);
        EXPECT_EQ(piecewise->flags.RxEvent, whole->flags.RxEvent);
        EXPECT_EQ(normalized(*piecewise), normalized(*whole));
        EXPECT_EQ(piecewise->applier.checksumErrorCount(), 1);
        EXPECT_EQ(piecewise->receiver.pendingSize(), 5);
    }
}

} // namespace
} // namespace aec
