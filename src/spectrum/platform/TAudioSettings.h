#pragma once

#include "spectrum/WaveFormat.h"

#include <QAudioFormat>
#include <QObject>

namespace aec {

// The sample format of a sound stream: bits per sample, channels and rate, the wave format
// record derived from them, and the number of buffers the sound system may hold queued.
class TAudioSettings : public QObject
{
    Q_OBJECT
public:
    enum class TBPS { _8, _16 };
    enum class TChannels { Mono, Stereo };
    static constexpr int BufferCount = 16;

    explicit TAudioSettings(QObject* parent = nullptr);

    TBPS BitsPerSample() const { return m_bits; }
    TChannels Channels() const { return m_channels; }
    int SampleRate() const { return m_sampleRate; }
    // Each change frees and reallocates the buffers.
    void setBitsPerSample(TBPS bits);
    void setChannels(TChannels channels);
    void setSampleRate(int hertz);

    const WaveFormat& format() const { return m_format; }
    // The same format for Qt Multimedia: unsigned 8-bit or signed 16-bit samples.
    QAudioFormat audioFormat() const;

protected:
    // Derives the format record again; recorders resize their buffers to it.
    virtual void reallocate();

private:
    TBPS m_bits = TBPS::_8;
    TChannels m_channels = TChannels::Mono;
    int m_sampleRate = 48000;
    WaveFormat m_format;
};

} // namespace aec
