#pragma once

#include "core/ParamAddress.h"
#include "core/ValueTable.h"

namespace aec {

// Where an address lies among the bands of its view block: the EQ bands, then the high-pass
// filter as band EqBandCount and the low-pass filter as band EqBandCount + 1.
struct BandLocation
{
    static constexpr int NoIndex = 255;
    int band = 0;
    int index = NoIndex; // field within the band; NoIndex when the address lies in no band

    bool inBand() const { return index != NoIndex; }
    int packed() const { return band * 256 + index; }
    friend bool operator==(BandLocation a, BandLocation b)
    {
        return a.band == b.band && a.index == b.index;
    }
};

// Only the view blocks that carry band controls (0, 1, 2, 4, 5, 6, 25) have bands.
BandLocation LocateBand(ParamAddress address);

// The address a Q edit bound at `address` shows: the peaking Q (field 3) while the band is
// bypassed or peaking, the shelving Q (field 4) while it is a shelf. Other addresses unchanged.
ParamAddress ResolveQAddress(ParamAddress address, const ViewValues& view);

// The band-label group of an address's block: 0 music, 1 microphones, 2 effects, 3 outputs,
// 4 hidden EQs, 8 dynamic EQ.
int EqGroupOf(ParamAddress address);

// The slot of a band's type field, where its five fields start.
int BandFirstSlot(int block, int band);

} // namespace aec
