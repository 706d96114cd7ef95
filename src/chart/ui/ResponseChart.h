#pragma once

#include "chart/ChartKeys.h"
#include "chart/ChartMapper.h"

#include <QImage>
#include <QLabel>
#include <QPoint>
#include <QWidget>

#include <array>

class QPainter;

namespace aec {

// The chart's pen for grid and bars, and a straight line between rounded points.
void SetChartPen(QPainter& painter, const QColor& colour, int width);
void ChartLine(QPainter& painter, double x1, double y1, double x2, double y2);

// A band's draggable marker on the chart: EP1 to EP20, HPF, LPF (Tags 0 to 21).
class ChartMarker : public QLabel
{
    Q_OBJECT
public:
    static constexpr int Size = 14;
    ChartMarker(int index, QWidget* parent);
    // 0 to 19 the EQ bands, 20 the high-pass and 21 the low-pass filter.
    int index() const { return m_index; }

signals:
    void pressed(ChartMarker* marker, Qt::MouseButton button, QPoint at);
    void moved(ChartMarker* marker, QPoint at);
    void released(ChartMarker* marker, Qt::MouseButton button, QPoint at);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
};

// The response chart: the plot panel AdvPanel2 whose whole surface is the chart image Image1,
// with its cached grid background, the band markers and the info label; the axis labels sit
// on the chart panel around it. Every redraw starts from the cached background. It takes the
// keyboard focus and hands its keys on as commands; while it has the focus, a ring marks the
// selected marker.
class ResponseChart : public QWidget
{
    Q_OBJECT
public:
    enum class BackgroundMode { Create = 0, Resize = 1, Restore = 2 };
    static constexpr int MarkerCount = 22;

    // `chartPanel` (AdvPanel1) holds the axis labels.
    ResponseChart(QWidget* chartPanel, QWidget* parent);

    const ChartMapper& mapper() const { return m_mapper; }
    QImage& image() { return m_image; } // Image1's canvas
    ChartMarker* marker(int index) const { return m_markers[static_cast<std::size_t>(index)]; }
    QLabel* EQlabel() const { return m_infoLabel; }

    void BuildChartBackground(BackgroundMode mode);
    // The curve through the first 462 points, as a cardinal spline of tension 0.4, with an
    // anti-aliased pen 1.8 pixels wide.
    void drawCurve(const std::array<QPoint, ChartAxis::Columns>& points, const QColor& colour);
    // The chart's current picture is on the screen at the next paint.
    void present() { update(); }

    // The marker keys act on (0 to 21), or -1 for none.
    int selectedMarker() const { return m_selectedMarker; }
    void setSelectedMarker(int index);

signals:
    // The image changed size: the curves must be drawn again.
    void resized();
    // Pointer events on the image itself (not on a marker).
    void imageMouseMoved(Qt::MouseButtons buttons, QPoint at);
    void imageRightReleased(QPoint at);
    // A key of the chart's own was pressed while it had the focus.
    void keyCommand(const aec::ChartKeyCommand& command);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void drawGrid();
    void PlaceAxisLabels(bool create);

    QWidget* m_panel;
    ChartMapper m_mapper;
    QImage m_background;
    QImage m_image;
    std::array<ChartMarker*, MarkerCount> m_markers{};
    std::array<QLabel*, 21> m_axisLabels{};
    QLabel* m_infoLabel;
    int m_selectedMarker = -1;
};

} // namespace aec
