// Which keys the focused chart takes, and what each asks for.
#include "chart/ChartKeys.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

using Action = ChartKeyCommand::Action;
constexpr Qt::KeyboardModifiers None = Qt::NoModifier, Ctrl = Qt::ControlModifier,
                                Shift = Qt::ShiftModifier, Pad = Qt::KeypadModifier;

// Keys with other modifiers, Ctrl+Tab and the window's own keys are left to the window.
TEST(ChartKeys, EachKeyAsksForItsCommandAndTheWindowKeepsTheRest)
{
    const std::tuple<int, Qt::KeyboardModifiers, Action, int> cases[] = {
        {Qt::Key_Left, Ctrl | Shift, Action::StepFrequency, -10},
        {Qt::Key_Up, Ctrl | Pad, Action::StepGain, 1},
        {Qt::Key_0, None, Action::SelectBand, 9},
        {Qt::Key_3, Pad, Action::SelectBand, 2},
        {Qt::Key_Equal, None, Action::StepQ, 1},
        {Qt::Key_Minus, Pad, Action::StepQ, -1},
        {Qt::Key_Tab, Ctrl, Action::None, 0},
        {Qt::Key_Up, None, Action::None, 0},
        {Qt::Key_Right, Qt::AltModifier, Action::None, 0},
        {Qt::Key_1, Ctrl, Action::None, 0},
        {Qt::Key_Home, Shift, Action::None, 0},
        {Qt::Key_Z, Ctrl | Shift, Action::None, 0},
    };
    for (const auto& [key, modifiers, action, amount] : cases) {
        const ChartKeyCommand command = ChartKeyCommandOf(key, modifiers);
        EXPECT_EQ(command.action, action) << std::hex << key << " " << modifiers.toInt();
        EXPECT_EQ(command.amount, amount) << std::hex << key << " " << modifiers.toInt();
    }
}

} // namespace
} // namespace aec
