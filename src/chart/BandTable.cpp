#include "chart/BandTable.h"

#include "core/BlockLayout.h"
#include "core/Scales.h"

namespace aec {
namespace {

constexpr float BypassedHighPassFrequency = 19.0f; // the text "19.0"

} // namespace

bool FilterTypeSlots(int block, int* highPass, int* lowPass)
{
    int h = -1;
    int l = -1;
    switch (block) {
    case Block::Music:
        h = 4, l = 6;
        break;
    case Block::MicA:
    case Block::MicB:
    case Block::EchoA:
    case Block::EchoB:
        h = 9, l = 11;
        break;
    case Block::Reverb:
        h = 6, l = 8;
        break;
    default:
        if (block >= Block::MainLeft && block <= Block::Sub + 2)
            h = 16, l = 18;
        break;
    }
    if (highPass)
        *highPass = h;
    if (lowPass)
        *lowPass = l;
    return h >= 0;
}

FilledBands FillBandTable(BandTable& table, const ViewValues& view, int selector, int block)
{
    const int last = EqBandCount[block] - 1;
    int h = -1;
    int l = -1;
    const bool filters = FilterTypeSlots(block, &h, &l);

    if (filters) {
        const int n = EqBandCount[block];
        BandEntry& high = table.entries[n];
        const int highStep = view.at(block, h + 1);
        high.shape = PassShape(true, view.at(block, h));
        high.frequency = FreqValue(highStep);
        // A high-pass at the bottom step is drawn bypassed.
        if (highStep == 0) {
            high.shape = PassShape(true, 0);
            high.frequency = BypassedHighPassFrequency;
        }
        high.gain = 0;
        high.frequencySlot = h + 1;
        high.gainSlot = high.qSlot = -1;
        BandEntry& low = table.entries[n + 1];
        const int lowStep = view.at(block, l + 1);
        low.shape = PassShape(false, view.at(block, l));
        if (lowStep == FreqTopStep)
            low.shape = PassShape(false, 0); // a low-pass at the top step is drawn bypassed
        low.frequency = FreqValue(lowStep);
        low.gain = 0;
        low.frequencySlot = l + 1;
        low.gainSlot = low.qSlot = -1;
        table.highPassFrequencySlot = h + 1;
        table.lowPassFrequencySlot = l + 1;
    }

    for (int i = 0; i <= last; ++i) {
        if (selector != AllBands && selector != i)
            continue;
        BandEntry& e = table.entries[static_cast<std::size_t>(i)];
        const int type = view.at(block, BandSlot(block, i, BandField::Type));
        e.shape = EqBandShape(type);
        e.frequency = FreqValue(view.at(block, BandSlot(block, i, BandField::Frequency)));
        e.gain = float(view.at(block, BandSlot(block, i, BandField::Gain))) / 5 - 24;
        const BandField qField = type > 1 ? BandField::ShelfQ : BandField::PeakQ;
        e.q = float(QValue(view.at(block, BandSlot(block, i, qField))));
        e.frequencySlot = BandSlot(block, i, BandField::Frequency);
        e.gainSlot = BandSlot(block, i, BandField::Gain);
        e.qSlot = BandSlot(block, i, BandField::PeakQ);
    }
    return {last, filters};
}

} // namespace aec
