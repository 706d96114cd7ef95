#include "sim/SimulatedProcessor.h"

#include "core/BlockLayout.h"

#include <QTimer>

#include <algorithm>

namespace aec::sim {
namespace {

// The processor's side of the wire, written independently of the controller's frame code so
// that each checks the other.
constexpr std::uint8_t Lead = 0xF5;
constexpr std::uint8_t Second = 0xB1;
constexpr std::uint8_t Write = 0xB7;
constexpr std::uint8_t Read = 0xB0;
constexpr char Acknowledgement[] = {'\xEE', '\xBB'};

constexpr int ModeNameAddress = 0x1E00;
constexpr int ModeRecordAddress = 0x1E01;
constexpr int ModeRecallAddress = 0x1E02;
constexpr int PanelCodeAddress = 0x1E05;
constexpr int PasswordAddress = 0x1E07;
constexpr int BlockWriteAddress = 0x1E0F;
constexpr int BlockReadAddress = 0x1E10;
constexpr int LinkAddress = 0x1E30;
constexpr int IdentitySlot = 64;
constexpr int SystemValueSlots = 48; // block 30 slots below this hold one value each

constexpr std::uint8_t LinkRequest = 0x11;
constexpr std::uint8_t KeepAlive = 0x66;
constexpr int FloodTickMs = 10;
constexpr std::uint8_t Unlink = 0xAA;

std::uint8_t U8(QByteArrayView bytes, qsizetype i)
{
    return static_cast<std::uint8_t>(bytes[i]);
}

std::uint8_t Checksum(QByteArrayView frameWithoutChecksum)
{
    unsigned sum = U8(frameWithoutChecksum, 0);
    for (qsizetype i = 3; i < frameWithoutChecksum.size(); ++i)
        sum += U8(frameWithoutChecksum, i);
    return static_cast<std::uint8_t>(sum);
}

QByteArray DataFrame(int block, int slot, QByteArrayView data)
{
    QByteArray frame;
    frame.append(static_cast<char>(Lead));
    frame.append(static_cast<char>(Second));
    frame.append(static_cast<char>(data.size() + 4));
    frame.append(static_cast<char>(Write));
    frame.append(static_cast<char>(block));
    frame.append(static_cast<char>(slot));
    frame.append(data.data(), data.size());
    frame.append(static_cast<char>(Checksum(frame)));
    return frame;
}

QByteArray TrimmedName(QByteArrayView bytes)
{
    QByteArray name = bytes.toByteArray();
    while (name.endsWith(' ') || name.endsWith('\0'))
        name.chop(1);
    return name;
}

} // namespace

SimulatedProcessor::SimulatedProcessor(FaultPlan faults, QObject* parent)
    : QObject(parent), m_faults(faults), m_random(faults.seed)
{
}

void SimulatedProcessor::receive(QByteArrayView bytes)
{
    if (m_hungUp)
        return;
    m_pending.append(bytes.data(), bytes.size());
    for (;;) {
        const qsizetype start = m_pending.indexOf(static_cast<char>(Lead));
        if (start < 0) {
            m_pending.clear();
            return;
        }
        m_pending.remove(0, start);
        if (m_pending.size() < 4)
            return;
        const int length = U8(m_pending, 2);
        if (U8(m_pending, 1) != Second || length < 4) {
            m_pending.remove(0, 1);
            continue;
        }
        if (m_pending.size() < length + 3)
            return;
        const QByteArray frame = m_pending.left(length + 3);
        m_pending.remove(0, length + 3);
        handleFrame(frame);
        if (m_hungUp)
            return;
    }
}

void SimulatedProcessor::handleFrame(const QByteArray& frame)
{
    if (Checksum(QByteArrayView(frame).first(frame.size() - 1)) != U8(frame, frame.size() - 1)) {
        ++m_badChecksums; // the processor ignores a damaged request
        return;
    }
    ++m_framesReceived;
    if (m_faults.hangUpAfterFrames >= 0 && m_framesReceived > m_faults.hangUpAfterFrames) {
        m_hungUp = true;
        m_faults.hangUpAfterFrames = -1;
        emit hangUpRequested();
        return;
    }
    if (m_faults.stopAfterFrames >= 0 && m_framesReceived > m_faults.stopAfterFrames)
        return;

    const int address = U8(frame, 4) * 256 + U8(frame, 5);
    const QByteArrayView data = QByteArrayView(frame).sliced(6, frame.size() - 7);
    if (U8(frame, 3) == Write)
        handleWrite(address, data);
    else if (U8(frame, 3) == Read)
        handleRead(address, data);
}

void SimulatedProcessor::handleWrite(int address, QByteArrayView data)
{
    const int block = address >> 8;
    const int slot = address & 0xFF;
    const auto value =
        static_cast<std::uint16_t>(data.size() >= 2 ? U8(data, 0) + 256 * U8(data, 1) : 0);

    switch (address) {
    case LinkAddress:
        if (value == Unlink) {
            m_linked = false;
            return; // the unlink is not answered
        }
        sendAcknowledgement();
        // A flood starts with the first keep-alive: the controller is online by then.
        if (value == KeepAlive && m_faults.floodBytesPerSecond > 0 && !m_floodTimer) {
            m_floodTimer = new QTimer(this);
            connect(m_floodTimer, &QTimer::timeout, this, &SimulatedProcessor::flood);
            m_floodTimer->start(FloodTickMs);
            m_floodClock.start();
        }
        if (value == LinkRequest) {
            m_linked = true;
            sendData(Block::System, IdentitySlot, m_memory.identity);
        }
        return;
    case BlockWriteAddress:
        if (data.size() >= 2 && U8(data, 0) != m_faults.ignoreWritesToBlock) {
            const int target = U8(data, 0);
            const int first = U8(data, 1) / 2;
            for (qsizetype i = 0; 2 * i + 3 < data.size(); ++i)
                m_memory.setValue(
                    target, first + static_cast<int>(i),
                    static_cast<std::uint16_t>(U8(data, 2 + 2 * i) + 256 * U8(data, 3 + 2 * i)));
        }
        break;
    case ModeRecordAddress:
        if (data.size() >= 2)
            m_memory.storeMode(U8(data, 0), TrimmedName(data.sliced(2)));
        break;
    case ModeRecallAddress:
        m_memory.recallMode(value);
        break;
    case PanelCodeAddress:
        m_memory.panelCode = data.toByteArray();
        break;
    case PasswordAddress:
        m_memory.systemPassword = data.toByteArray();
        break;
    default:
        if (data.size() == 2 && block != m_faults.ignoreWritesToBlock)
            m_memory.setValue(block, slot, value);
        break;
    }
    sendAcknowledgement();
}

void SimulatedProcessor::handleRead(int address, QByteArrayView data)
{
    const int block = address >> 8;
    const int slot = address & 0xFF;
    switch (address) {
    case BlockReadAddress: {
        const int requested = data.isEmpty() ? -1 : U8(data, 0);
        if (requested < 0 || requested >= ProcessorMemory::ParameterBlocks)
            return;
        // Long blocks go out in several frames, each addressed at its first slot.
        const auto& row = m_memory.blocks()[requested];
        for (int first = 0; first < SlotCount[requested]; first += MaxValuesPerFrame) {
            const int end = std::min(first + MaxValuesPerFrame, int(SlotCount[requested]));
            QByteArray values;
            for (int s = first; s < end; ++s) {
                values.append(static_cast<char>(row[s] & 0xFF));
                values.append(static_cast<char>(row[s] >> 8));
            }
            sendData(requested, first, values);
        }
        return;
    }
    case ModeNameAddress: {
        const int index = data.isEmpty() ? -1 : U8(data, 0);
        if (index >= 0 && index < ProcessorMemory::ModeCount)
            sendData(Block::System, 0, m_memory.mode(index).name.left(ProcessorMemory::NameLength));
        return;
    }
    case PanelCodeAddress:
        sendData(block, slot, m_memory.panelCode);
        return;
    case PasswordAddress:
        sendData(block, slot, m_memory.systemPassword);
        return;
    default:
        if (block == Block::System && slot < SystemValueSlots)
            sendValue(address, m_memory.value(block, slot));
        return;
    }
}

void SimulatedProcessor::sendAcknowledgement()
{
    if (chance(m_faults.dropAcknowledgements))
        return;
    emitAnswer(QByteArray(Acknowledgement, 2));
}

void SimulatedProcessor::sendData(int block, int slot, QByteArrayView data)
{
    QByteArray frame = DataFrame(block, slot, data);
    if (chance(m_faults.corruptChecksums))
        frame[frame.size() - 1] = static_cast<char>(~U8(frame, frame.size() - 1));
    emitAnswer(frame);
}

void SimulatedProcessor::sendValue(int address, std::uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8)};
    sendData(address >> 8, address & 0xFF, QByteArrayView(bytes, 2));
}

