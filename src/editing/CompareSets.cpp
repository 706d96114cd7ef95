#include "editing/CompareSets.h"

namespace aec {

std::optional<ParamStore> CompareSets::press(Letter letter, const ParamStore& current)
{
    if (letter == m_shown)
        return std::nullopt;
    m_sets[index(m_shown)] = current;
    if (!m_held[index(letter)]) {
        m_sets[index(letter)] = current;
        m_held[index(letter)] = true;
    }
    m_shown = letter;
    return m_sets[index(letter)];
}

const ParamStore* CompareSets::setOf(Letter letter, const ParamStore& current) const
{
    if (letter == m_shown)
        return &current;
    return m_held[index(letter)] ? &m_sets[index(letter)] : nullptr;
}

const ParamStore* CompareSets::other() const
{
    const Letter letter = m_shown == Letter::A ? Letter::B : Letter::A;
    return m_held[index(letter)] ? &m_sets[index(letter)] : nullptr;
}

} // namespace aec
