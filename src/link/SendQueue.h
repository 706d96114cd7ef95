#pragma once

#include "core/ParamAddress.h"

#include <array>
#include <cstdint>
#include <vector>

namespace aec {

// The ring of parameters waiting for the processor's acknowledgement. Consecutive edits of
// one parameter coalesce into the newest entry. When the ring is full, entries superseded by
// a later entry of the same parameter are dropped to make room, and an edit of a parameter
// still queued updates its newest entry, so no edit is lost while fewer than 499 different
// parameters wait; only then does a further parameter replace the newest entry. The queue
// never overruns and is never taken for empty while entries remain.
class SendQueue
{
public:
    static constexpr int Capacity = 500;

    struct Entry
    {
        ParamAddress address = 0;
        std::int32_t value = 0;
    };

    bool isEmpty() const { return m_write == m_read; }
    int size() const { return (m_write - m_read + Capacity) % Capacity; }

    void enqueue(ParamAddress address, std::int32_t value);
    // Removes the oldest entry and returns its index; -1 when empty.
    int dequeue();
    const Entry& entry(int index) const { return m_entries[static_cast<std::size_t>(index)]; }
    // The entries still waiting, oldest first.
    std::vector<Entry> waiting() const;

    void clear() { m_read = m_write; }
    void resetIndexes() { m_read = m_write = 0; }

private:
    bool compact();
    int findQueued(ParamAddress address) const;
    static int next(int index) { return index + 1 == Capacity ? 0 : index + 1; }
    static int previous(int index) { return index == 0 ? Capacity - 1 : index - 1; }

    std::array<Entry, Capacity> m_entries{};
    int m_write = 0;
    int m_read = 0;
};

} // namespace aec