void SimulatedProcessor::emitAnswer(QByteArray bytes)
{
    if (chance(m_faults.insertGarbage))
        bytes.prepend(garbage());
    if (m_faults.answerDelayMs <= 0) {
        emit transmitted(bytes);
        return;
    }
    // Equal delays keep the answers in order.
    QTimer::singleShot(m_faults.answerDelayMs, this, [this, bytes] {
        if (!m_hungUp)
            emit transmitted(bytes);
    });
}

bool SimulatedProcessor::chance(double share)
{
    if (share <= 0.0)
        return false;
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_random) < share;
}

// Line noise: up to eight random bytes. A frame-start byte inside the noise is followed by
// a zero, so the noise never forges a frame or an acknowledgement; the controller must skip it.
// One noise in four ends in a false frame start instead: a header claiming a frame of random
// length, which swallows the answer behind it unless the controller looks inside. Its block is
// above 30, so one that happens to close on a right checksum stores nothing.
QByteArray SimulatedProcessor::garbage()
{
    const int count = std::uniform_int_distribution<int>(1, 8)(m_random);
    QByteArray bytes;
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < count; ++i) {
        const auto b = static_cast<std::uint8_t>(byte(m_random));
        bytes.append(static_cast<char>(b));
        if ((b == Lead || b == 0xEE) && i + 1 < count)
            bytes.append('\0');
    }
    if (std::uniform_int_distribution<int>(0, 3)(m_random) == 0) {
        bytes.append(static_cast<char>(Lead)).append(static_cast<char>(Second));
        bytes.append(static_cast<char>(std::uniform_int_distribution<int>(4, 255)(m_random)));
        bytes.append(static_cast<char>(Write));
        bytes.append(static_cast<char>(std::uniform_int_distribution<int>(31, 255)(m_random)));
        bytes.append(static_cast<char>(byte(m_random)));
    }
    return bytes;
}

