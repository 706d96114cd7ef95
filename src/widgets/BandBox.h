#pragma once

#include "core/ParameterTable.h"

#include <QList>
#include <QScrollArea>

namespace aec {

class BandColumn;
class ParamSlider;

// The band columns of a page side by side in a horizontally scrolled box. Where the page has
// a column scroll slider, moving it scrolls the box by whole columns.
class BandBox : public QWidget
{
    Q_OBJECT
public:
    BandBox(const QString& boxName, const QString& scrollSliderName, int visibleColumns,
            const BandFamily& family, QWidget* parent = nullptr);

    QScrollArea* scrollArea() const { return m_area; }
    ParamSlider* scrollSlider() const { return m_slider; }
    const QList<BandColumn*>& columns() const { return m_columns; }
    int visibleColumns() const { return m_visible; }
    // Moves the scroll slider so that a band's column is in view.
    void bringIntoView(int band);

private:
    QScrollArea* m_area;
    ParamSlider* m_slider = nullptr;
    QList<BandColumn*> m_columns;
    int m_visible;
};

} // namespace aec
