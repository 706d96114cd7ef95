#include "spectrum/WaveFormat.h"

#include <QIODevice>
#include <QtEndian>

namespace aec {
namespace {

void Append16(QByteArray& out, std::uint16_t v)
{
    char bytes[2];
    qToLittleEndian(v, bytes);
    out.append(bytes, 2);
}

void Append32(QByteArray& out, std::uint32_t v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    out.append(bytes, 4);
}

bool Write32At(QIODevice& file, qint64 offset, std::uint32_t v)
{
    char bytes[4];
    qToLittleEndian(v, bytes);
    return file.seek(offset) && file.write(bytes, 4) == 4;
}

} // namespace

WaveFormat WaveFormat::Pcm(int channels, int sampleRate, int bitsPerSample)
{
    WaveFormat f;
    f.channels = static_cast<std::uint16_t>(channels);
    f.samplesPerSec = static_cast<std::uint32_t>(sampleRate);
    f.blockAlign = static_cast<std::uint16_t>(channels * (bitsPerSample == 16 ? 2 : 1));
    f.avgBytesPerSec = f.samplesPerSec * f.blockAlign;
    f.bitsPerSample = static_cast<std::uint16_t>(bitsPerSample);
    return f;
}

QByteArray WavHeader(const WaveFormat& format)
{
    QByteArray h;
    h.reserve(WavHeaderSize);
    h.append("RIFF");
    Append32(h, 0);
    h.append("WAVEfmt ");
    Append32(h, 16); // the PCM "fmt " chunk has no extra bytes
    Append16(h, format.formatTag);
    Append16(h, format.channels);
    Append32(h, format.samplesPerSec);
    Append32(h, format.avgBytesPerSec);
    Append16(h, format.blockAlign);
    Append16(h, format.bitsPerSample);
    h.append("data");
    Append32(h, 0);
    return h;
}

bool WriteWavSizes(QIODevice& file)
{
    const qint64 size = file.size();
    if (size < WavHeaderSize || size > qint64(0xFFFFFFFFu))
        return false;
    const bool written = Write32At(file, 4, static_cast<std::uint32_t>(size - 8)) &&
                         Write32At(file, 40, static_cast<std::uint32_t>(size - WavHeaderSize));
    return file.seek(size) && written;
}

} // namespace aec