// Unrequested frames at the rate asked: reports the controller keeps nothing of and replies of
// block 5 with the values it already holds, as a processor stuck in a loop would send them.
void SimulatedProcessor::flood()
{
    if (m_hungUp)
        return;
    // By the clock rather than by ticks, so a late tick does not slow the flood down.
    const qint64 elapsed = m_floodClock.restart();
    m_floodCredit +=
        static_cast<double>(m_faults.floodBytesPerSecond) * static_cast<double>(elapsed) / 1000.0;
    QByteArray bytes;
    while (m_floodCredit > 0) {
        QByteArray frame;
        switch (m_floodItem++ % 3) {
        case 0:
            frame = DataFrame(Block::System, 11, QByteArray::fromHex("0100"));
            break;
        case 1:
            frame = DataFrame(Block::System, 12, QByteArray::fromHex("0200"));
            break;
        default: {
            QByteArray values;
            for (int slot = 0; slot < 8; ++slot) {
                const std::uint16_t v = m_memory.value(5, slot);
                values.append(static_cast<char>(v & 0xFF)).append(static_cast<char>(v >> 8));
            }
            frame = DataFrame(5, 0, values);
            break;
        }
        }
        m_floodCredit -= static_cast<double>(frame.size());
        bytes += frame;
    }
    emit transmitted(bytes);
}

void SimulatedProcessor::restoreLine()
{
    m_hungUp = false;
    m_linked = false;
    m_pending.clear();
}

void SimulatedProcessor::transmitNoise(const QByteArray& bytes)
{
    if (!m_hungUp)
        emit transmitted(bytes);
}

} // namespace aec::sim
