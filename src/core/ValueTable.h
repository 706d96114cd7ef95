#pragma once

#include "core/BlockLayout.h"
#include "core/ParamAddress.h"

#include <QtGlobal>

#include <array>
#include <cstdint>

namespace aec {

// A 31 × 165 table of parameter values indexed [block][slot]. Each value is a 16-bit quantity
// held in a signed 32-bit entry.
class ValueTable
{
public:
    using Row = std::array<std::int32_t, RowLength>;

    static constexpr bool Contains(int block, int slot)
    {
        return block >= 0 && block < BlockCount && slot >= 0 && slot < RowLength;
    }
    static constexpr bool Contains(ParamAddress address)
    {
        return Contains(BlockOf(address), SlotOf(address));
    }

    std::int32_t& at(int block, int slot) { return m_rows[checked(block, slot)][slot]; }
    std::int32_t at(int block, int slot) const { return m_rows[checked(block, slot)][slot]; }
    std::int32_t& at(ParamAddress a) { return at(BlockOf(a), SlotOf(a)); }
    std::int32_t at(ParamAddress a) const { return at(BlockOf(a), SlotOf(a)); }

    Row& row(int block) { return m_rows[block]; }
    const Row& row(int block) const { return m_rows[block]; }

    void clear() { m_rows = {}; }

    friend bool operator==(const ValueTable& a, const ValueTable& b)
    {
        return a.m_rows == b.m_rows;
    }
    friend bool operator!=(const ValueTable& a, const ValueTable& b) { return !(a == b); }

private:
    // Callers only produce addresses inside the table. Checked builds (sanitizers, fuzzing)
    // stop at once on one that is not, since a row overrun would land silently in the next row.
    static int checked(int block, [[maybe_unused]] int slot)
    {
#ifdef AEC_CHECK_TABLE_BOUNDS
        if (!Contains(block, slot))
            qFatal("parameter table accessed outside its cells at [%d][%d]", block, slot);
#endif
        Q_ASSERT(Contains(block, slot));
        return block;
    }

    std::array<Row, BlockCount> m_rows{};
};

// The program's image of the processor's parameters, keyed by processor address.
class ParamStore : public ValueTable
{
public:
    // Every low-pass frequency starts at the top step of the frequency scale.
    void setInitialLowPassValues();
};

// The values as the controls show them, keyed by the address a control carries (its view
// address). Only the rows of the view blocks are used.
class ViewValues : public ValueTable
{
};

} // namespace aec
