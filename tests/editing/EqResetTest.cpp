#include "editing/EqReset.h"

#include "core/Scales.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace aec {
namespace {

constexpr int Untouched = -7;

const std::vector<int> MusicFreqs = {2,   25,  49,  73,  96,  120, 144, 167,
                                     187, 215, 238, 262, 287, 309, 333};
const std::vector<int> MicFreqs = {2,   25,  49,  73,  96,  120, 144, 167, 187, 215,
                                   238, 262, 287, 299, 313, 323, 333, 343, 353, 360};
const std::vector<int> EffectFreqs = {2, 50, 100, 150, 200, 250, 300};
const std::vector<int> OutputFreqs = {2, 32, 62, 92, 122, 152, 182, 212, 242, 272};
const std::vector<int> HiddenFreqs = {2, 70, 140, 210, 280};
const std::vector<int> DynamicEqFreqs = {20, 129, 280};

const std::vector<int>& FreqsOf(int block)
{
    if (block == 0)
        return MusicFreqs;
    if (block == 1)
        return DynamicEqFreqs;
    if (block <= 3)
        return MicFreqs;
    if (block <= 5 || block == 24)
        return EffectFreqs;
    if (block <= 23)
        return OutputFreqs;
    return HiddenFreqs;
}

// Slot of field f of band n: five-slot bands from the block's first EQ slot, ten-slot groups
// from slot 2 on the dynamic EQ.
int FieldSlot(int block, int band, int field)
{
    if (block == 1)
        return 10 * band + field + 2;
    int first = 21;
    if (block == 0)
        first = 10;
    else if (block == 2 || block == 3)
        first = 15;
    else if (block == 4 || block == 24)
        first = 14;
    else if (block == 5)
        first = 11;
    else if (block >= 25)
        first = 1;
    return first + 5 * band + field;
}

int ExpectedField(int block, int band, int field)
{
    switch (field) {
    case 0:
        return 1; // peaking
    case 1:
        return FreqsOf(block)[static_cast<std::size_t>(band)];
    case 2:
        return 120; // 0.0 dB
    case 3:
        return 16; // "1.00"
    default:
        return 10; // "0.71"
    }
}

using Sent = std::vector<std::pair<int, int>>;

class EqResetTest : public testing::Test
{
protected:
    ParameterModel model;
    Sent sent;

    EqResetTest()
    {
        // What the reset announces: every value goes out paced, as the person's edit.
        QObject::connect(&model, &ParameterModel::changed, [this](const ParamChange& change) {
            EXPECT_EQ(change.origin, Origin::Person);
            EXPECT_TRUE(change.paced);
            sent.emplace_back(change.view, change.value);
        });
    }

    void SetUp() override
    {
        for (int block = 0; block < 31; ++block) {
            for (int slot = 0; slot < 165; ++slot) {
                model.store.at(block, slot) = Untouched;
                model.view.at(block, slot) = Untouched;
            }
        }
    }

    // 100 stands for the start-up reset of every block.
    int reset(int selector)
    {
        if (selector == 100)
            ResetAllEq(model);
        else
            ResetEq(model, selector);
        return selector;
    }

    // The bands of `block` in sending order, as addresses with their defaults.
    static Sent Defaults(int block, int bands)
    {
        Sent values;
        for (int band = 0; band < bands; ++band)
            for (int field = 0; field < 5; ++field)
                values.emplace_back(block * 256 + FieldSlot(block, band, field),
                                    ExpectedField(block, band, field));
        return values;
    }

