#include "chart/ChartKeys.h"

namespace aec {

ChartKeyCommand ChartKeyCommandOf(int key, Qt::KeyboardModifiers modifiers)
{
    using Action = ChartKeyCommand::Action;
    // The keypad's keys count as the main ones.
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    const bool plain = held == Qt::NoModifier;
    const bool stepping = (held & ~Qt::ShiftModifier) == Qt::ControlModifier;
    const int size = held & Qt::ShiftModifier ? 10 : 1;
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const int direction = key == Qt::Key_Right ? 1 : -1;
        if (plain)
            return {direction > 0 ? Action::SelectNext : Action::SelectPrevious, 0};
        if (stepping)
            return {Action::StepFrequency, direction * size};
        return {};
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (stepping)
            return {Action::StepGain, key == Qt::Key_Up ? size : -size};
        return {};
    case Qt::Key_Plus:
    case Qt::Key_Equal:
    case Qt::Key_Minus:
        if (plain || held == Qt::ShiftModifier)
            return {Action::StepQ, key == Qt::Key_Minus ? -1 : 1};
        return {};
    case Qt::Key_Home:
        return plain ? ChartKeyCommand{Action::ResetBand, 0} : ChartKeyCommand{};
    default:
        break;
    }
    if (plain && key >= Qt::Key_0 && key <= Qt::Key_9)
        return {Action::SelectBand, key == Qt::Key_0 ? 9 : key - Qt::Key_1};
    return {};
}

} // namespace aec
