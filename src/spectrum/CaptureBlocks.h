#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace aec {

// Cuts what the sound input reads, in pieces of any size (1023 bytes every 20 ms, say), into
// the recorder's buffers of a fixed size, so each delivery is one whole buffer.
class CaptureBlocks
{
public:
    explicit CaptureBlocks(int blockSize = 1024) { reset(blockSize); }

    // A new size; what was gathered is dropped.
    void reset(int blockSize)
    {
        m_block.assign(static_cast<std::size_t>(blockSize > 0 ? blockSize : 1), 0);
        m_filled = 0;
    }
    int blockSize() const { return static_cast<int>(m_block.size()); }
    int pending() const { return static_cast<int>(m_filled); }

    // Takes `size` bytes in and calls deliver(char* block, int blockSize) for every buffer
    // they complete; the block may be changed by the callee until it returns.
    template <typename Deliver> void feed(const char* data, std::int64_t size, Deliver&& deliver)
    {
        while (size > 0) {
            const std::size_t room = m_block.size() - m_filled;
            const std::size_t take = size < std::int64_t(room) ? std::size_t(size) : room;
            std::copy(data, data + take, m_block.begin() + std::ptrdiff_t(m_filled));
            m_filled += take;
            data += take;
            size -= std::int64_t(take);
            if (m_filled == m_block.size()) {
                m_filled = 0;
                deliver(m_block.data(), blockSize());
            }
        }
    }

private:
    std::vector<char> m_block;
    std::size_t m_filled = 0;
};

// True when a sample of the buffer is at or above `level`: unsigned bytes for 8-bit samples,
// signed little-endian words for 16-bit ones.
bool TriggerReached(const char* data, int size, int bitsPerSample, std::int16_t level);

// Splits interleaved stereo frames into the left and the right samples (each of
// bytesPerSample bytes); returns the bytes written to each side, half of `size`.
int SplitStereo(const char* interleaved, int size, int bytesPerSample, char* left, char* right);

} // namespace aec