    void expectBlockUntouched(int block)
    {
        for (int slot = 0; slot < 165; ++slot)
            ASSERT_EQ(model.store.at(block, slot), Untouched)
                << "block " << block << " slot " << slot;
    }
};

TEST(DefaultBandFreq, RowsPerLabelGroup)
{
    const std::vector<std::pair<int, const std::vector<int>*>> rows = {
        {0, &MusicFreqs},  {1, &MicFreqs},    {2, &EffectFreqs},
        {3, &OutputFreqs}, {4, &HiddenFreqs}, {8, &DynamicEqFreqs}};
    for (const auto& [group, freqs] : rows) {
        SCOPED_TRACE(group);
        const DefaultFrequencyRow& row = DefaultBandFreq(group);
        for (std::size_t band = 0; band < freqs->size(); ++band)
            EXPECT_EQ(row[band], (*freqs)[band]) << "band " << band;
    }
    EXPECT_EQ(FreqText(DefaultBandFreq(0)[0]).toStdString(), "20.5");
    EXPECT_EQ(FreqText(DefaultBandFreq(0)[14]).toStdString(), "12000");
    EXPECT_EQ(FreqText(DefaultBandFreq(8)[0]).toStdString(), "28.9");
    EXPECT_EQ(FreqText(DefaultBandFreq(8)[1]).toStdString(), "236.0");
    EXPECT_EQ(FreqText(DefaultBandFreq(8)[2]).toStdString(), "4320");
}

TEST(DefaultBandValue, FlatPeakingBandsWithTheGroupsFrequency)
{
    EXPECT_EQ(DefaultBandValue(0, 0, BandField::Type), 1);
    EXPECT_EQ(DefaultBandValue(0, 0, BandField::Gain), 120);
    EXPECT_EQ(DefaultBandValue(0, 0, BandField::PeakQ), 16);
    EXPECT_EQ(DefaultBandValue(0, 0, BandField::ShelfQ), 10);
    EXPECT_EQ(QText(DefaultBandValue(2, 5, BandField::PeakQ)).toStdString(), "1.00");
    EXPECT_EQ(QText(DefaultBandValue(2, 5, BandField::ShelfQ)).toStdString(), "0.71");
    EXPECT_EQ(DefaultBandValue(3, 19, BandField::Frequency), 360);
    EXPECT_EQ(DefaultBandValue(24, 6, BandField::Frequency), 300);
    EXPECT_EQ(DefaultBandValue(22, 9, BandField::Frequency), 272);
    EXPECT_EQ(DefaultBandValue(27, 4, BandField::Frequency), 280);
    EXPECT_EQ(DefaultBandValue(1, 1, BandField::Frequency), 129);
}

TEST_F(EqResetTest, StartUpResetFillsEveryBandOfBlocks0To27AndSendsNothing)
{
    model.selection.LinkSelection(LinkGroup::Music) = 1;
    EXPECT_EQ(reset(100), 100);
    EXPECT_TRUE(sent.empty());

    const int bandCounts[28] = {15, 3,  20, 20, 7,  7,  10, 10, 10, 10, 10, 10, 10, 10,
                                10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 7,  5,  5,  5};
    for (int block = 0; block < 28; ++block) {
        for (const auto& [address, value] : Defaults(block, bandCounts[block])) {
            ASSERT_EQ(model.store.at(static_cast<ParamAddress>(address)), value)
                << "block " << block << " slot " << address % 256;
            ASSERT_EQ(model.view.at(static_cast<ParamAddress>(address)), value)
                << "block " << block << " slot " << address % 256;
        }
    }
    // The music right bank holds the same defaults, and the music side is back to the left.
    for (int slot = 85; slot <= 159; ++slot)
        ASSERT_EQ(model.store.at(0, slot), model.store.at(0, slot - 75)) << "slot " << slot;
    EXPECT_EQ(model.selection.LinkSelection(LinkGroup::Music), 0);
}

TEST_F(EqResetTest, StartUpResetReadsAsAFlatEqOnTheMusicPage)
{
    reset(100);
    EXPECT_EQ(model.store.at(0, 10), 1); // "PEQ"
    EXPECT_EQ(FreqText(model.store.at(0, 11)).toStdString(), "20.5");
    EXPECT_EQ(model.store.at(0, 12), 120); // 0.0 dB
    EXPECT_EQ(QText(model.store.at(0, 13)).toStdString(), "1.00");
    EXPECT_EQ(model.store.at(0, 14), 10); // "0.71"
    EXPECT_EQ(model.store.at(0, 81), 333);
    EXPECT_EQ(FreqText(model.store.at(0, 81)).toStdString(), "12000");
    EXPECT_EQ(model.store.at(0, 86), 2);    // right bank band 1
    EXPECT_EQ(model.store.at(0, 156), 333); // right bank band 15
}

TEST_F(EqResetTest, StartUpResetLeavesEverythingOutsideTheBands)
{
    reset(100);
    for (int slot : {0, 3, 5, 7, 8, 9, 160, 161, 162, 163})
        EXPECT_EQ(model.store.at(0, slot), Untouched) << "music slot " << slot;
    for (int slot : {0, 1, 7, 8, 9, 10, 11, 21, 27, 31, 35, 60})
        EXPECT_EQ(model.store.at(1, slot), Untouched) << "dynamic EQ slot " << slot;
    for (int slot : {0, 12, 13, 14})
        EXPECT_EQ(model.store.at(2, slot), Untouched) << "microphone slot " << slot;
    for (int slot : {10, 19, 20})
        EXPECT_EQ(model.store.at(6, slot), Untouched) << "output slot " << slot;
    EXPECT_EQ(model.store.at(25, 0), Untouched);
    expectBlockUntouched(28);
    expectBlockUntouched(29);
    expectBlockUntouched(30);
}

TEST_F(EqResetTest, MicBPageResetsBlock3AndSendsItsHundredValuesInOrder)
{
    model.selection.CurrentMicBlock = 3;
    model.selection.LinkSelection(LinkGroup::Microphones) = 2;
    EXPECT_EQ(reset(2), 2);

    const Sent expected = Defaults(3, 20);
    ASSERT_EQ(expected.size(), 100u);
    EXPECT_EQ(sent, expected);
    for (const auto& [address, value] : expected)
        EXPECT_EQ(model.store.at(static_cast<ParamAddress>(address)), value);
    for (int slot = 0; slot < 15; ++slot)
        EXPECT_EQ(model.store.at(3, slot), Untouched) << "slot " << slot;
    expectBlockUntouched(2);
}

TEST_F(EqResetTest, EchoBPageResetsBlock24)
{
    model.selection.CurrentEffectBlock = 24;
    reset(4);
    EXPECT_EQ(sent, Defaults(24, 7));
    EXPECT_EQ(model.store.at(24, 45), 300); // band 7 frequency
    expectBlockUntouched(4);
}

TEST_F(EqResetTest, SubwooferPageInDiscoSceneResetsBlock22)
{
    model.selection.OutputMode = 1;
    model.selection.CurrentOutputBlock = 22;
    reset(6);
    EXPECT_EQ(sent, Defaults(22, 10));
    EXPECT_EQ(model.store.at(22, 67), 272); // band 10 frequency
    for (int block : {6, 7, 21, 23})
        expectBlockUntouched(block);
}

TEST_F(EqResetTest, SingleBlockResetsFollowTheShownSelection)
{
    struct Case
    {
        const char* what;
        int selector;
        int block;
        int bands;
    };
    const Case cases[] = {
        {"reverb", 5, 5, 7},
        {"dynamic EQ", 1, 1, 3},
        {"hidden EQ of mic B", 25, 27, 5},
        {"surround right, decode", 6, 17, 10},
        {"music left bank", 0, 0, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        sent.clear();
        model.selection.CurrentHiddenBlock = 27;
        model.selection.CurrentOutputBlock = 17;
        EXPECT_EQ(reset(c.selector), c.selector);
        EXPECT_EQ(sent, Defaults(c.block, c.bands));
        for (const auto& [address, value] : sent)
            EXPECT_EQ(model.store.at(static_cast<ParamAddress>(address)), value);
    }
}

TEST_F(EqResetTest, DynamicEqResetLeavesTheTriggerAndDynamicsSlots)
{
    reset(1);
    for (int slot : {0, 1, 7, 8, 9, 10, 11, 17, 21, 27, 32})
        EXPECT_EQ(model.store.at(1, slot), Untouched) << "slot " << slot;
    EXPECT_EQ(model.store.at(1, 23), 280);
}

TEST_F(EqResetTest, MusicResetWithTheRightSideShownWritesTheRightBank)
{
    model.selection.LinkSelection(LinkGroup::Music) = 2;
    reset(0);
    EXPECT_EQ(model.store.at(0, 86), 2);
    EXPECT_EQ(model.store.at(0, 156), 333);
    EXPECT_EQ(model.store.at(0, 11), Untouched);
    EXPECT_EQ(model.view.at(0, 11), 2);
    EXPECT_EQ(model.selection.LinkSelection(LinkGroup::Music), 2);
}

} // namespace
} // namespace aec
