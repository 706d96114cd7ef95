#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

namespace aec::sim {

// What the simulated processor holds: its parameter blocks, its stored modes, its panel code,
// system password and identity.
class ProcessorMemory
{
public:
    static constexpr int BlockCount = 31;
    static constexpr int RowLength = 165;
    static constexpr int ParameterBlocks = 30; // blocks 0 to 29 belong to a mode
    static constexpr int ModeCount = 22;
    static constexpr int UserModeCount = 16;
    static constexpr int NameLength = 20;

    using Row = std::array<std::uint16_t, RowLength>;
    using Blocks = std::array<Row, BlockCount>;

    struct Mode
    {
        QByteArray name;
        std::array<Row, ParameterBlocks> blocks{};
    };

    // A processor as it leaves the factory: a plausible set of values in every block and a
    // variation of it in every mode.
    ProcessorMemory();

    std::uint16_t value(int block, int slot) const;
    // Writes one value; false (and nothing written) outside the blocks.
    bool setValue(int block, int slot, std::uint16_t value);

    const Blocks& blocks() const { return m_blocks; }
    const Mode& mode(int index) const { return m_modes.at(static_cast<std::size_t>(index)); }

    // Loads a mode's set into the blocks and records it as the current mode.
    bool recallMode(int index);
    // Saves the current blocks under a user mode's index and name.
    bool storeMode(int index, const QByteArray& name);

    QByteArray panelCode = "1234";
    QByteArray systemPassword = "123456";
    QByteArray identity = QByteArray::fromHex("51A3160B");

private:
    Blocks m_blocks{};
    std::array<Mode, ModeCount> m_modes{};
};

} // namespace aec::sim
