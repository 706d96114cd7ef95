#include "link/FrameSender.h"

#include "core/BlockLayout.h"
#include "link/DeviceFrame.h"

#include <QThread>
#include <QtGlobal>

#include <algorithm>

namespace aec {
namespace {

// The system items read after the mode names, steps 31 to 38 of a load.
constexpr std::array<ParamAddress, 8> SystemItemAddresses = {
    CommandAddress::ModeRecord,  CommandAddress::ModeRecall,    CommandAddress::MusicInputLevel,
    CommandAddress::PanelSwitch, CommandAddress::UserOrManager, CommandAddress::SystemPassword,
    CommandAddress::PanelCode,   CommandAddress::InputSelect};

constexpr int LastBlockStep = TransferBlockCount - 1; // 29
constexpr int ModeNameStep = 30;
constexpr int FirstSystemItemStep = 31;

// The largest data size whose length byte still fits in one byte.
constexpr int MaxEncodableData = 255 - Frame::LengthOverhead;

} // namespace

FrameSender::FrameSender(DevicePort& port, const ParamStore& store, Pause pause)
    : m_port(port), m_store(store), m_pause(std::move(pause))
{
    if (!m_pause)
        m_pause = [](std::chrono::milliseconds ms) {
            QThread::msleep(static_cast<unsigned long>(ms.count()));
        };
}

QByteArray FrameSender::BuildFrame(std::uint8_t command, ParamAddress address, QByteArrayView data)
{
    QByteArray frame;
    frame.reserve(data.size() + Frame::OverheadSize);
    frame.append(static_cast<char>(Frame::Header1));
    frame.append(static_cast<char>(Frame::Header2));
    frame.append(static_cast<char>(data.size() + Frame::LengthOverhead));
    frame.append(static_cast<char>(command));
    frame.append(static_cast<char>(BlockOf(address)));
    frame.append(static_cast<char>(SlotOf(address)));
    frame.append(data.data(), data.size());
    frame.append(static_cast<char>(FrameChecksum(frame)));
    return frame;
}

QByteArray FrameSender::BuildParameterFrame(std::uint8_t command, ParamAddress address,
                                            std::int32_t value)
{
    // Only the low 16 bits of a stored value travel.
    const char data[2] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
    return BuildFrame(command, address, QByteArrayView(data, 2));
}

bool FrameSender::writeFrame(const QByteArray& frame)
{
    if (!m_port.write(frame))
        return false;
    ++m_framesSent;
    m_bytesSent += frame.size();
    if (m_tap)
        m_tap->sent(frame);
    return true;
}

void FrameSender::SendParameterFrame(std::uint8_t command, ParamAddress address, std::int32_t value)
{
    if (!m_port.isOpen() || !writeFrame(BuildParameterFrame(command, address, value)))
        return;
    const bool unlink = address == CommandAddress::LinkCommand && value == LinkCode::Unlink;
    if (command == Frame::WriteCommand && !unlink)
        ++m_acknowledgedWrites;
}

bool FrameSender::SendFrame(std::uint8_t command, ParamAddress address, int dataCount)
{
    Q_ASSERT(dataCount >= 0 && dataCount <= MaxEncodableData);
    dataCount = std::clamp(dataCount, 0, MaxEncodableData);
    if (!m_port.isOpen())
        return true;
    const auto* data = reinterpret_cast<const char*>(FrameBuffer.data());
    if (!writeFrame(BuildFrame(command, address, QByteArrayView(data, dataCount))))
        return false;
    if (command == Frame::WriteCommand)
        ++m_acknowledgedWrites;
    return true;
}

void FrameSender::SendLinkCommand(std::uint8_t code)
{
    SendParameterFrame(Frame::WriteCommand, CommandAddress::LinkCommand, code);
}

bool FrameSender::SendText(ParamAddress address, QByteArrayView text)
{
    int count = 0;
    if (address == CommandAddress::ModeRecord) {
        count = ModeRecordTextSize;
        for (int i = 0; i < count; ++i)
            FrameBuffer[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : ' ';
    } else {
        count = static_cast<int>(std::min<qsizetype>(text.size(), MaxEncodableData));
        std::copy_n(text.data(), count, FrameBuffer.begin());
    }
    return SendFrame(Frame::WriteCommand, address, count);
}

void FrameSender::putValue(int offset, std::int32_t value)
{
    FrameBuffer[offset] = static_cast<std::uint8_t>(value & 0xFF);
    FrameBuffer[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

// One bulk frame: block, byte offset of the first value, then the values of slots
// firstSlot to endSlot - 1.
bool FrameSender::writeValues(int block, int firstSlot, int endSlot)
{
    FrameBuffer[0] = static_cast<std::uint8_t>(block);
    FrameBuffer[1] = static_cast<std::uint8_t>(firstSlot * 2);
    for (int slot = firstSlot; slot < endSlot; ++slot)
        putValue(2 + 2 * (slot - firstSlot), m_store.at(block, slot));
    return SendFrame(Frame::WriteCommand, CommandAddress::BlockWrite,
                     2 * (endSlot - firstSlot) + 2);
}

bool FrameSender::WriteBlock(int block)
{
    Q_ASSERT(block >= 0 && block < TransferBlockCount);
    if (block == Block::Music) {
        // 164 values would not fit one length byte: the second frame starts at byte 224.
        bool ok = writeValues(block, 0, BlockZeroSplitSlot);
        m_pause(BlockZeroGap);
        ok = writeValues(block, BlockZeroSplitSlot, SlotCount[block]) && ok;
        return ok;
    }
    const bool ok = writeValues(block, 0, SlotCount[block]);
    if (block == Block::SystemVolume)
        SendParameterFrame(Frame::WriteCommand, CommandAddress::InputSelect,
                           m_store.at(CommandAddress::InputSelect));
    return ok;
}

bool FrameSender::TransferItem(int step, TransferDirection direction)
{
    if (step < 0)
        return true;
    if (direction == TransferDirection::Download)
        return step <= LastBlockStep ? WriteBlock(step) : true;

    if (step <= LastBlockStep) {
        SendParameterFrame(Frame::ReadCommand, CommandAddress::BlockRead, step);
        return true;
    }
    if (step == ModeNameStep)
        return SendFrame(Frame::ReadCommand, CommandAddress::ModeName, 2);
    const int item = step - FirstSystemItemStep;
    if (item < static_cast<int>(SystemItemAddresses.size()))
        return SendFrame(Frame::ReadCommand, SystemItemAddresses[item], 0);
    return true;
}

LinkFlags::AwaitedReply FrameSender::LoadReply(int step)
{
    if (step >= 0 && step <= LastBlockStep)
        return {step, LinkFlags::AwaitedReply::AnySlot};
    if (step == ModeNameStep)
        return {Block::System, SlotOf(CommandAddress::ModeName)};
    const int item = step - FirstSystemItemStep;
    if (item >= 0 && item < static_cast<int>(SystemItemAddresses.size()))
        return {Block::System, SlotOf(SystemItemAddresses[item])};
    return {};
}

} // namespace aec
