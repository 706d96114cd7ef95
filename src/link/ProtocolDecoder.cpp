#include "link/ProtocolDecoder.h"

#include "core/ParameterNames.h"
#include "link/DeviceFrame.h"

#include <QDateTime>

namespace aec {
namespace {

using Direction = ProtocolRecord::Direction;
using RecordKind = ProtocolRecord::Kind;

constexpr int SystemBlock = 30;
constexpr int IdentitySlot = 64;
constexpr int StoredSystemSlots = 48;
constexpr qsizetype HexShown = 256; // bytes of a long item shown in the line

std::uint8_t U8(QByteArrayView bytes, qsizetype i)
{
    return static_cast<std::uint8_t>(bytes[i]);
}

// F5 B1 L ... with L counting everything after itself but the checksum.
bool IsFrame(QByteArrayView bytes)
{
    return bytes.size() >= Frame::OverheadSize && U8(bytes, 0) == Frame::Header1 &&
           U8(bytes, 1) == Frame::Header2 && U8(bytes, 2) + 3 == bytes.size();
}

bool IsAcknowledgement(QByteArrayView bytes)
{
    return bytes.size() == 2 && U8(bytes, 0) == Frame::AckLead;
}

struct Parts
{
    std::uint8_t command;
    ParamAddress address;
    QByteArrayView data;
    std::uint8_t expected;
    std::uint8_t received;
};

Parts Split(QByteArrayView frame)
{
    return {U8(frame, 3), static_cast<ParamAddress>(U8(frame, 4) * 256 + U8(frame, 5)),
            frame.sliced(Frame::HeaderSize, frame.size() - Frame::OverheadSize),
            FrameChecksum(frame.first(frame.size() - 1)), U8(frame, frame.size() - 1)};
}

int Value16(QByteArrayView data)
{
    return data.size() >= 2 ? U8(data, 0) + 256 * U8(data, 1) : (data.isEmpty() ? 0 : U8(data, 0));
}

// Text bytes as they would show, control and high bytes as "?".
QString Printable(QByteArrayView bytes)
{
    QString text;
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        text.append(b < 32 || b > 126 ? QLatin1Char('?') : QLatin1Char(c));
    }
    return text.trimmed();
}

QString Hex4(int value)
{
    return QStringLiteral("0x") +
           QString::number(value, 16).rightJustified(4, QLatin1Char('0')).toUpper();
}

QString NameOf(ParamAddress address, bool chinese)
{
    if (const auto p = DescribeDeviceAddress(address))
        return p->name(chinese);
    return Hex4(address);
}

// "slots 0–44 (45 values)"
QString SlotRange(int first, int count, bool chinese)
{
    if (chinese)
        return QStringLiteral("第 %1–%2 项（%3 个值）")
            .arg(first)
            .arg(first + count - 1)
            .arg(count);
    return QStringLiteral("slots %1–%2 (%3 values)").arg(first).arg(first + count - 1).arg(count);
}

QString Pick(bool chinese, const QString& zh, const QString& en)
{
    return chinese ? zh : en;
}

QString DescribeWrite(const Parts& f, bool chinese)
{
    const int value = Value16(f.data);
    switch (f.address) {
    case CommandAddress::LinkCommand:
        switch (f.data.isEmpty() ? -1 : U8(f.data, 0)) {
        case LinkCode::Link:
            return Pick(chinese, QStringLiteral("连接请求"), QStringLiteral("link request"));
        case LinkCode::KeepAlive:
            return Pick(chinese, QStringLiteral("保持连接"), QStringLiteral("keep-alive"));
        case LinkCode::Unlink:
            return Pick(chinese, QStringLiteral("断开连接"), QStringLiteral("unlink"));
        default:
            return Pick(chinese, QStringLiteral("连接命令 %1"), QStringLiteral("link command %1"))
                .arg(value);
        }
    case CommandAddress::BlockWrite: {
        if (f.data.size() < 2)
            break;
        const int count = static_cast<int>((f.data.size() - 2) / 2);
        return Pick(chinese, QStringLiteral("下载区块 %1，%2"),
                    QStringLiteral("block write: block %1, %2"))
            .arg(U8(f.data, 0))
            .arg(SlotRange(U8(f.data, 1) / 2, count, chinese));
    }
    case CommandAddress::ModeRecord:
        if (f.data.size() < 2)
            break;
        return Pick(chinese, QStringLiteral("保存模式：序号 %1 “%2”"),
                    QStringLiteral("mode store: index %1 \"%2\""))
            .arg(U8(f.data, 0))
            .arg(Printable(f.data.sliced(2)));
    case CommandAddress::ModeRecall:
        return Pick(chinese, QStringLiteral("调用模式：序号 %1"),
                    QStringLiteral("mode recall: index %1"))
            .arg(value);
    case CommandAddress::PanelCode:
        return Pick(chinese, QStringLiteral("写入面板密码 “%1”"),
                    QStringLiteral("panel code \"%1\""))
            .arg(Printable(f.data));
    case CommandAddress::SystemPassword:
        return Pick(chinese, QStringLiteral("写入系统密码 “%1”"),
                    QStringLiteral("system password \"%1\""))
            .arg(Printable(f.data));
    default:
        break;
    }
    if (f.data.size() != 2)
        return Pick(chinese, QStringLiteral("写入 %1，%2 个字节"),
                    QStringLiteral("write %1, %2 bytes"))
            .arg(Hex4(f.address))
            .arg(f.data.size());
    return Pick(chinese, QStringLiteral("写入 %1 = %2  [%3 = %4]"),
                QStringLiteral("write %1 = %2  [%3 = %4]"))
        .arg(NameOf(f.address, chinese), DeviceValueText(f.address, value), Hex4(f.address))
        .arg(value);
}

QString DescribeRead(const Parts& f, bool chinese)
{
    switch (f.address) {
    case CommandAddress::BlockRead:
        return Pick(chinese, QStringLiteral("读取区块 %1"),
                    QStringLiteral("block request: block %1"))
            .arg(Value16(f.data));
    case CommandAddress::ModeName:
        return Pick(chinese, QStringLiteral("读取模式名称：序号 %1"),
                    QStringLiteral("mode name request: index %1"))
            .arg(f.data.isEmpty() ? 0 : U8(f.data, 0));
    default:
        return Pick(chinese, QStringLiteral("读取 %1  [%2]"), QStringLiteral("read %1  [%2]"))
            .arg(NameOf(f.address, chinese), Hex4(f.address));
    }
}

QString DescribeSystemReply(int slot, QByteArrayView data, bool chinese)
{
    switch (slot) {
    case 0:
        return Pick(chinese, QStringLiteral("模式名称应答 “%1”"),
                    QStringLiteral("mode name reply \"%1\""))
            .arg(Printable(data));
    case 5:
        return Pick(chinese, QStringLiteral("面板密码应答 “%1”"),
                    QStringLiteral("panel code reply \"%1\""))
            .arg(Printable(data));
    case 7:
        return Pick(chinese, QStringLiteral("系统密码应答 “%1”"),
                    QStringLiteral("system password reply \"%1\""))
            .arg(Printable(data));
    case IdentitySlot:
        return Pick(chinese, QStringLiteral("设备编号 %1"), QStringLiteral("identity %1"))
            .arg(QString::fromLatin1(
                data.first(std::min<qsizetype>(4, data.size())).toByteArray().toHex().toUpper()));
    case 11:
    case 12:
    case 15:
    case 16:
    case StoredSystemSlots:
        return Pick(chinese, QStringLiteral("设备报告：系统区第 %1 项（无需保存）"),
                    QStringLiteral("processor report at system slot %1 (nothing to keep)"))
            .arg(slot);
    default:
        break;
    }
    if (slot >= StoredSystemSlots || data.size() < 2)
        return Pick(chinese, QStringLiteral("系统区第 %1 项应答（忽略）"),
                    QStringLiteral("reply at system slot %1 (ignored)"))
            .arg(slot);
    const auto address = static_cast<ParamAddress>(SystemBlock * 256 + slot);
    return Pick(chinese, QStringLiteral("系统项应答：%1 = %2"),
                QStringLiteral("system item reply: %1 = %2"))
        .arg(NameOf(address, chinese), DeviceValueText(address, Value16(data)));
}

QString DescribeReply(const Parts& f, bool chinese)
{
    const int block = f.address >> 8;
    const int slot = f.address & 0xFF;
    QString text;
    if (block < SystemBlock) {
        const int count = static_cast<int>(f.data.size() / 2);
        text = Pick(chinese, QStringLiteral("数据应答：区块 %1，%2"),
                    QStringLiteral("data reply: block %1, %2"))
                   .arg(block)
                   .arg(SlotRange(slot, count, chinese));
    } else if (block == SystemBlock) {
        text = DescribeSystemReply(slot, f.data, chinese);
    } else {
        text = Pick(chinese, QStringLiteral("区块 %1 的应答（不保存）"),
                    QStringLiteral("reply at block %1 (not stored)"))
                   .arg(block);
    }
    if (f.expected == f.received)
        return text;
    return Pick(chinese, QStringLiteral("校验错误（应为 %1，收到 %2）：%3"),
                QStringLiteral("CHECKSUM ERROR (expected %1, got %2): %3"))
        .arg(QStringLiteral("%1").arg(f.expected, 2, 16, QLatin1Char('0')).toUpper(),
             QStringLiteral("%1").arg(f.received, 2, 16, QLatin1Char('0')).toUpper(), text);
}

QString ResyncReason(const QString& why, bool chinese)
{
    if (!chinese)
        return why;
    if (why == QLatin1String("noise before a frame start"))
        return QStringLiteral("帧头之前的杂讯");
    if (why == QLatin1String("not a frame start"))
        return QStringLiteral("不是帧头");
    if (why == QLatin1String("bad checksum, a frame starts inside"))
        return QStringLiteral("校验错误且其中另有帧头");
    if (why == QLatin1String("incomplete when the line went quiet"))
        return QStringLiteral("线路安静时仍不完整");
    return why;
}

const char* Arrow(Direction direction)
{
    switch (direction) {
    case Direction::Out:
        return "\u2192"; // to the processor
    case Direction::In:
        return "\u2190";
    case Direction::Resync:
        return "\u00d7";
    case Direction::Log:
        return "\u00b7";
    case Direction::Session:
        break;
    }
    return "*";
}

} // namespace

