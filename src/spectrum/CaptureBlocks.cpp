#include "spectrum/CaptureBlocks.h"

#include <QtEndian>

#include <cstring>

namespace aec {

bool TriggerReached(const char* data, int size, int bitsPerSample, std::int16_t level)
{
    if (bitsPerSample == 16) {
        for (int i = 0; i + 1 < size; i += 2)
            if (qFromLittleEndian<qint16>(data + i) >= level)
                return true;
        return false;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    for (int i = 0; i < size; ++i)
        if (bytes[i] >= level)
            return true;
    return false;
}

int SplitStereo(const char* interleaved, int size, int bytesPerSample, char* left, char* right)
{
    const int frame = 2 * bytesPerSample;
    int written = 0;
    for (int i = 0; i + frame <= size; i += frame) {
        std::memcpy(left + written, interleaved + i, std::size_t(bytesPerSample));
        std::memcpy(right + written, interleaved + i + bytesPerSample, std::size_t(bytesPerSample));
        written += bytesPerSample;
    }
    return written;
}

} // namespace aec
