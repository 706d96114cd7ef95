#include "core/Addressing.h"

#include "core/BlockLayout.h"

namespace aec {
namespace {

bool InRange(int value, int low, int high)
{
    return value >= low && value <= high;
}

// Main and surround hold their limiter once per OutputMode in the left-side block, serving
// both sides; centre and subwoofer use the shown block.
int LimiterBlock(const SelectionState& sel)
{
    const int shown = sel.CurrentOutputBlock;
    if (InRange(shown, Block::MainLeft, Block::MainLeft + 5))
        return Block::MainLeft + sel.OutputMode;
    if (InRange(shown, Block::SurroundLeft, Block::SurroundLeft + 5))
        return Block::SurroundLeft + sel.OutputMode;
    return shown;
}

// Delay and mute: the right-side controls (view rows 9 and 15) always reach the right-side
// block of the current scene; the left ones (row 6) follow the shown family's left side.
int DelayMuteBlock(int block, const SelectionState& sel)
{
    if (InRange(block, 7, 8))
        return 6 + sel.OutputMode;
    if (InRange(block, 9, 11))
        return 9 + sel.OutputMode;
    if (InRange(block, 12, 14))
        return 12 + sel.OutputMode;
    if (InRange(block, 15, 17))
        return 15 + sel.OutputMode;
    return LimiterBlock(sel);
}

int OutputBlock(int block, int slot, const SelectionState& sel)
{
    if (InRange(slot, 12, 15))
        return LimiterBlock(sel);
    if (slot == 10 || slot == 11)
        return DelayMuteBlock(block, sel);
    return sel.CurrentOutputBlock;
}

} // namespace

ParamAddress ResolveBlock(ParamAddress viewAddress, const SelectionState& selection)
{
    int block = BlockOf(viewAddress);
    const int slot = SlotOf(viewAddress);

    if (block == Block::MicA || block == Block::MicB) {
        // The microphone link parameter lives in block 2 only.
        if (slot != 13)
            block = selection.CurrentMicBlock;
    } else if (block == Block::EchoA || block == Block::EchoB) {
        if (selection.CurrentEffectBlock != Block::Reverb)
            block = selection.CurrentEffectBlock;
    } else if (InRange(block, Block::MainLeft, Block::Sub + 2)) {
        block = OutputBlock(block, slot, selection);
    } else if (InRange(block, Block::HiddenMusic, Block::HiddenMicB)) {
        block = selection.CurrentHiddenBlock;
    }
    return MakeAddress(block, slot);
}

int BankSlot(int block, int slot, const SelectionState& selection)
{
    if (block == Block::Music && selection.LinkSelection(LinkGroup::Music) > LinkSide::Both &&
        InRange(slot, 10, 84))
        return slot + 75;
    if (block == Block::DynamicEq &&
        selection.LinkSelection(LinkGroup::DynamicEq) > LinkSide::Both && InRange(slot, 1, 30))
        return slot + 30;
    return slot;
}

ParamAddress ViewToDeviceAddress(ParamAddress viewAddress, const SelectionState& selection)
{
    const ParamAddress resolved = ResolveBlock(viewAddress, selection);
    const int block = BlockOf(resolved);
    return MakeAddress(block, BankSlot(block, SlotOf(resolved), selection));
}

} // namespace aec
