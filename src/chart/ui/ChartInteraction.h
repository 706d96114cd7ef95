#pragma once

#include <QObject>
#include <QPoint>

namespace aec {

class BandEditor;
class ChartMarker;
class CurveDrawer;
class ParameterModel;
class ResponseChart;

// Editing on the chart: dragging a band's marker sets its frequency (sideways) and gain
// (up and down), a right press on a marker selects its Q and sideways moves over the chart
// step it; values are applied only when they reach another scale step. The bands are edited
// through the page's BandEditor.
class ChartInteraction : public QObject
{
    Q_OBJECT
public:
    ChartInteraction(const ParameterModel& model, ResponseChart& chart, CurveDrawer& curve,
                     BandEditor& editor);

    void markerPressed(ChartMarker* marker, Qt::MouseButton button, QPoint at);
    void markerMoved(ChartMarker* marker, QPoint at);
    void markerReleased(ChartMarker* marker, Qt::MouseButton button, QPoint at);
    void imageMoved(Qt::MouseButtons buttons, QPoint at);
    void imageRightReleased(QPoint at);
    // The info labels' release ends a drag or stepping that lost its pointer.
    void labelReleased();

    // Applies the dragged frequency and gain steps that are not yet applied.
    void ApplyDrag();
    // The main window's 10 ms tick: nothing while a drag runs.
    void tick();
    // Whether a drag runs or left steps that the tick has yet to apply.
    bool needsTicks() const
    {
        return DragFreqIndex != AppliedFreqIndex || DragGainIndex != AppliedGainIndex;
    }

    int LastDragMarker = 0;
    double DragFreqIndex = 0;
    double DragGainIndex = 0;
    double AppliedFreqIndex = 0;
    double AppliedGainIndex = 0;

private:
    void startFrom(int entry, const ChartMarker* marker);
    void startGesture();
    void endGesture();

    const ParameterModel& m_model;
    ResponseChart& m_chart;
    CurveDrawer& m_curve;
    BandEditor& m_editor;
    int m_dragMarker = -1;
    QPoint m_pressPoint;
    bool m_rightStepMode = false;
    bool m_gestureOpen = false; // the editor was told of a drag that has not ended
};

} // namespace aec
