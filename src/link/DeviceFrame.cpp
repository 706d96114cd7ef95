#include "link/DeviceFrame.h"

namespace aec {

std::uint8_t FrameChecksum(QByteArrayView frame)
{
    if (frame.isEmpty())
        return 0;
    unsigned sum = static_cast<std::uint8_t>(frame[0]);
    for (qsizetype i = 3; i < frame.size(); ++i)
        sum += static_cast<std::uint8_t>(frame[i]);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

QString HexDump(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.toByteArray().toHex(' ').toUpper());
}

} // namespace aec