ProtocolRecord::Kind ProtocolDecoder::KindOf(Direction direction, QByteArrayView bytes)
{
    switch (direction) {
    case Direction::Out: {
        if (!IsFrame(bytes))
            return RecordKind::Error;
        const Parts f = Split(bytes);
        if (f.command == Frame::WriteCommand && f.address == CommandAddress::LinkCommand)
            return RecordKind::Link;
        if (f.command == Frame::ReadCommand || f.address == CommandAddress::BlockWrite)
            return RecordKind::Transfer;
        return RecordKind::Parameter;
    }
    case Direction::In: {
        if (IsAcknowledgement(bytes))
            return RecordKind::Acknowledgement;
        if (!IsFrame(bytes))
            return RecordKind::Error;
        const Parts f = Split(bytes);
        if (f.expected != f.received)
            return RecordKind::Error;
        return f.address == SystemBlock * 256 + IdentitySlot ? RecordKind::Link
                                                             : RecordKind::Transfer;
    }
    case Direction::Resync:
        return RecordKind::Error;
    case Direction::Log:
        return RecordKind::Log;
    case Direction::Session:
        break;
    }
    return RecordKind::Session;
}

QString ProtocolDecoder::Describe(const ProtocolRecord& record, bool chinese)
{
    const QByteArrayView bytes(record.bytes);
    switch (record.direction) {
    case Direction::Out:
        if (!IsFrame(bytes))
            break;
        return Split(bytes).command == Frame::ReadCommand ? DescribeRead(Split(bytes), chinese)
                                                          : DescribeWrite(Split(bytes), chinese);
    case Direction::In:
        if (IsAcknowledgement(bytes))
            return Pick(chinese, QStringLiteral("应答"), QStringLiteral("acknowledgement"));
        if (!IsFrame(bytes))
            break;
        return DescribeReply(Split(bytes), chinese);
    case Direction::Resync:
        return Pick(chinese, QStringLiteral("重新同步：丢弃 %1 个字节（%2）"),
                    QStringLiteral("resync: dropped %1 bytes (%2)"))
            .arg(bytes.size())
            .arg(ResyncReason(record.words.english, chinese));
    case Direction::Log:
        return Pick(chinese, QStringLiteral("日志：%1"), QStringLiteral("log: %1"))
            .arg(record.words.in(chinese));
    case Direction::Session:
        return record.words.in(chinese);
    }
    return Pick(chinese, QStringLiteral("无法识别的数据"), QStringLiteral("unreadable bytes"));
}

