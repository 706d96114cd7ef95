#include "editing/LinkSides.h"

#include "core/BlockLayout.h"

namespace aec {
namespace {

void CopySlots(ParamStore& store, int fromBlock, int toBlock, int firstSlot, int lastSlot,
               int offset = 0)
{
    for (int slot = firstSlot; slot <= lastSlot; ++slot)
        store.at(toBlock, slot + offset) = store.at(fromBlock, slot);
}

} // namespace

void CopyFirstSide(ParamStore& store, int chartBlock, Tab currentTab)
{
    if (chartBlock == Block::Music) {
        CopySlots(store, Block::Music, Block::Music, 10, 84, 75);
    } else if (chartBlock == Block::MicA) {
        CopySlots(store, Block::MicA, Block::MicB, 15, 114);
    } else if (currentTab == Tab::Main || currentTab == Tab::Surround) {
        const int left = currentTab == Tab::Main ? Block::MainLeft : Block::SurroundLeft;
        for (int mode = 0; mode < OutputModeCount; ++mode)
            CopySlots(store, left + mode, left + 3 + mode, 0, 70);
    }
}

} // namespace aec
