#pragma once

#include <QByteArray>

#include <cstdint>

class QIODevice;

namespace aec {

// The PCM format record of a capture setting, as a WAV file's "fmt " chunk holds it.
struct WaveFormat
{
    std::uint16_t formatTag = 1; // PCM
    std::uint16_t channels = 1;
    std::uint32_t samplesPerSec = 48000;
    std::uint32_t avgBytesPerSec = 48000;
    std::uint16_t blockAlign = 1; // bytes per sample frame
    std::uint16_t bitsPerSample = 8;
    std::uint16_t extraSize = 0;

    // 8-bit samples take one byte, 16-bit ones two.
    static WaveFormat Pcm(int channels, int sampleRate, int bitsPerSample);
};

constexpr int WavHeaderSize = 44;

// The 44-byte RIFF header of a WAV file in this format, its two sizes still 0: they are
// known only when the recording ends (WriteWavSizes).
QByteArray WavHeader(const WaveFormat& format);

// Writes the RIFF size (file size - 8) at offset 4 and the data size (file size - 44) at
// offset 40 of a finished WAV file and leaves the position at its end; false when the file
// cannot be written there.
bool WriteWavSizes(QIODevice& file);

} // namespace aec
