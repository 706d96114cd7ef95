#pragma once

#include "core/DevicePort.h"
#include "core/ParamAddress.h"
#include "core/ValueTable.h"
#include "link/LinkFlags.h"
#include "link/LinkTap.h"

#include <QByteArray>

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>

namespace aec {

enum class TransferDirection { Load = 0, Download = 1 };

// Builds the controller's frames and writes each with one call to the port. A closed port
// drops the frame without notice: the link session notices the missing acknowledgement.
class FrameSender
{
public:
    using Pause = std::function<void(std::chrono::milliseconds)>;
    static constexpr int FrameBufferSize = 256;
    static constexpr int ModeRecordTextSize = 22;
    static constexpr int BlockZeroSplitSlot = 112; // block 0 goes out as two bulk frames
    static constexpr std::chrono::milliseconds BlockZeroGap{2};

    // `pause` waits between the two frames of block 0; the default sleeps.
    FrameSender(DevicePort& port, const ParamStore& store, Pause pause = {});

    // The data bytes of the frame under construction. The transfer places the mode index for
    // the mode-name request here before calling TransferItem.
    std::array<std::uint8_t, FrameBufferSize> FrameBuffer{};

    // The 9-byte frame of one 16-bit value; a write failure is ignored.
    void SendParameterFrame(std::uint8_t command, ParamAddress address, std::int32_t value);

    // The general frame with the first `dataCount` bytes of FrameBuffer as data. Returns
    // false when the port refused the bytes.
    bool SendFrame(std::uint8_t command, ParamAddress address, int dataCount);

    // Link request, keep-alive or unlink at the link command address; failures ignored.
    void SendLinkCommand(std::uint8_t code);

    // A text in a write frame. The mode record (7681) always carries exactly 22 bytes: the
    // first two bytes of the text, then its bytes 3 to 22 padded with spaces.
    bool SendText(ParamAddress address, QByteArrayView text);

    // The frame of step n of a bulk transfer.
    bool TransferItem(int step, TransferDirection direction);

    // The data frame that answers step n of a load: a frame of block n for a block request,
    // block 30 slot 0 for a mode name, block 30 at the item's slot for a system item.
    static LinkFlags::AwaitedReply LoadReply(int step);

    // Frames written that the processor acknowledges: every write but the unlink.
    int acknowledgedWrites() const { return m_acknowledgedWrites; }
    // Every frame the port took, and its bytes.
    qint64 framesSent() const { return m_framesSent; }
    qint64 bytesSent() const { return m_bytesSent; }
    void setTap(LinkTap* tap) { m_tap = tap; }

    // Bulk write of one block's stored values; block 29 is followed by the input selection.
    bool WriteBlock(int block);

    static QByteArray BuildFrame(std::uint8_t command, ParamAddress address, QByteArrayView data);
    static QByteArray BuildParameterFrame(std::uint8_t command, ParamAddress address,
                                          std::int32_t value);

private:
    bool writeValues(int block, int firstSlot, int endSlot);
    void putValue(int offset, std::int32_t value);
    bool writeFrame(const QByteArray& frame);

    DevicePort& m_port;
    const ParamStore& m_store;
    Pause m_pause;
    int m_acknowledgedWrites = 0;
    qint64 m_framesSent = 0;
    qint64 m_bytesSent = 0;
    LinkTap* m_tap = nullptr;
};

} // namespace aec
