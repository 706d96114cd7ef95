#pragma once

#include "core/ValueTable.h"

#include <array>
#include <optional>

namespace aec {

// Two complete parameter sets, A and B, to compare by ear. The store always holds the set
// shown, and edits change it; the other letter keeps its set as it was left. The first press
// of the other letter copies the current settings into it; after that, pressing a letter
// switches to its set.
class CompareSets
{
public:
    enum class Letter { A = 0, B = 1 };

    Letter shown() const { return m_shown; }
    bool holds(Letter letter) const { return m_held[index(letter)]; }

    // The person presses a letter with `current` in the store: the set the store must take
    // (the same set when the letter is new), or nothing when the letter is already shown.
    std::optional<ParamStore> press(Letter letter, const ParamStore& current);
    // Shows a letter again without changing any set (undo of a switch).
    void show(Letter letter) { m_shown = letter; }

    // The set of a letter: the current settings for the one shown.
    const ParamStore* setOf(Letter letter, const ParamStore& current) const;
    // The set not shown, while the other letter holds one.
    const ParamStore* other() const;

private:
    static std::size_t index(Letter letter) { return letter == Letter::A ? 0 : 1; }

    Letter m_shown = Letter::A;
    std::array<ParamStore, 2> m_sets{};
    std::array<bool, 2> m_held{true, false}; // A is what the store holds from the start
};

} // namespace aec
