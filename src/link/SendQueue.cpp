#include "link/SendQueue.h"

#include "link/DeviceFrame.h"

#include <bitset>
#include <utility>

namespace aec {
namespace {

// Mode commands keep their place: their order against the parameters around them matters.
bool IsCommand(ParamAddress address)
{
    return address == CommandAddress::ModeRecall || address == CommandAddress::ModeRecord;
}

} // namespace

void SendQueue::enqueue(ParamAddress address, std::int32_t value)
{
    if (isEmpty()) {
        m_write = next(m_write);
    } else if (m_entries[m_write].address == address) {
        // The same parameter again: the newest entry takes the new value.
    } else if (next(m_write) != m_read || compact()) {
        m_write = next(m_write);
    } else if (const int queued = findQueued(address); queued >= 0) {
        m_entries[queued].value = value;
        return;
    } else {
        grow();
        m_write = next(m_write);
    }
    m_entries[m_write] = {address, value};
}

// Drops queued entries that a later entry of the same parameter supersedes, keeping the
// order of the rest; an entry is never dropped for one beyond a mode command. Returns whether
// room was made.
bool SendQueue::compact()
{
    std::bitset<65536> later;
    std::vector<Entry> kept;
    kept.reserve(static_cast<std::size_t>(size()));
    for (int i = m_write; i != m_read; i = previous(i)) {
        const Entry& entry = m_entries[i];
        if (IsCommand(entry.address)) {
            kept.push_back(entry);
            later.reset();
            continue;
        }
        if (!later.test(entry.address))
            kept.push_back(entry);
        later.set(entry.address);
    }
    if (static_cast<int>(kept.size()) == size())
        return false;
    int index = m_read;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) {
        index = next(index);
        m_entries[index] = *it;
    }
    m_write = index;
    return true;
}

// Twice the room. The entry handed out last stays at its index (it may be sent again), the
// waiting ones follow it in order.
void SendQueue::grow()
{
    const int waitingCount = size();
    std::vector<Entry> entries(m_entries.size() * 2);
    for (int k = 0, i = m_read; k <= waitingCount; ++k, i = next(i))
        entries[static_cast<std::size_t>(m_read + k) % entries.size()] = m_entries[i];
    m_write = static_cast<int>(static_cast<std::size_t>(m_read + waitingCount) % entries.size());
    m_entries = std::move(entries);
}

// The newest queued (not yet sent) entry of an ordinary parameter, searched back to the newest
// mode command.
int SendQueue::findQueued(ParamAddress address) const
{
    if (IsCommand(address))
        return -1;
    for (int i = m_write; i != m_read; i = previous(i)) {
        if (m_entries[i].address == address)
            return i;
        if (IsCommand(m_entries[i].address))
            return -1;
    }
    return -1;
}

std::vector<SendQueue::Entry> SendQueue::waiting() const
{
    std::vector<Entry> entries;
    entries.reserve(static_cast<std::size_t>(size()));
    for (int i = m_read; i != m_write;) {
        i = next(i);
        entries.push_back(m_entries[i]);
    }
    return entries;
}

int SendQueue::dequeue()
{
    if (isEmpty())
        return -1;
    m_read = next(m_read);
    return m_read;
}

} // namespace aec
