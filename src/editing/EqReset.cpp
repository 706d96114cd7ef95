#include "editing/EqReset.h"

#include "core/Addressing.h"
#include "core/BlockLayout.h"
#include "editing/BandLocation.h"

namespace aec {
namespace {

constexpr int LastEqBlock = Block::HiddenMicB; // 27

// The processor block a view block's reset acts on.
int TargetBlock(int viewBlock, const SelectionState& selection)
{
    switch (viewBlock) {
    case Block::EchoA:
        return selection.CurrentEffectBlock;
    case Block::MicA:
        return selection.CurrentMicBlock;
    case Block::MainLeft:
        return selection.CurrentOutputBlock;
    case Block::HiddenMusic:
        return selection.CurrentHiddenBlock;
    default:
        return viewBlock;
    }
}

void ResetBlock(ParameterModel& model, int block)
{
    for (int band = 0; band < EqBandCount[block]; ++band) {
        for (int f = 0; f < 5; ++f) {
            const auto field = static_cast<BandField>(f);
            const int slot = BandSlot(block, band, field);
            const int value = DefaultBandValue(block, band, field);
            model.store.at(block, BankSlot(block, slot, model.selection)) = value;
            model.view.at(block, slot) = value;
        }
    }
}

} // namespace

const DefaultFrequencyRow& DefaultBandFreq(int group)
{
    static const DefaultFrequencyRow music = {2,   25,  49,  73,  96,  120, 144, 167,
                                              187, 215, 238, 262, 287, 309, 333};
    static const DefaultFrequencyRow microphones = {2,   25,  49,  73,  96,  120, 144,
                                                    167, 187, 215, 238, 262, 287, 299,
                                                    313, 323, 333, 343, 353, 360};
    static const DefaultFrequencyRow effects = {2, 50, 100, 150, 200, 250, 300};
    static const DefaultFrequencyRow outputs = {2, 32, 62, 92, 122, 152, 182, 212, 242, 272};
    static const DefaultFrequencyRow hidden = {2, 70, 140, 210, 280};
    static const DefaultFrequencyRow dynamicEq = {20, 129, 280};
    static const DefaultFrequencyRow none = {};
    switch (group) {
    case 0:
        return music;
    case 1:
        return microphones;
    case 2:
        return effects;
    case 3:
        return outputs;
    case 4:
        return hidden;
    case 8:
        return dynamicEq;
    default:
        return none;
    }
}

int DefaultBandValue(int block, int band, BandField field)
{
    switch (field) {
    case BandField::Type:
        return DefaultBandType;
    case BandField::Frequency:
        return DefaultBandFreq(EqGroupOf(MakeAddress(block, 0)))[band];
    case BandField::Gain:
        return DefaultBandGain;
    case BandField::PeakQ:
        return DefaultPeakQ;
    case BandField::ShelfQ:
        return DefaultShelfQ;
    }
    return 0;
}

void ResetEq(ParameterModel& model, int viewBlock)
{
    // The selections make the processor block's address out of the view block's.
    const int block = TargetBlock(viewBlock, model.selection);
    for (int band = 0; band < EqBandCount[block]; ++band) {
        for (int f = 0; f < 5; ++f) {
            const auto field = static_cast<BandField>(f);
            model.set(MakeAddress(block, BandSlot(block, band, field)),
                      DefaultBandValue(block, band, field), Origin::Person, nullptr, true);
        }
    }
}

void ResetAllEq(ParameterModel& model)
{
    for (int block = 0; block <= LastEqBlock; ++block)
        ResetBlock(model, block);
    // The music right bank: the same defaults once more with the right side selected.
    int& music = model.selection.LinkSelection(LinkGroup::Music);
    music = LinkSide::Second;
    ResetBlock(model, Block::Music);
    music = LinkSide::First;
}

} // namespace aec
