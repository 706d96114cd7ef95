#pragma once

#include <cstdint>

namespace aec {

// A processor parameter address: block × 256 + slot. Blocks run 0 to 30, slots below 165;
// block 30 is the system block, whose upper addresses double as protocol commands.
using ParamAddress = std::uint16_t;

constexpr ParamAddress MakeAddress(int block, int slot)
{
    return static_cast<ParamAddress>(block * 256 + slot);
}
constexpr int BlockOf(ParamAddress address)
{
    return address >> 8;
}
constexpr int SlotOf(ParamAddress address)
{
    return address & 0xFF;
}

} // namespace aec
