#pragma once

#include "widgets/Binding.h"

#include <functional>

class QLabel;
class QSlider;

namespace aec {

// A slider and its value pane. The slider's range is the parameter's; the pane shows the value
// in its unit. `limit`, when given, turns the position the person asks for into the one taken
// (the normal volumes rise one step per move).
class SliderBinding : public Binding
{
    Q_OBJECT
public:
    SliderBinding(QSlider* slider, QLabel* pane, const ParamRow& row, ParameterModel& model);
    ~SliderBinding() override;

    void show(std::int32_t value) override;
    QSlider* slider() const { return m_slider; }
    QLabel* pane() const { return m_pane; }
    void setLimit(std::function<int(int requested)> limit) { m_limit = std::move(limit); }
    // Stands for another address of the same kind (the right-side delay follows its family).
    using Binding::setAddress;

signals:
    // The slider shows a value, whoever set it.
    void valueShown(std::int32_t value);

private:
    void moved(int position);
    void showText(std::int32_t value);

    QSlider* m_slider;
    QLabel* m_pane;
    std::function<int(int)> m_limit;
    bool m_held = false; // the handle is pressed: its moves form one batch
};

} // namespace aec
