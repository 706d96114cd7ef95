#include "editing/BandLocation.h"

#include "core/BlockLayout.h"

namespace aec {
namespace {

struct FilterSlots
{
    int block;
    int highPassFirst; // type, then frequency
    int lowPassFirst;
};

constexpr FilterSlots Filters[] = {
    {Block::Music, 4, 6},  {Block::MicA, 9, 11},      {Block::EchoA, 9, 11},
    {Block::Reverb, 6, 8}, {Block::MainLeft, 16, 19},
};

bool HasBandControls(int block)
{
    return block == Block::Music || block == Block::MicA || block == Block::EchoA ||
           block == Block::Reverb || block == Block::MainLeft || block == Block::HiddenMusic;
}

} // namespace

int BandFirstSlot(int block, int band)
{
    return BandSlot(block, band, BandField::Type);
}

BandLocation LocateBand(ParamAddress address)
{
    const int block = BlockOf(address);
    const int slot = SlotOf(address);
    for (const FilterSlots& f : Filters) {
        if (f.block != block)
            continue;
        if (slot == f.highPassFirst || slot == f.highPassFirst + 1)
            return {EqBandCount[block], 0};
        if (slot == f.lowPassFirst || slot == f.lowPassFirst + 1)
            return {EqBandCount[block] + 1, 0};
    }
    if (block == Block::DynamicEq) {
        for (int band = 0; band < EqBandCount[block]; ++band) {
            const int first = BandFirstSlot(block, band);
            if (slot >= first && slot < first + 5)
                return {band, slot - first};
        }
        return {};
    }
    if (!HasBandControls(block) || slot < FirstEqSlot[block])
        return {};
    const int offset = slot - FirstEqSlot[block];
    return {offset / 5, offset % 5};
}

ParamAddress ResolveQAddress(ParamAddress address, const ViewValues& view)
{
    const BandLocation location = LocateBand(address);
    if (location.index != 3 && location.index != 4)
        return address;
    const int block = BlockOf(address);
    const int first = BandFirstSlot(block, location.band);
    const int type = view.at(block, first);
    const bool shelf = type == 2 || type == 3;
    return MakeAddress(block, first + (shelf ? 4 : 3));
}

int EqGroupOf(ParamAddress address)
{
    const int block = BlockOf(address);
    if (block == Block::Music)
        return 0;
    if (block == Block::DynamicEq)
        return 8;
    if (block <= Block::MicB)
        return 1;
    if (block <= Block::Reverb || block == Block::EchoB)
        return 2;
    if (block <= Block::Sub + 2)
        return 3;
    return 4;
}

} // namespace aec
