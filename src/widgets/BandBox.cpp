#include "widgets/BandBox.h"

#include "widgets/ParamWidgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace aec {

BandBox::BandBox(const QString& boxName, const QString& scrollSliderName, int visibleColumns,
                 const BandFamily& family, QWidget* parent)
    : QWidget(parent), m_area(new QScrollArea(this)), m_visible(visibleColumns),
      m_columnWidth(BandColumn::Width)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    auto* layout = new QVBoxLayout(this);
    // The box sizes its columns itself; the layout must not pin its minimum to their width.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_area->setObjectName(boxName);
    m_area->setFrameShape(QFrame::NoFrame);
    m_area->setWidgetResizable(true);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* strip = new QWidget(m_area);
    strip->setObjectName(boxName + QStringLiteral("Columns"));
    auto* columns = new QHBoxLayout(strip);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    for (int band = 0; band < family.bands; ++band) {
        m_columns.append(new BandColumn(family, band, strip));
        columns->addWidget(m_columns.back());
    }
    columns->addStretch();
    m_area->setWidget(strip);
    // Exactly the page's visible columns, so the scroll slider's range covers the rest.
    m_area->setFixedWidth(visibleColumns * m_columnWidth + 2);
    m_headings = BuildBandHeadings(this, *m_columns.front(), family.group);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(m_headings);
    row->addWidget(m_area);
    row->addStretch();
    layout->addLayout(row, 1);

    if (!scrollSliderName.isEmpty() && family.bands > visibleColumns) {
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_slider = new ParamSlider(family.bands - visibleColumns, Qt::Horizontal, this);
        m_slider->setObjectName(scrollSliderName);
        layout->addWidget(m_slider);
        connect(m_slider, &QSlider::valueChanged, this, &BandBox::scrollTo);
        // Widening the columns changes the strip's width a layout pass later.
        connect(m_area->horizontalScrollBar(), &QScrollBar::rangeChanged, this,
                [this] { scrollTo(m_slider->value()); });
        // Tab into a column out of view scrolls the area by itself: the slider follows, and the
        // area shows whole columns again.
        connect(m_area->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int offset) {
            const QWidget* focus = QApplication::focusWidget();
            if (offset == m_slider->value() * m_columnWidth || !focus)
                return;
            for (int band = 0; band < m_columns.size(); ++band) {
                if (m_columns[band]->isAncestorOf(focus)) {
                    bringIntoView(band);
                    scrollTo(m_slider->value());
                    return;
                }
            }
        });
    } else {
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

QSize BandBox::sizeHint() const
{
    // What the box needs at the narrowest column width; more room widens the columns.
    const int width = m_headings->sizeHint().width() + m_visible * BandColumn::Width + 2;
    return {width, layout()->sizeHint().height()};
}

QSize BandBox::minimumSizeHint() const
{
    return {sizeHint().width(), layout()->minimumSize().height()};
}

void BandBox::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fitColumns();
}

void BandBox::fitColumns()
{
    const int room = width() - m_headings->sizeHint().width() - 2;
    const int fitted = std::clamp(room / m_visible, int(BandColumn::Width), int(MaxColumnWidth));
    if (fitted == m_columnWidth)
        return;
    m_columnWidth = fitted;
    for (BandColumn* column : std::as_const(m_columns))
        column->setFixedWidth(m_columnWidth);
    m_area->setFixedWidth(m_visible * m_columnWidth + 2);
}

void BandBox::scrollTo(int position)
{
    m_area->horizontalScrollBar()->setValue(position * m_columnWidth);
}

void BandBox::bringIntoView(int band)
{
    if (!m_slider)
        return;
    const int p = m_slider->value();
    if (band >= p + m_visible)
        m_slider->setValue(band - m_visible + 1);
    else if (band < p)
        m_slider->setValue(band);
}

} // namespace aec
