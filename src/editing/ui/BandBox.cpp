#include "editing/ui/BandBox.h"

#include "editing/ui/PageKit.h"
#include "editing/ui/ParamWidgets.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QVBoxLayout>

namespace aec {

BandBox::BandBox(const QString& boxName, const QString& scrollSliderName, int visibleColumns,
                 const std::function<BandColumnLayout(int number)>& columnLayout, int bands,
                 QWidget* parent)
    : QWidget(parent), m_area(new QScrollArea(this))
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
    for (int n = 1; n <= bands; ++n)
        columns->addWidget(new BandColumn(columnLayout(n), strip));
    columns->addStretch();
    m_area->setWidget(strip);
    // Exactly the page's visible columns, so the scroll slider's range covers the rest.
    m_area->setFixedWidth(visibleColumns * BandColumn::Width + 2);
    layout->addWidget(m_area, 1);

    if (!scrollSliderName.isEmpty() && bands > visibleColumns) {
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_slider = PageKit::Slider(this, scrollSliderName, bands - visibleColumns);
        layout->addWidget(m_slider);
        connect(m_slider, &QSlider::valueChanged, this, [this](int position) {
            m_area->horizontalScrollBar()->setValue(position * BandColumn::Width);
        });
    } else {
        m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

} // namespace aec
