#pragma once

#include "spectrum/CaptureBlocks.h"
#include "spectrum/platform/TAudioSettings.h"

#include <QAudio>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAudioSource;
class QFile;
class QIODevice;

namespace aec {

// Records from a sound input with Qt Multimedia and hands over every filled buffer of
// NoSamples sample frames through OnRecord, on the thread that owns the recorder. Once a
// sample at or above TrigLevel has been seen (Triggered), every buffer is delivered; with
// SplitChannels a stereo buffer comes as its left and right halves. What is delivered can
// also go to a WAV file.
class TRecorder : public TAudioSettings
{
    Q_OBJECT
public:
    explicit TRecorder(QObject* parent = nullptr);
    ~TRecorder() override;

    int NoSamples() const { return m_noSamples; }
    void setNoSamples(int samples); // frees and reallocates the buffers
    // -1 is the system's default input; otherwise the index in Qt's list of inputs.
    int deviceId() const { return m_deviceId; }
    void setDeviceId(int id); // frees and reallocates the buffers
    // Bytes per delivered buffer (before a split).
    int bufferBytes() const { return m_blocks.blockSize(); }

    bool SplitChannels = false;
    std::int16_t TrigLevel = 0;
    bool Triggered = false;
    // LP: the samples (the left channel when split), RP: the right channel or null,
    // BufferSize: the bytes behind LP.
    std::function<void(const void* LP, const void* RP, quint16 BufferSize)> OnRecord;

    // Opens the input unless it is open and starts it; false, with lastError(), when the
    // input cannot be opened or started. Never blocks for long without a sound server.
    bool StartRecording();
    // Stops and closes the input; a WAV file being written gets its sizes and is closed.
    void StopRecording();
    // While suspended the input records nothing and costs nothing; it stays open, and
    // recording goes on where it was on resuming. Kept across StartRecording.
    void setSuspended(bool suspended);
    bool isSuspended() const { return m_suspended; }
    // Qt's state of the input: stopped while closed, suspended once resting.
    QAudio::State state() const;
    // Writes what is delivered from now on to a new WAV file at `path` as well, until
    // StopRecording; false, with lastError(), when the file cannot be written.
    bool RecordToFile(const QString& path);

    bool isOpen() const { return m_source != nullptr; }
    bool isRecording() const { return m_recording; }
    const QString& lastError() const { return m_lastError; }

protected:
    void reallocate() override;

private:
    void allocate();
    bool fail(const QString& text, const QString& description = {});
    void close();
    void readCaptured();
    void deliver(char* data, int count);
    void stateChanged(QAudio::State state);
    void applySuspension();

    int m_noSamples = 1024;
    int m_deviceId = -1;
    CaptureBlocks m_blocks;
    std::vector<char> m_readBuffer;
    std::vector<char> m_left, m_right;
    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_input = nullptr; // owned by m_source
    std::unique_ptr<QFile> m_file;
    bool m_recording = false;
    bool m_suspended = false;
    QString m_lastError;
};

} // namespace aec
