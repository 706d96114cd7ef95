#include "widgets/BandBox.h"

#include "widgets/BandColumn.h"
#include "widgets/ParamWidgets.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

namespace aec {

BandBox::BandBox(const QString& boxName, const QString& scrollSliderName, int visibleColumns,
                 const BandFamily& family, QWidget* parent)
    : QWidget(parent), m_area(new QScrollArea(this)), m_visible(visibleColumns)
{
    auto* layout = new QVBoxLayout(this);
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
    m_area->setFixedWidth(visibleColumns * BandColumn::Width + 2);
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(BuildBandHeadings(this, *m_columns.front(), family.group));
    row->addWidget(m_area);
    layout->addLayout(row, 1);

    if (!scrollSliderName.isEmpty() && family.bands > visibleColumns) {
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_slider = new ParamSlider(family.bands - visibleColumns, Qt::Horizontal, this);
        m_slider->setObjectName(scrollSliderName);
        layout->addWidget(m_slider);
        connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
            m_area->horizontalScrollBar()->setValue(position * BandColumn::Width);
        });
    } else {
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
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
