#pragma once

#include "core/ParameterTable.h"
#include "widgets/BandColumn.h"

#include <QList>
#include <QScrollArea>

namespace aec {

class ParamSlider;

// The band columns of a page side by side in a horizontally scrolled box, with the row headings
// at its left. The page's visible columns share the room the box is given, each between
// BandColumn::Width and MaxColumnWidth wide, so wide windows show roomier columns rather than
// empty space. Where the page has a column scroll slider, it scrolls the box by whole columns.
class BandBox : public QWidget
{
    Q_OBJECT
public:
    static constexpr int MaxColumnWidth = 2 * BandColumn::Width;

    BandBox(const QString& boxName, const QString& scrollSliderName, int visibleColumns,
            const BandFamily& family, QWidget* parent = nullptr);

    QScrollArea* scrollArea() const { return m_area; }
    ParamSlider* scrollSlider() const { return m_slider; }
    const QList<BandColumn*>& columns() const { return m_columns; }
    int visibleColumns() const { return m_visible; }
    // Moves the scroll slider so that a band's column is in view.
    void bringIntoView(int band);
    int columnWidth() const { return m_columnWidth; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitColumns();
    void scrollTo(int position);

    QWidget* m_headings = nullptr;
    QScrollArea* m_area;
    ParamSlider* m_slider = nullptr;
    QList<BandColumn*> m_columns;
    int m_visible;
    int m_columnWidth;
};

} // namespace aec
