#include "spectrum/platform/TAudioSettings.h"

namespace aec {

TAudioSettings::TAudioSettings(QObject* parent) : QObject(parent)
{
    TAudioSettings::reallocate();
}

void TAudioSettings::setBitsPerSample(TBPS bits)
{
    m_bits = bits;
    reallocate();
}

void TAudioSettings::setChannels(TChannels channels)
{
    m_channels = channels;
    reallocate();
}

void TAudioSettings::setSampleRate(int hertz)
{
    m_sampleRate = hertz;
    reallocate();
}

QAudioFormat TAudioSettings::audioFormat() const
{
    QAudioFormat f;
    f.setSampleRate(m_sampleRate);
    f.setChannelCount(m_channels == TChannels::Stereo ? 2 : 1);
    f.setSampleFormat(m_bits == TBPS::_16 ? QAudioFormat::Int16 : QAudioFormat::UInt8);
    return f;
}

void TAudioSettings::reallocate()
{
    m_format = WaveFormat::Pcm(m_channels == TChannels::Stereo ? 2 : 1, m_sampleRate,
                               m_bits == TBPS::_16 ? 16 : 8);
}

} // namespace aec
