#pragma once

#include "core/BlockLayout.h"

#include <array>

namespace aec {

// Pairs of channels that the link buttons (left / both / right) act on.
enum class LinkGroup { Music = 0, Microphones, Main, Surround, DynamicEq, Count };

// LinkSelection values: which side of a pair the shared controls edit.
namespace LinkSide {
constexpr int First = 0;  // left, A
constexpr int Both = 1;   // linked: the first side is edited and shown
constexpr int Second = 2; // right, B
} // namespace LinkSide

// Which processor block the shared controls of each page stand for. Set by the page, effect,
// source, scene and link controls and read by the address mapping.
struct SelectionState
{
    int CurrentMicBlock = Block::MicA;           // 2 or 3
    int CurrentEffectBlock = Block::EchoA;       // 4, 24 or 5
    int CurrentOutputBlock = Block::MainLeft;    // 6 to 23
    int CurrentHiddenBlock = Block::HiddenMusic; // 25, 26 or 27
    int OutputMode = 0;                          // 0 sing, 1 disco, 2 decode
    std::array<int, static_cast<int>(LinkGroup::Count)> LinkSelections{};

    int& LinkSelection(LinkGroup group) { return LinkSelections[static_cast<int>(group)]; }
    int LinkSelection(LinkGroup group) const { return LinkSelections[static_cast<int>(group)]; }
};

} // namespace aec
