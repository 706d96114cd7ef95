#pragma once

#include "core/ParamAddress.h"

#include <cstdint>
#include <vector>

namespace aec {

// The ring of parameters waiting for the processor's acknowledgement. Consecutive edits of
// one parameter coalesce into the newest entry. When the ring is full, entries superseded by
// a later entry of the same parameter are dropped to make room, and an edit of a parameter
// still queued updates its newest entry; a mode command is never passed in either, since the
// order of the parameters around it matters. Only then does the ring grow, so no edit is ever
// lost, however many different parameters wait. The queue is never taken for empty while
// entries remain, and the entry handed out last keeps its index until the next is handed out.
class SendQueue
{
public:
    static constexpr int InitialCapacity = 500;

    struct Entry
    {
        ParamAddress address = 0;
        std::int32_t value = 0;
    };

    bool isEmpty() const { return m_write == m_read; }
    int size() const { return (m_write - m_read + capacity()) % capacity(); }
    int capacity() const { return static_cast<int>(m_entries.size()); }

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
    void grow();
    int findQueued(ParamAddress address) const;
    int next(int index) const { return index + 1 == capacity() ? 0 : index + 1; }
    int previous(int index) const { return index == 0 ? capacity() - 1 : index - 1; }

    std::vector<Entry> m_entries = std::vector<Entry>(InitialCapacity);
    int m_write = 0;
    int m_read = 0;
};

} // namespace aec
