#pragma once

#include "spectrum/platform/TRecorder.h"

#include <QObject>

#include <functional>

namespace aec {

// The audio component of the main window: the system's sound input through its recorder,
// with OnRecord called for every filled buffer. Only the recorder is here: the program never
// plays sound or touches the mixer, so the component's player and mixer are left out.
class TAudio : public QObject
{
    Q_OBJECT
public:
    explicit TAudio(QObject* owner = nullptr);

    static QString Version() { return QStringLiteral("4.0 (32bit)"); }
    // True when the system lists at least one sound input.
    static bool InputPresent();

    // -1, the default, selects the system's default input.
    int AudioDeviceID() const { return m_recorder.deviceId(); }
    void setAudioDeviceID(int id) { m_recorder.setDeviceId(id); }

    TRecorder& Recorder() { return m_recorder; }
    // The text of the last failure.
    const QString& lastError() const { return m_recorder.lastError(); }

    std::function<void(TAudio& sender, const void* LP, const void* RP, quint16 BufferSize)>
        OnRecord;

private:
    TRecorder m_recorder;
};

} // namespace aec
