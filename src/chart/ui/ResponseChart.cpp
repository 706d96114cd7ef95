#include "chart/ui/ResponseChart.h"

#include "chart/CardinalSpline.h"
#include "widgets/ParamWidgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace aec {
namespace {

const QColor PlotColour(238, 238, 238);
const QColor GridMajorColor(210, 210, 210);
const QColor GridMinorColor(220, 220, 220);
const QColor AxisLabelColour(161, 161, 161);
const QColor FocusRingColour(255, 102, 0); // the curve's colour
constexpr double FocusRingRadius = ChartMarker::Size / 2.0 + 4;
constexpr double CurveTension = 0.4;
constexpr double CurvePenWidth = 1.8;
// Anti-aliased wide pens are slow on one long path; short sub-paths join seamlessly.
constexpr int SegmentsPerSubPath = 8;

const struct
{
    const char* text;
    double frequency;
} FrequencyLabels[] = {{"20Hz", 20},     {"50Hz", 50},    {"100Hz", 100}, {"200Hz", 200},
                       {"500Hz", 500},   {"1KHz", 1000},  {"2KHz", 2000}, {"5KHz", 5000},
                       {"10KHz", 10000}, {"20KHz", 20000}};

QPixmap MarkerIcon()
{
    QPixmap icon(ChartMarker::Size, ChartMarker::Size);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 102, 0), 1.6));
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawEllipse(QRectF(1.5, 1.5, ChartMarker::Size - 3, ChartMarker::Size - 3));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 102, 0));
    p.drawEllipse(QRectF(5, 5, 4, 4));
    return icon;
}

} // namespace

void SetChartPen(QPainter& painter, const QColor& colour, int width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
}

void ChartLine(QPainter& painter, double x1, double y1, double x2, double y2)
{
    painter.drawLine(QPoint(Nearest(x1), Nearest(y1)), QPoint(Nearest(x2), Nearest(y2)));
}

ChartMarker::ChartMarker(int index, QWidget* parent) : QLabel(parent), m_index(index)
{
    setObjectName(index < 20 ? QStringLiteral("EP%1").arg(index + 1)
                             : (index == 20 ? QStringLiteral("HPF") : QStringLiteral("LPF")));
    setFixedSize(Size, Size);
    static const QPixmap icon = MarkerIcon();
    setPixmap(icon);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    setToolTip(index < 20 ? QString::number(index + 1) : objectName());
}

void ChartMarker::mousePressEvent(QMouseEvent* event)
{
    emit pressed(this, event->button(), event->position().toPoint());
}

void ChartMarker::mouseMoveEvent(QMouseEvent* event)
{
    emit moved(this, event->position().toPoint());
}

void ChartMarker::mouseReleaseEvent(QMouseEvent* event)
{
    emit released(this, event->button(), event->position().toPoint());
}

ResponseChart::ResponseChart(QWidget* chartPanel, QWidget* parent)
    : QWidget(parent), m_panel(chartPanel), m_infoLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("AdvPanel2"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(300, 120);
    for (int i = 0; i < MarkerCount; ++i) {
        m_markers[static_cast<std::size_t>(i)] = new ChartMarker(i, this);
        m_markers[static_cast<std::size_t>(i)]->hide();
    }
    m_infoLabel->setObjectName(QStringLiteral("EQlabel"));
    m_infoLabel->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial Narrow"));
    font.setBold(true);
    font.setPixelSize(13);
    m_infoLabel->setFont(font);
    m_infoLabel->setStyleSheet(QStringLiteral("color: rgb(243, 152, 0); background: transparent;"));
    m_infoLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_infoLabel->hide();
    m_image = QImage(size().expandedTo(QSize(1, 2)), QImage::Format_ARGB32_Premultiplied);
    BuildChartBackground(BackgroundMode::Create);
}

void ResponseChart::drawGrid()
{
    QPainter p(&m_image);
    const ChartMapper& m = m_mapper;
    const int w = m.width();
    const int h = m.height();
    for (int d = ChartAxis::MinDb; d <= ChartAxis::MaxDb; ++d) {
        if (d % 3 != 0)
            continue;
        const bool major = d == ChartAxis::MinDb || d == 0 || d == ChartAxis::MaxDb;
        SetChartPen(p, major ? GridMajorColor : GridMinorColor, 1);
        ChartLine(p, 0, m.DbToY(d), w, m.DbToY(d));
    }
    SetChartPen(p, GridMajorColor, 2);
    ChartLine(p, 0, 0, 0, h);
    for (const double f : {100.0, 1000.0, 10000.0})
        ChartLine(p, m.FreqToX(f), 0, m.FreqToX(f), h);
    SetChartPen(p, GridMinorColor, 1);
    for (const double f : {20.0,   30.0,   40.0,   50.0,   60.0,   70.0,   80.0,   90.0,   200.0,
                           300.0,  400.0,  500.0,  600.0,  700.0,  800.0,  900.0,  2000.0, 3000.0,
                           4000.0, 5000.0, 6000.0, 7000.0, 8000.0, 9000.0, 20000.0})
        ChartLine(p, m.FreqToX(f), 0, m.FreqToX(f), h);
    const double right = ChartAxis::DesignWidth * m.XScale() - 1;
    ChartLine(p, right, 0, right, h);
    SetChartPen(p, GridMajorColor, 2);
    ChartLine(p, 0, m.DbToY(ChartAxis::MaxDb) + 1, w, m.DbToY(ChartAxis::MaxDb) + 1);
    ChartLine(p, 0, m.DbToY(ChartAxis::MinDb), w, m.DbToY(ChartAxis::MinDb));
}

