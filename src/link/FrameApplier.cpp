#include "link/FrameApplier.h"

#include "core/BlockLayout.h"
#include "link/DeviceFrame.h"

#include <algorithm>

namespace aec {
namespace {

std::uint8_t Byte(QByteArrayView bytes, qsizetype i)
{
    return static_cast<std::uint8_t>(bytes[i]);
}

std::int32_t Value16(QByteArrayView data, qsizetype offset)
{
    return Byte(data, offset) + 256 * Byte(data, offset + 1);
}

// System-block slots with a meaning of their own.
namespace SystemSlot {
constexpr int ModeName = 0;
constexpr int PanelCode = 5;
constexpr int Password = 7;
constexpr int Identity = 64;
constexpr int StoredBelow = 48; // other slots below this hold one 16-bit value
} // namespace SystemSlot

} // namespace

FrameApplier::FrameApplier(ParamStore& store, DeviceTexts& texts, const LinkFlags& flags,
                           DiagnosticLog& log, QObject* parent)
    : QObject(parent), m_store(store), m_texts(texts), m_flags(flags), m_log(log)
{
}

void FrameApplier::ApplyFrame(QByteArrayView frame)
{
    if (frame.size() < Frame::OverheadSize)
        return;
    const int block = Byte(frame, 4);
    const int slot = Byte(frame, 5);
    const QByteArrayView data = frame.sliced(Frame::HeaderSize, frame.size() - Frame::OverheadSize);

    const std::uint8_t expected = FrameChecksum(frame.first(frame.size() - 1));
    const std::uint8_t received = Byte(frame, frame.size() - 1);
    if (expected != received) {
        ++m_checksumErrors;
        m_log.append(QString::number(block) + QStringLiteral("********************"));
        m_log.append(QStringLiteral("校验数据匹配不一致:") + QString::number(expected) +
                     QStringLiteral("得到的验证数据：") + QString::number(received));
        m_log.append(QStringLiteral("接收到的错误数据：") + HexDump(frame));
    }

    if (block < Block::System)
        applyBlockValues(block, slot, data);
    else if (block == Block::System)
        applySystemItem(slot, data);
    else
        drop(block, slot, static_cast<int>(data.size() / 2), "block above 30");
}

void FrameApplier::applyBlockValues(int block, int slot, QByteArrayView data)
{
    const int count = static_cast<int>(data.size() / 2);
    const int fitting = std::clamp(RowLength - slot, 0, count);
    for (int i = 0; i < fitting; ++i)
        m_store.at(block, slot + i) = Value16(data, 2 * i);
    if (fitting < count)
        drop(block, slot + fitting, count - fitting, "past the row");
}

void FrameApplier::applySystemItem(int slot, QByteArrayView data)
{
    switch (slot) {
    case SystemSlot::ModeName:
        applyModeName(data);
        return;
    case SystemSlot::PanelCode:
        m_texts.DeviceCodeText = data.toByteArray();
        return;
    case SystemSlot::Password:
        m_texts.DevicePasswordText = data.toByteArray();
        return;
    case 11:
    case 12:
    case 15:
    case 16:
    case 48:
        return; // reported by the processor on its own; nothing to keep
    case SystemSlot::Identity:
        if (data.size() < 4)
            return drop(Block::System, slot, 1, "too short");
        m_texts.DeviceIdentity = HexDump(data.first(4)).remove(QLatin1Char(' '));
        emit deviceIdentityChanged(m_texts.DeviceIdentity);
        return;
    default:
        break;
    }
    if (slot >= SystemSlot::StoredBelow)
        return;
    if (data.size() < 2)
        return drop(Block::System, slot, 1, "too short");
    m_store.at(Block::System, slot) = Value16(data, 0);
}

void FrameApplier::applyModeName(QByteArrayView data)
{
    const int index = m_flags.ModeNameIndex - 1;
    if (index < 0 || index >= DeviceTexts::ModeCount)
        return drop(Block::System, 0, 1, "no mode name requested");
    QString name;
    for (const char c : data.first(std::min<qsizetype>(data.size(), DeviceTexts::ModeNameLength))) {
        const auto byte = static_cast<std::uint8_t>(c);
        name.append(byte > 127 || byte < 30 ? QLatin1Char('?') : QLatin1Char(c));
    }
    m_texts.ModeNames[index] = name;
}

void FrameApplier::drop(int block, int slot, int count, const char* why)
{
    m_droppedValues += count;
    m_log.append(QStringLiteral("丢弃应答数据(%1): %2:%3 x%4")
                     .arg(QLatin1String(why))
                     .arg(block)
                     .arg(slot)
                     .arg(count));
}

} // namespace aec
