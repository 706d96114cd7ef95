#include "sim/ProcessorMemory.h"

#include "core/BlockLayout.h"

#include <algorithm>

namespace aec::sim {
namespace {

constexpr std::uint16_t PeakingType = 1;
constexpr std::uint16_t FlatGain = 120;
constexpr std::uint16_t PeakQ = 16;
constexpr std::uint16_t ShelfQ = 10;
constexpr int RecallSlot = 2; // block 30: the current mode index

const char* const FactoryNames[6] = {"Pop", "Rock", "Jazz", "Classic", "Vocal", "Disco"};

// The factory's settings besides the EQ: unity gains, centred pitch, moderate effects and
// limiters, full output mixes, manual operation, and volumes below their maxima.
struct FactoryValue
{
    int firstBlock;
    int lastBlock;
    int slot;
    std::uint16_t value;
};
const FactoryValue FactoryValues[] = {
    {0, 0, 0, 20},    {0, 0, 1, 20},   {0, 0, 2, 20},   {0, 0, 3, 7},    {0, 0, 160, 1},
    {1, 1, 7, 40},    {1, 1, 8, 5},    {1, 1, 9, 3},    {1, 1, 10, 10},  {1, 1, 17, 40},
    {1, 1, 18, 5},    {1, 1, 19, 3},   {1, 1, 20, 10},  {1, 1, 27, 40},  {1, 1, 28, 5},
    {1, 1, 29, 3},    {1, 1, 30, 10},  {2, 3, 0, 20},   {2, 3, 1, 2},    {2, 3, 2, 20},
    {2, 3, 3, 5},     {2, 3, 4, 3},    {2, 3, 5, 30},   {2, 3, 6, 5},    {2, 3, 7, 3},
    {2, 3, 8, 10},    {4, 4, 0, 60},   {4, 4, 2, 100},  {4, 4, 4, 100},  {4, 4, 5, 125},
    {4, 4, 6, 45},    {4, 4, 7, 10},   {4, 4, 8, 50},   {24, 24, 0, 60}, {24, 24, 2, 100},
    {24, 24, 4, 100}, {24, 24, 5, 90}, {24, 24, 6, 40}, {24, 24, 7, 10}, {24, 24, 8, 50},
    {5, 5, 0, 50},    {5, 5, 2, 100},  {5, 5, 4, 10},   {5, 5, 5, 32},   {6, 23, 0, 100},
    {6, 23, 2, 100},  {6, 23, 4, 80},  {6, 23, 6, 80},  {6, 23, 8, 70},  {6, 23, 12, 30},
    {6, 23, 13, 5},   {6, 23, 14, 3},  {6, 23, 15, 10}, {29, 29, 0, 50}, {29, 29, 1, 50},
    {29, 29, 2, 50},  {29, 29, 3, 30}, {29, 29, 4, 84}, {29, 29, 5, 30}, {29, 29, 6, 84},
    {29, 29, 7, 30},  {29, 29, 8, 84},
};

// A factory set: every EQ band peaking and spread over the spectrum, low-pass filters open,
// everything else at 0. `variant` shifts the gains so that every mode differs.
void FillFactorySet(ProcessorMemory::Blocks& blocks, int variant)
{
    for (int block = 0; block < ProcessorMemory::ParameterBlocks; ++block) {
        auto& row = blocks[block];
        row.fill(0);
        for (int band = 0; band < EqBandCount[block]; ++band) {
            const int step = 2 + band * 330 / std::max(1, EqBandCount[block] - 1);
            const int gain = variant == 0 ? FlatGain : FlatGain + ((band + variant) % 5 - 2) * 10;
            row[BandSlot(block, band, BandField::Type)] = PeakingType;
            row[BandSlot(block, band, BandField::Frequency)] = static_cast<std::uint16_t>(step);
            row[BandSlot(block, band, BandField::Gain)] = static_cast<std::uint16_t>(gain);
            row[BandSlot(block, band, BandField::PeakQ)] = PeakQ;
            if (BandSlot(block, band, BandField::ShelfQ) < ProcessorMemory::RowLength)
                row[BandSlot(block, band, BandField::ShelfQ)] = ShelfQ;
        }
        if (const int lowPass = LowPassFrequencySlot(block); lowPass >= 0)
            row[lowPass] = LowPassStartValue;
    }
    for (const FactoryValue& f : FactoryValues)
        for (int block = f.firstBlock; block <= f.lastBlock; ++block)
            blocks[block][f.slot] = f.value;
    // The right music bank and the second dynamic-EQ bank start as copies of the first.
    auto& music = blocks[Block::Music];
    std::copy(music.begin() + 10, music.begin() + 85, music.begin() + 85);
    auto& dynamicEq = blocks[Block::DynamicEq];
    std::copy(dynamicEq.begin() + 1, dynamicEq.begin() + 31, dynamicEq.begin() + 31);
}

} // namespace

ProcessorMemory::ProcessorMemory()
{
    FillFactorySet(m_blocks, 0);
    for (int i = 0; i < ModeCount; ++i) {
        Blocks set{};
        FillFactorySet(set, i + 1);
        std::copy_n(set.begin(), ParameterBlocks, m_modes[i].blocks.begin());
        m_modes[i].name = i < UserModeCount ? QByteArray("User ") + QByteArray::number(i + 1)
                                            : QByteArray(FactoryNames[i - UserModeCount]);
    }
}

std::uint16_t ProcessorMemory::value(int block, int slot) const
{
    if (block < 0 || block >= BlockCount || slot < 0 || slot >= RowLength)
        return 0;
    return m_blocks[block][slot];
}

bool ProcessorMemory::setValue(int block, int slot, std::uint16_t value)
{
    if (block < 0 || block >= BlockCount || slot < 0 || slot >= RowLength)
        return false;
    m_blocks[block][slot] = value;
    return true;
}

bool ProcessorMemory::recallMode(int index)
{
    if (index < 0 || index >= ModeCount)
        return false;
    std::copy(m_modes[index].blocks.begin(), m_modes[index].blocks.end(), m_blocks.begin());
    m_blocks[Block::System][RecallSlot] = static_cast<std::uint16_t>(index);
    return true;
}

bool ProcessorMemory::storeMode(int index, const QByteArray& name)
{
    // Factory modes cannot be overwritten.
    if (index < 0 || index >= UserModeCount)
        return false;
    std::copy_n(m_blocks.begin(), ParameterBlocks, m_modes[index].blocks.begin());
    m_modes[index].name = name.left(NameLength);
    m_blocks[Block::System][RecallSlot] = static_cast<std::uint16_t>(index);
    return true;
}

} // namespace aec::sim