void ResponseChart::BuildChartBackground(BackgroundMode mode)
{
    if (mode != BackgroundMode::Restore) {
        const QSize imageSize = size().expandedTo(QSize(1, 2));
        m_mapper.resize(imageSize.width(), imageSize.height());
        m_image = QImage(imageSize, QImage::Format_ARGB32_Premultiplied);
        m_image.fill(PlotColour);
        drawGrid();
        m_background = m_image.copy();
        PlaceAxisLabels(mode == BackgroundMode::Create);
    }
    // Every redraw starts from the cached grid; copying keeps the cache untouched.
    m_image = m_background.copy();
}

void ResponseChart::PlaceAxisLabels(bool create)
{
    const QPoint plot = mapTo(m_panel, QPoint(0, 0));
    for (int n = 0; n < 21; ++n) {
        QLabel*& label = m_axisLabels[static_cast<std::size_t>(n)];
        if (create || !label) {
            label = new QLabel(m_panel);
            label->setObjectName(n <= 10 ? QStringLiteral("EQLabelY%1").arg(n)
                                         : QStringLiteral("EQLabelX%1").arg(n));
            label->setStyleSheet(
                QStringLiteral("color: rgb(161, 161, 161); background: transparent;"));
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            label->setText(n <= 10 ? QStringLiteral("%1dB").arg(-24 + 6 * n)
                                   : QLatin1String(FrequencyLabels[n - 11].text));
            label->setAlignment(n <= 10 ? (Qt::AlignRight | Qt::AlignVCenter) : Qt::AlignCenter);
            label->adjustSize();
            label->show();
        }
        if (n <= 10) {
            const int level = -24 + 6 * n;
            label->move(plot.x() - label->width() - 2,
                        Nearest(m_mapper.DbToY(level)) + plot.y() - label->height() / 2);
            // Above +12 dB the labels lie outside the plot, where they are not wanted.
            label->setVisible(level <= ChartAxis::MaxDb);
        } else {
            const double f = FrequencyLabels[n - 11].frequency;
            label->move(Nearest(m_mapper.FreqToX(f)) + plot.x() - label->width() / 2,
                        plot.y() + m_mapper.height());
        }
    }
}

void ResponseChart::drawCurve(const std::array<QPoint, ChartAxis::Columns>& points,
                              const QColor& colour)
{
    std::vector<QPointF> through(points.begin(), points.end() - 1);
    const std::vector<BezierSegment> segments = CardinalSpline(through, CurveTension);
    QPainter p(&m_image);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(colour, CurvePenWidth);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (std::size_t first = 0; first < segments.size(); first += SegmentsPerSubPath) {
        QPainterPath path(segments[first].from);
        const std::size_t end = std::min(segments.size(), first + SegmentsPerSubPath);
        for (std::size_t i = first; i < end; ++i)
            path.cubicTo(segments[i].control1, segments[i].control2, segments[i].to);
        p.drawPath(path);
    }
}

void ResponseChart::setSelectedMarker(int index)
{
    if (index == m_selectedMarker)
        return;
    m_selectedMarker = index;
    update();
}

void ResponseChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, m_image);
    if (!hasFocus() || m_selectedMarker < 0 || m_selectedMarker >= MarkerCount)
        return;
    const ChartMarker* selected = marker(m_selectedMarker);
    if (selected->isHidden())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(FocusRingColour, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(selected->geometry()).center(), FocusRingRadius, FocusRingRadius);
}

bool ResponseChart::event(QEvent* event)
{
    // The chart's own keys are not the window's shortcuts; letters and the undo keys stay theirs.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (PassWindowKeysToShortcuts(key))
            return true;
        if (ChartKeyCommandOf(key->key(), key->modifiers()).action !=
            ChartKeyCommand::Action::None) {
            key->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void ResponseChart::keyPressEvent(QKeyEvent* event)
{
    const ChartKeyCommand command = ChartKeyCommandOf(event->key(), event->modifiers());
    if (command.action == ChartKeyCommand::Action::None) {
        QWidget::keyPressEvent(event); // on to the window
        return;
    }
    emit keyCommand(command);
}

void ResponseChart::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ResponseChart::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

void ResponseChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    BuildChartBackground(BackgroundMode::Resize);
    emit resized();
}

void ResponseChart::mouseMoveEvent(QMouseEvent* event)
{
    emit imageMouseMoved(event->buttons(), event->position().toPoint());
}

void ResponseChart::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        emit imageRightReleased(event->position().toPoint());
}

} // namespace aec
