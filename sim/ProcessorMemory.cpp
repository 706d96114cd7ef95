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
