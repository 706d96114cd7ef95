// The protocol console's logic: what a recorded session's bytes mean, and a memory that keeps
// the newest records, in order, only while someone watches.
#include "LinkSessionFixture.h"
#include "link/ProtocolDecoder.h"
#include "link/ProtocolRecorder.h"

#include <gmock/gmock.h>

#include <QDateTime>

// Readable failure messages for texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace aec::test {
namespace {

using Direction = ProtocolRecord::Direction;
using RecordKind = ProtocolRecord::Kind;

ProtocolRecord Record(Direction direction, const char* hex, BilingualText words = {})
{
    ProtocolRecord record;
    record.direction = direction;
    record.bytes = QByteArray::fromHex(hex);
    record.kind = ProtocolDecoder::KindOf(direction, record.bytes);
    record.words = std::move(words);
    return record;
}

// A session as it crossed the line, item by item, with what each one means.
TEST(ProtocolDecoder, ReadsARecordedSessionLineByLine)
{
    const struct
    {
        Direction direction;
        const char* hex;
        RecordKind kind;
        const char* english;
    } session[] = {
        {Direction::Out, "F5B106B71E3011000B", RecordKind::Link, "link request"},
        {Direction::In, "EEBB", RecordKind::Acknowledgement, "acknowledgement"},
        {Direction::In, "F5B108B71E4051A3160B1F", RecordKind::Link, "identity 51A3160B"},
        {Direction::Out, "F5B106B01E100500D8", RecordKind::Transfer, "block request: block 5"},
        {Direction::In, "F5B10AB705006400C8002C010A", RecordKind::Transfer,
         "data reply: block 5, slots 0–2 (3 values)"},
        {Direction::In, "F5B10AB705006400C8002C010B", RecordKind::Error,
         "CHECKSUM ERROR (expected 0A, got 0B): data reply: block 5, slots 0–2 (3 values)"},
        {Direction::Out, "F5B106B01E000300C6", RecordKind::Transfer, "mode name request: index 3"},
        {Direction::In, "F5B10AB71E00557365722031BA", RecordKind::Transfer,
         "mode name reply \"User 1\""},
        {Direction::Out, "F5B104B01E03C6", RecordKind::Transfer,
         "read System Input Input Level  [0x1E03]"},
        {Direction::In, "F5B106B71E030300D0", RecordKind::Transfer,
         "system item reply: System Input Input Level = 6dB"},
        {Direction::In, "F5B106B71E0B0100D6", RecordKind::Transfer,
         "processor report at system slot 11 (nothing to keep)"},
        {Direction::In, "F5B106B71F000100CC", RecordKind::Transfer,
         "reply at block 31 (not stored)"},
        {Direction::Out, "F5B106B71E30660060", RecordKind::Link, "keep-alive"},
        {Direction::Out, "F5B106B70310CC008B", RecordKind::Parameter,
         "write MIC B EQ band 1 frequency = 1000Hz  [0x0310 = 204]"},
        {Direction::Out, "F5B10AB71E0F020001000200DE", RecordKind::Transfer,
         "block write: block 2, slots 0–1 (2 values)"},
        {Direction::Out,
         "F5B11AB71E0103004261"
         "6C6C61642020202020202020202020202020CE",
         RecordKind::Parameter, "mode store: index 3 \"Ballad\""},
        {Direction::Out, "F5B106B71E020400D0", RecordKind::Parameter, "mode recall: index 4"},
        {Direction::Out, "F5B106B71E30AA00A4", RecordKind::Link, "unlink"},
        {Direction::Out, "F5B106B71E30", RecordKind::Error, "unreadable bytes"},
    };
    for (const auto& item : session) {
        const ProtocolRecord record = Record(item.direction, item.hex);
        EXPECT_EQ(record.kind, item.kind) << item.hex;
        EXPECT_EQ(ProtocolDecoder::Describe(record, false).toStdString(), item.english) << item.hex;
    }
}

TEST(ProtocolDecoder, SpeaksChineseAndMarksResyncsLogLinesAndSessionEvents)
{
    EXPECT_EQ(ProtocolDecoder::Describe(Record(Direction::Out, "F5B106B71E30660060"), true),
              QStringLiteral("保持连接"));
    EXPECT_EQ(ProtocolDecoder::Describe(Record(Direction::In, "F5B10AB705006400C8002C010A"), true),
              QStringLiteral("数据应答：区块 5，第 0–2 项（3 个值）"));
    EXPECT_EQ(ProtocolDecoder::Describe(Record(Direction::Out, "F5B106B70310CC008B"), true),
              QStringLiteral("写入 麦克B 均衡第1段 频率 = 1000Hz  [0x0310 = 204]"));

    const ProtocolRecord noise = Record(
        Direction::Resync, "007F", {"noise before a frame start", "noise before a frame start"});
    EXPECT_EQ(noise.kind, RecordKind::Error);
    EXPECT_EQ(ProtocolDecoder::Describe(noise, false),
              QStringLiteral("resync: dropped 2 bytes (noise before a frame start)"));
    EXPECT_EQ(ProtocolDecoder::Describe(noise, true),
              QStringLiteral("重新同步：丢弃 2 个字节（帧头之前的杂讯）"));

    const ProtocolRecord log =
        Record(Direction::Log, "",
               {QStringLiteral("缓存长度K:C:L=13 13 9"), QStringLiteral("缓存长度K:C:L=13 13 9")});
    EXPECT_EQ(log.kind, RecordKind::Log);
    EXPECT_EQ(ProtocolDecoder::Describe(log, false), QStringLiteral("log: 缓存长度K:C:L=13 13 9"));
    const ProtocolRecord event = Record(Direction::Session, "", {"设备在 COM3 应答", "answered"});
    EXPECT_EQ(event.kind, RecordKind::Session);
    EXPECT_EQ(ProtocolDecoder::Describe(event, true), QStringLiteral("设备在 COM3 应答"));
}

TEST(ProtocolDecoder, LineHasTheTimeOfDayTheDirectionTheMeaningAndTheBytes)
{
    ProtocolRecord keepAlive = Record(Direction::Out, "F5B106B71E30660060");
    keepAlive.timeMs = QDateTime(QDate(2024, 5, 1), QTime(21, 7, 3, 45)).toMSecsSinceEpoch();
    EXPECT_EQ(ProtocolDecoder::Line(keepAlive, false),
              QStringLiteral("21:07:03.045  →  keep-alive  [F5 B1 06 B7 1E 30 66 00 60]"));
    ProtocolRecord ack = Record(Direction::In, "EEBB");
    ack.timeMs = keepAlive.timeMs + 3;
    EXPECT_EQ(ProtocolDecoder::Line(ack, false),
              QStringLiteral("21:07:03.048  ←  acknowledgement  [EE BB]"));

    // A long run of noise shows its first 256 bytes and how many more there were.
    ProtocolRecord noise = Record(Direction::Resync, "", {"noise", "noise"});
    noise.bytes = QByteArray(300, '\x11');
    EXPECT_TRUE(ProtocolDecoder::Line(noise, false).endsWith(QStringLiteral("11 11 … +44]")));
    noise.bytes = QByteArray(256, '\x11');
    EXPECT_TRUE(ProtocolDecoder::Line(noise, false).endsWith(QStringLiteral("11 11]")));
}

TEST(ProtocolRecorder, KeepsTheNewestRecordsWithinItsCapUnderAFlood)
{
    qint64 now = 1000;
    ProtocolRecorder recorder(100, [&now] { return now++; });
    for (int i = 0; i < 350; ++i) {
        const char frame[] = {'\xEE', static_cast<char>(i & 0xFF)};
        recorder.received(QByteArrayView(frame, 2));
    }
    EXPECT_EQ(recorder.size(), 100);
    EXPECT_EQ(recorder.capacity(), 100);
    EXPECT_EQ(recorder.dropped(), 250);
    EXPECT_EQ(recorder.firstSequence(), 250);
    EXPECT_EQ(recorder.nextSequence(), 350);
    EXPECT_EQ(recorder.at(250).bytes, QByteArray::fromHex("EEFA")); // record 250 of 0..349
    EXPECT_EQ(recorder.at(250).timeMs, 1250);
    EXPECT_EQ(recorder.at(349).bytes, QByteArray::fromHex("EE5D"));

    ProtocolRecorder one(1);
    one.noted({QStringLiteral("一"), QStringLiteral("one")});
    one.noted({QStringLiteral("二"), QStringLiteral("two")});
    EXPECT_EQ(one.size(), 1);
    EXPECT_EQ(one.at(1).words.english, QStringLiteral("two"));
    one.clear();
    EXPECT_EQ(one.size(), 0);
    EXPECT_EQ(one.nextSequence(), 2) << "numbers run on after a clear";
}

class ProtocolRecorderOnASession : public LinkSessionFixture
{
};

TEST_F(ProtocolRecorderOnASession, RecordsBothWaysInOrderWithTheLogInPlaceOnlyWhileAttached)
{
    ProtocolRecorder recorder;
    recorder.attach(session, log);
    ASSERT_TRUE(linkOnline());
    session.ComPortRxChar(QByteArray::fromHex("007F F5B106B71E0B0100D7"));
    recorder.detach();
    const qint64 recorded = recorder.nextSequence();
    run(HoldTimer, 120); // keep-alives nobody watches
    session.ComPortRxChar(QByteArray::fromHex("00"));
    EXPECT_EQ(recorder.nextSequence(), recorded);

    QStringList lines;
    for (qint64 i = recorder.firstSequence(); i < recorder.nextSequence(); ++i)
        lines << ProtocolDecoder::Describe(recorder.at(i), false);
    // The port tried, the link request, its acknowledgement and the identity, then the load.
    EXPECT_EQ(lines.mid(0, 6).join('|').toStdString(),
              "trying port ttyUSB0|link request|acknowledgement|identity 51A3160B|"
              "log: 缓存长度K:C:L=11 11 7|the processor answered on ttyUSB0");
    EXPECT_EQ(lines[6], QStringLiteral("block request: block 0"));
    // The noise, the damaged report and the three lines the diagnostic log gives it.
    EXPECT_EQ(lines.mid(lines.size() - 6).join('|').toStdString(),
              "resync: dropped 2 bytes (noise before a frame start)|"
              "CHECKSUM ERROR (expected D6, got D7): processor report at system slot 11 (nothing "
              "to keep)|log: 缓存长度K:C:L=9 9 5|log: 30********************|"
              "log: 校验数据匹配不一致:214得到的验证数据：215|"
              "log: 接收到的错误数据：F5 B1 06 B7 1E 0B 01 00 D7");
}

TEST_F(ProtocolRecorderOnASession, CountersAddUpWhatCrossedTheLine)
{
    ASSERT_TRUE(linkOnline());
    const LinkCounters online = session.counters();
    EXPECT_EQ(online.framesOut, static_cast<qint64>(line.writes.size()));
    EXPECT_EQ(online.framesOut, 83);            // the link request and the 82 requests of a load
    EXPECT_EQ(online.bytesOut, 83 * 9 - 9 * 2); // nine system items are 7 bytes
    EXPECT_EQ(online.acknowledgements, 1);
    EXPECT_EQ(online.losses, 0);

    session.ComPortRxChar(QByteArray::fromHex("007F F5B106B71E0B0100D7 EE"));
    session.ComPortRxChar(QByteArray::fromHex("00"));
    paced(0x020B, 5);
    model.SetParameter(0x020C, 6);
    line.answersLost = true;
    run(HoldTimer, 400);
    const LinkCounters lost = session.counters();
    EXPECT_EQ(lost.checksumErrors, 1);
    EXPECT_EQ(lost.resyncs, 3) << "the noise, the EE that led nothing, the byte after it";
    EXPECT_EQ(lost.bytesIn - online.bytesIn, 13 + 2) << "and the paced value's acknowledgement";
    EXPECT_EQ(lost.framesIn - online.framesIn, 1);
    EXPECT_EQ(lost.stepRepeats, 2) << "the unanswered frame again at the second and fourth second";
    EXPECT_EQ(lost.losses, 1);
    EXPECT_EQ(lost.queueDepth, 0) << "a lost link forgets its queue";
}

} // namespace
} // namespace aec::test
