#pragma once

#include <QLabel>
#include <QObject>
#include <QPoint>

#include <array>

namespace aec {

class Binder;
class Language;
class ParameterModel;
class SliderBinding;

// A drag handle (8 × 8) marking a start or maximum volume under a channel's volume slider.
class VolumeHandle : public QLabel
{
    Q_OBJECT
public:
    explicit VolumeHandle(const QString& name, QWidget* parent);

signals:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The system volumes of music, microphone and effect: each channel's normal volume (on the
// first side-panel tab, with handles for its start and maximum volumes below it and a line
// naming what the handles stand at) and its start
// and maximum volumes (on the second tab). The normal volume rises one step per move, no volume
// passes the maximum, and the handles drag the start and maximum volumes.
class VolumeControls : public QObject
{
    Q_OBJECT
public:
    enum Channel { Music = 0, Microphone = 1, Effect = 2 };

    VolumeControls(ParameterModel& model, Binder& binder, const Language& language,
                   QObject* parent = nullptr);

    // The "Main Volume" tab's three channels, and the "Volume Set" tab's limit sliders (built
    // after the channels: the handles drag them).
    QWidget* BuildChannels(QWidget* parent);
    QWidget* BuildLimits(QWidget* parent);

    // The volume keys: one step of a channel's normal volume, as a slider move.
    void stepNormal(Channel channel, int step);

private:
    struct ChannelControls
    {
        SliderBinding* normal = nullptr;
        SliderBinding* start = nullptr;
        SliderBinding* maximum = nullptr;
        VolumeHandle* startHandle = nullptr;
        VolumeHandle* maxHandle = nullptr;
        QLabel* value = nullptr; // shown while a handle is dragged
        QLabel* marks = nullptr; // "Initial 30 · Max 84"
    };
    void bindRules(Channel channel);
    void applyLimits(Channel channel, int role);
    void placeHandles(Channel channel);
    void showMarks(Channel channel);
    void handleMoved(Channel channel, VolumeHandle* handle, SliderBinding* slider, QPoint at);

    ParameterModel& m_model;
    Binder& m_binder;
    const Language& m_language;
    std::array<ChannelControls, 3> m_channels{};
    bool m_dragging = false;
    QPoint m_pressPoint;
};

} // namespace aec
