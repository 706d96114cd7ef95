#include "spectrum/platform/TRecorder.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QFile>
#include <QMediaDevices>

#include <algorithm>
#include <new>

namespace aec {
namespace {

QString ErrorDescription(QAudio::Error error)
{
    switch (error) {
    case QAudio::NoError:
        return QStringLiteral("no error");
    case QAudio::OpenError:
        return QStringLiteral("the device could not be opened");
    case QAudio::IOError:
        return QStringLiteral("reading from the device failed");
    case QAudio::UnderrunError:
        return QStringLiteral("the device did not deliver in time");
    case QAudio::FatalError:
        return QStringLiteral("the device failed and cannot be used");
    }
    return QStringLiteral("unknown error");
}

QString FormatDescription(const WaveFormat& f)
{
    return QStringLiteral("%1-bit %2 at %3 Hz")
        .arg(f.bitsPerSample)
        .arg(f.channels == 2 ? QStringLiteral("stereo") : QStringLiteral("mono"))
        .arg(f.samplesPerSec);
}

} // namespace

TRecorder::TRecorder(QObject* parent) : TAudioSettings(parent)
{
    allocate();
}

TRecorder::~TRecorder()
{
    StopRecording();
}

void TRecorder::setNoSamples(int samples)
{
    m_noSamples = std::max(1, samples);
    reallocate();
}

void TRecorder::setDeviceId(int id)
{
    m_deviceId = id;
    reallocate();
}

bool TRecorder::fail(const QString& text, const QString& description)
{
    m_lastError = text;
    if (!description.isEmpty()) {
        if (!m_lastError.endsWith(QLatin1Char(' ')))
            m_lastError += QLatin1Char(' ');
        m_lastError += description;
    }
    return false;
}

void TRecorder::allocate()
{
    const int align = format().blockAlign;
    // Deliveries carry a 16-bit byte count.
    const int bytes = std::min(m_noSamples * align, 65535 / align * align);
    try {
        m_blocks.reset(bytes);
        m_readBuffer.assign(std::size_t(bytes), 0);
        m_left.assign(std::size_t(bytes / 2), 0);
        m_right.assign(std::size_t(bytes / 2), 0);
    } catch (const std::bad_alloc&) {
        fail(QStringLiteral("Not enough memory to allocate Wave Buffer"));
    }
}

// A new format needs a new stream: a running recording is stopped and started again with it.
void TRecorder::reallocate()
{
    const bool wasRecording = isOpen();
    if (wasRecording)
        close();
    TAudioSettings::reallocate();
    allocate();
    if (wasRecording)
        StartRecording();
}

bool TRecorder::StartRecording()
{
    if (m_input)
        return true;
    if (!m_source) {
        const QString openText = QStringLiteral("Could not open the input device for recording: ");
        const QAudioDevice device = m_deviceId < 0 ? QMediaDevices::defaultAudioInput()
                                                   : QMediaDevices::audioInputs().value(m_deviceId);
        if (device.isNull())
            return fail(openText, QStringLiteral("no sound input device"));
        if (!device.isFormatSupported(audioFormat()))
            return fail(openText, QStringLiteral("%1 does not take %2")
                                      .arg(device.description(), FormatDescription(format())));
        m_source = std::make_unique<QAudioSource>(device, audioFormat());
        // One buffer per read keeps the deliveries coming every NoSamples frames; the sound
        // server queues what is not yet read.
        m_source->setBufferSize(m_blocks.blockSize());
        connect(m_source.get(), &QAudioSource::stateChanged, this, &TRecorder::stateChanged);
        m_blocks.reset(m_blocks.blockSize());
    }
    m_input = m_source->start();
    if (!m_input) {
        const QAudio::Error error = m_source->error();
        close();
        return fail(QStringLiteral("Error starting wave record: "), ErrorDescription(error));
    }
    connect(m_input, &QIODevice::readyRead, this, &TRecorder::readCaptured);
    m_recording = true;
    applySuspension();
    return true;
}

void TRecorder::setSuspended(bool suspended)
{
    m_suspended = suspended;
    applySuspension();
}

QAudio::State TRecorder::state() const
{
    return m_source ? m_source->state() : QAudio::StoppedState;
}

// Qt suspends an input only once it is active, and resumes only a suspended one; a fresh
// input is idle until its first data, so stateChanged comes back here then.
void TRecorder::applySuspension()
{
    if (!m_source || !m_input)
        return;
    const QAudio::State state = m_source->state();
    if (m_suspended && state == QAudio::ActiveState)
        m_source->suspend();
    else if (!m_suspended && state == QAudio::SuspendedState) {
        m_blocks.reset(m_blocks.blockSize()); // no buffer spans the rest
        m_source->resume();
    }
}

void TRecorder::close()
{
    m_recording = false;
    if (m_source) {
        m_source->disconnect(this);
        if (m_input)
            m_input->disconnect(this);
        m_source->stop();
        m_source.reset();
    }
    m_input = nullptr;
}

void TRecorder::StopRecording()
{
    close();
    if (m_file) {
        if (!WriteWavSizes(*m_file))
            fail(QStringLiteral("Could not finish the WAV file:"), m_file->errorString());
        m_file->close();
        m_file.reset();
    }
}

bool TRecorder::RecordToFile(const QString& path)
{
    auto file = std::make_unique<QFile>(path);
    const QByteArray header = WavHeader(format());
    if (!file->open(QIODevice::ReadWrite | QIODevice::Truncate) ||
        file->write(header) != header.size())
        return fail(QStringLiteral("Could not write the WAV file %1:").arg(path),
                    file->errorString());
    if (m_file) {
        WriteWavSizes(*m_file);
        m_file->close();
    }
    m_file = std::move(file);
    return true;
}

void TRecorder::readCaptured()
{
    if (!m_input)
        return;
    qint64 got = 0;
    while ((got = m_input->read(m_readBuffer.data(), qint64(m_readBuffer.size()))) > 0)
        m_blocks.feed(m_readBuffer.data(), got,
                      [this](char* block, int count) { deliver(block, count); });
}

void TRecorder::deliver(char* data, int count)
{
    if (count == 0)
        return;
    if (!Triggered && TriggerReached(data, count, format().bitsPerSample, TrigLevel))
        Triggered = true;
    if (!Triggered)
        return;
    if (m_file)
        m_file->write(data, count);
    if (!OnRecord)
        return;
    if (SplitChannels && format().channels == 2) {
        const int half =
            SplitStereo(data, count, format().bitsPerSample / 8, m_left.data(), m_right.data());
        OnRecord(m_left.data(), m_right.data(), static_cast<quint16>(half));
    } else {
        OnRecord(data, nullptr, static_cast<quint16>(count));
    }
}

void TRecorder::stateChanged(QAudio::State state)
{
    if (!m_source)
        return;
    if (state == QAudio::ActiveState && m_suspended)
        applySuspension();
    if (state != QAudio::StoppedState || m_source->error() == QAudio::NoError)
        return;
    // The input broke down while recording: stop, as a buffer that cannot be queued again
    // would. Not from inside the source's own signal, though.
    const QString description = ErrorDescription(m_source->error());
    QMetaObject::invokeMethod(
        this,
        [this, description] {
            StopRecording();
            fail(QStringLiteral("Error adding input buffer"), description);
        },
        Qt::QueuedConnection);
}

} // namespace aec
