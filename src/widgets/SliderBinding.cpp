#include "widgets/SliderBinding.h"

#include "core/BlockLayout.h"
#include "widgets/ParamWidgets.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>
#include <utility>

namespace aec {

SliderBinding::SliderBinding(QSlider* slider, QLabel* pane, const ParamRow& row,
                             ParameterModel& model)
    : Binding(row, model, slider), m_slider(slider), m_pane(pane)
{
    slider->setRange(0, RowTop(row));
    connect(slider, &QSlider::valueChanged, this, &SliderBinding::moved);
    // Dragging the handle from press to release is one edit.
    connect(slider, &QSlider::sliderPressed, this, [this] {
        if (!std::exchange(m_held, true))
            this->model().beginBatch();
    });
    connect(slider, &QSlider::sliderReleased, this, [this] {
        if (std::exchange(m_held, false))
            this->model().endBatch();
    });
    // The pane keeps room for every text its parameter can show.
    if (auto* status = qobject_cast<StatusPane*>(pane)) {
        QStringList texts;
        for (int step = RowBottom(row); step <= KindTop(row.kind); ++step) {
            texts << RowText(row, step);
            if (row.doubledOnSub)
                texts << RowText(row, step, true);
        }
        status->setWidestTexts(texts);
    }
}

SliderBinding::~SliderBinding()
{
    if (m_held)
        model().endBatch();
}

void SliderBinding::moved(int position)
{
    const int taken = m_limit ? m_limit(position) : position;
    if (taken != position) {
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(taken);
    }
    showText(taken);
    store(taken);
    emit valueShown(taken);
}

void SliderBinding::show(std::int32_t value)
{
    {
        const QSignalBlocker quiet(m_slider);
        m_slider->setValue(std::clamp(value, m_slider->minimum(), m_slider->maximum()));
    }
    showText(value);
    emit valueShown(value);
}

void SliderBinding::showText(std::int32_t value)
{
    if (!m_pane)
        return;
    const int output = model().selection.CurrentOutputBlock;
    const bool doubled = row().doubledOnSub && output >= Block::Sub && output < Block::Sub + 3;
    m_pane->setText(RowText(row(), value, doubled));
}

} // namespace aec
