#pragma once

#include "editing/ui/BandColumn.h"

#include <QScrollArea>

#include <functional>

namespace aec {

class ParamSlider;

// The band columns of a page side by side in a horizontally scrolled box. Where the page has
// a column scroll slider, moving it scrolls the box by whole columns.
class BandBox : public QWidget
{
    Q_OBJECT
public:
    BandBox(const QString& boxName, const QString& scrollSliderName, int visibleColumns,
            const std::function<BandColumnLayout(int number)>& columnLayout, int bands,
            QWidget* parent = nullptr);

    QScrollArea* scrollArea() const { return m_area; }
    ParamSlider* scrollSlider() const { return m_slider; }

private:
    QScrollArea* m_area;
    ParamSlider* m_slider = nullptr;
};

} // namespace aec
