#include "spectrum/platform/TAudio.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace aec {

TAudio::TAudio(QObject* owner) : QObject(owner), m_recorder(this)
{
    m_recorder.OnRecord = [this](const void* lp, const void* rp, quint16 size) {
        if (OnRecord)
            OnRecord(*this, lp, rp, size);
    };
}

bool TAudio::InputPresent()
{
    return !QMediaDevices::audioInputs().isEmpty();
}

} // namespace aec
