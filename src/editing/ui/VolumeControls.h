#pragma once

#include "core/BilingualText.h"

#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QWidget>

namespace aec {

class ParamSlider;
struct EditorContext;

// A drag handle (8 × 8) marking a start or maximum volume under a channel's volume slider.
class VolumeHandle : public QLabel
{
    Q_OBJECT
public:
    explicit VolumeHandle(const QString& name, int tag, QWidget* parent);

signals:
    void pressed(QPoint at);
    void moved(QPoint at);
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// One channel of the main volume tab: caption, normal volume slider and pane, and the start
// and maximum handles below the slider, placed where the handle formula puts them.
QWidget* BuildVolumeChannel(QWidget* parent, const QString& stem, const QString& channel,
                            const QString& captionLabel, int startTag, const QString& valueLabel);

// The system volumes: the normal volume rises one step per change, no volume passes the
// maximum, and the handles drag the start and maximum volumes.
class VolumeControls : public QObject
{
    Q_OBJECT
public:
    explicit VolumeControls(EditorContext& context) : m_ctx(context) {}

    void connectControls();
    void SysMusNormalVolBarChange(ParamSlider* slider);

private:
    struct Channel
    {
        ParamSlider* normal = nullptr;
        ParamSlider* start = nullptr;
        ParamSlider* maximum = nullptr;
        QWidget* startHandle = nullptr;
        QWidget* maxHandle = nullptr;
        QWidget* valueLabel = nullptr;
    };
    Channel channelOf(const ParamSlider* slider) const;
    Channel channelNamed(const QString& stem) const;
    void handlePressed(VolumeHandle* handle, QPoint at);
    void handleMoved(VolumeHandle* handle, QPoint at);
    void handleReleased();

    EditorContext& m_ctx;
    bool m_dragging = false;
    QPoint m_pressPoint;
};

} // namespace aec
