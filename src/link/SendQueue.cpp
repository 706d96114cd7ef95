#include "link/SendQueue.h"

#include "link/DeviceFrame.h"

namespace aec {

void SendQueue::enqueue(ParamAddress address, std::int32_t value)
{
    const bool full = !isEmpty() && next(m_write) == m_read;
    if (isEmpty()) {
        m_write = next(m_write);
    } else if (m_entries[m_write].address == address) {
        // The same parameter again: the newest entry takes the new value.
    } else if (!full) {
        m_write = next(m_write);
    } else if (const int queued = findQueued(address); queued >= 0) {
        m_entries[queued].value = value;
        return;
    }
    m_entries[m_write] = {address, value};
}

// A queued (not yet sent) entry of an ordinary parameter. Mode commands are never merged:
// their order against the parameters around them matters.
int SendQueue::findQueued(ParamAddress address) const
{
    if (address == CommandAddress::ModeRecall || address == CommandAddress::ModeRecord)
        return -1;
    for (int i = next(m_read);; i = next(i)) {
        if (m_entries[i].address == address)
            return i;
        if (i == m_write)
            return -1;
    }
}

int SendQueue::dequeue()
{
    if (isEmpty())
        return -1;
    m_read = next(m_read);
    return m_read;
}

} // namespace aec