QString ProtocolDecoder::Line(const ProtocolRecord& record, bool chinese)
{
    QString line =
        QDateTime::fromMSecsSinceEpoch(record.timeMs).toString(QStringLiteral("HH:mm:ss.zzz"));
    line += QStringLiteral("  ") + QString::fromUtf8(Arrow(record.direction)) +
            QStringLiteral("  ") + Describe(record, chinese);
    if (record.bytes.isEmpty())
        return line;
    const QByteArrayView shown =
        QByteArrayView(record.bytes).first(std::min<qsizetype>(record.bytes.size(), HexShown));
    line += QStringLiteral("  [") + HexDump(shown);
    if (shown.size() < record.bytes.size())
        line += QStringLiteral(" \u2026 +%1").arg(record.bytes.size() - shown.size());
    return line + QLatin1Char(']');
}

BilingualText ProtocolDecoder::KindCaption(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Link:
        return {QStringLiteral("连接"), QStringLiteral("Link")};
    case RecordKind::Transfer:
        return {QStringLiteral("传输"), QStringLiteral("Transfers")};
    case RecordKind::Parameter:
        return {QStringLiteral("参数"), QStringLiteral("Parameters")};
    case RecordKind::Acknowledgement:
        return {QStringLiteral("应答"), QStringLiteral("Acknowledgements")};
    case RecordKind::Error:
        return {QStringLiteral("错误"), QStringLiteral("Errors")};
    case RecordKind::Log:
        return {QStringLiteral("日志"), QStringLiteral("Log")};
    case RecordKind::Session:
        break;
    }
    return {QStringLiteral("会话"), QStringLiteral("Session")};
}

} // namespace aec
