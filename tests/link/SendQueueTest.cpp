#include "link/SendQueue.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace aec {
namespace {

constexpr ParamAddress ModeRecord = 0x1E01;
constexpr ParamAddress ModeRecall = 0x1E02;

// Distinct ordinary parameter addresses: block 0 to 4, slot 0 to 99.
ParamAddress Parameter(int n)
{
    return MakeAddress(n / 100, n % 100);
}

using Pair = std::pair<int, int>; // address, value

std::vector<Pair> Drain(SendQueue& queue)
{
    std::vector<Pair> entries;
    for (int index = queue.dequeue(); index >= 0; index = queue.dequeue())
        entries.emplace_back(queue.entry(index).address, queue.entry(index).value);
    return entries;
}

// Fills the queue to its 499 entries with Parameter(0..498), values 1000 + n.
void Fill(SendQueue& queue)
{
    for (int n = 0; n < 499; ++n)
        queue.enqueue(Parameter(n), 1000 + n);
}

TEST(SendQueueTest, StartsEmptyAndHandsOutNothing)
{
    SendQueue queue;
    EXPECT_TRUE(queue.isEmpty());
    EXPECT_EQ(queue.size(), 0);
    EXPECT_EQ(queue.dequeue(), -1);
}

TEST(SendQueueTest, HandsOutEntriesInTheOrderQueued)
{
    SendQueue queue;
    queue.enqueue(0x020B, 1000);
    queue.enqueue(0x0210, 300);
    queue.enqueue(0x1E02, 4);
    EXPECT_EQ(queue.size(), 3);
    EXPECT_EQ(Drain(queue), (std::vector<Pair>{{0x020B, 1000}, {0x0210, 300}, {0x1E02, 4}}));
    EXPECT_TRUE(queue.isEmpty());
}

TEST(SendQueueTest, OnlyConsecutiveEditsOfOneParameterCoalesce)
{
    SendQueue queue;
    queue.enqueue(0x020B, 500);
    queue.enqueue(0x020B, 1000);
    EXPECT_EQ(queue.size(), 1);
    queue.enqueue(0x0210, 300);
    queue.enqueue(0x020B, 1001); // not the newest entry: queued again
    EXPECT_EQ(queue.size(), 3);
    EXPECT_EQ(Drain(queue), (std::vector<Pair>{{0x020B, 1000}, {0x0210, 300}, {0x020B, 1001}}));
}

TEST(SendQueueTest, EntryHandedOutIsNotCoalescedWithALaterEdit)
{
    SendQueue queue;
    queue.enqueue(0x020B, 500);
    const int inFlight = queue.dequeue();
    queue.enqueue(0x020B, 1000);
    EXPECT_EQ(queue.size(), 1);
    EXPECT_EQ(queue.entry(inFlight).value, 500);
    EXPECT_EQ(Drain(queue), (std::vector<Pair>{{0x020B, 1000}}));
}

TEST(SendQueueTest, IndexesWrapFromFourHundredNinetyNineToZero)
{
    SendQueue queue;
    std::vector<int> indexes;
    for (int n = 0; n < 502; ++n) {
        queue.enqueue(Parameter(n % 2), n);
        const int index = queue.dequeue();
        indexes.push_back(index);
        ASSERT_EQ(queue.entry(index).value, n);
        ASSERT_TRUE(queue.isEmpty());
    }
    EXPECT_EQ(indexes[0], 1);
    EXPECT_EQ(indexes[498], 499);
    EXPECT_EQ(indexes[499], 0);
    EXPECT_EQ(indexes[500], 1);

    // Entries straddling the wrap keep their order.
    for (int n = 0; n < 5; ++n)
        queue.enqueue(Parameter(n), n);
    EXPECT_EQ(queue.size(), 5);
    EXPECT_EQ(Drain(queue), (std::vector<Pair>{{Parameter(0), 0},
                                               {Parameter(1), 1},
                                               {Parameter(2), 2},
                                               {Parameter(3), 3},
                                               {Parameter(4), 4}}));
}

TEST(SendQueueTest, KeepsEveryParameterPastFourHundredNinetyNineInTheOrderQueued)
{
    for (const int count : {499, 500, 31 * 165}) {
        SendQueue queue;
        std::vector<Pair> all;
        for (int n = 0; n < count; ++n)
            all.emplace_back(MakeAddress(n / 165, n % 165), n);
        for (const Pair& entry : all)
            queue.enqueue(static_cast<ParamAddress>(entry.first), entry.second);
        EXPECT_EQ(Drain(queue), all) << count;
    }
}

TEST(SendQueueTest, FullQueueUpdatesAQueuedParameterInPlace)
{
    SendQueue queue;
    Fill(queue);
    queue.enqueue(Parameter(10), 7);
    queue.enqueue(Parameter(498), 8); // the newest itself
    EXPECT_EQ(queue.size(), 499);

    const std::vector<Pair> entries = Drain(queue);
    ASSERT_EQ(entries.size(), 499u);
    EXPECT_EQ(entries[9], Pair(Parameter(9), 1009));
    EXPECT_EQ(entries[10], Pair(Parameter(10), 7));
    EXPECT_EQ(entries[11], Pair(Parameter(11), 1011));
    EXPECT_EQ(entries[497], Pair(Parameter(497), 1497));
    EXPECT_EQ(entries[498], Pair(Parameter(498), 8));
}

// The last value sent for each parameter is the value it was last given.
std::map<int, std::int32_t> LastValues(const std::vector<Pair>& entries)
{
    std::map<int, std::int32_t> last;
    for (const Pair& entry : entries)
        last[entry.first] = entry.second;
    return last;
}

TEST(SendQueueTest, FullQueueDropsSupersededEntriesToMakeRoomAndLosesNoEdit)
{
    // Parameter 0 waits twice, at the head and again in the middle, so the ring fills with
    // only 498 different parameters. A further edit of parameter 0, and then of a parameter
    // never queued, must both arrive; the older value of 0 must never be the last one sent.
    SendQueue queue;
    for (int n = 0; n < 499; ++n)
        queue.enqueue(Parameter(n == 300 ? 0 : n), 1000 + n);
    ASSERT_EQ(queue.size(), 499);

    queue.enqueue(Parameter(0), 7);
    EXPECT_EQ(queue.size(), 499) << "the superseded head entry made room";
    queue.enqueue(Parameter(300), 9);
    EXPECT_EQ(queue.size(), 499);

    const std::vector<Pair> entries = Drain(queue);
    ASSERT_EQ(entries.size(), 499u);
    EXPECT_EQ(entries.front(), Pair(Parameter(1), 1001)) << "order of the rest kept";
    const auto last = LastValues(entries);
    EXPECT_EQ(last.at(Parameter(0)), 7);
    EXPECT_EQ(last.at(Parameter(300)), 9);
    EXPECT_EQ(last.at(Parameter(498)), 1498);
    EXPECT_EQ(last.size(), 499u);
}

TEST(SendQueueTest, FullQueueDoesNotRewriteTheEntryInFlight)
{
    SendQueue queue;
    queue.enqueue(Parameter(0), 1);
    const int inFlight = queue.dequeue();
    for (int n = 1; n < 500; ++n)
        queue.enqueue(Parameter(n), 1000 + n);
    ASSERT_EQ(queue.size(), 499);

    queue.enqueue(Parameter(0), 2);
    EXPECT_EQ(queue.entry(inFlight).value, 1) << "kept while the ring grows";
    EXPECT_EQ(queue.entry(inFlight).address, Parameter(0));
    const std::vector<Pair> entries = Drain(queue);
    ASSERT_EQ(entries.size(), 500u);
    EXPECT_EQ(entries[498], Pair(Parameter(499), 1499));
    EXPECT_EQ(entries[499], Pair(Parameter(0), 2));
}

TEST(SendQueueTest, FullQueueNeverMergesModeCommands)
{
    for (const ParamAddress command : {ModeRecall, ModeRecord}) {
        SendQueue queue;
        queue.enqueue(command, 3);
        for (int n = 1; n < 499; ++n)
            queue.enqueue(Parameter(n), 1000 + n);
        ASSERT_EQ(queue.size(), 499);

        queue.enqueue(command, 5);
        const std::vector<Pair> entries = Drain(queue);
        ASSERT_EQ(entries.size(), 500u);
        EXPECT_EQ(entries[0], Pair(command, 3)) << command;
        EXPECT_EQ(entries[498], Pair(Parameter(498), 1498)) << command;
        EXPECT_EQ(entries[499], Pair(command, 5)) << command;
    }
}

// An edit queued before a mode store belongs to the stored mode, one after it does not: a full
// queue neither drops the first for the second nor updates the first with a later value.
TEST(SendQueueTest, FullQueueNeverMovesAnEditAcrossAModeCommand)
{
    SendQueue queue;
    queue.enqueue(Parameter(0), 1);
    queue.enqueue(ModeRecord, 3);
    for (int n = 1; n < 497; ++n)
        queue.enqueue(Parameter(n), 1000 + n);
    queue.enqueue(Parameter(0), 2);
    ASSERT_EQ(queue.size(), 499);
    queue.enqueue(Parameter(600), 6); // room is not made by dropping the first edit
    const std::vector<Pair> entries = Drain(queue);
    ASSERT_EQ(entries.size(), 500u);
    EXPECT_EQ(entries[0], Pair(Parameter(0), 1));
    EXPECT_EQ(entries[1], Pair(ModeRecord, 3));
    EXPECT_EQ(entries[498], Pair(Parameter(0), 2));
    EXPECT_EQ(entries[499], Pair(Parameter(600), 6));

    // Nor is the first edit updated with the later value.
    SendQueue second;
    second.enqueue(Parameter(0), 1);
    second.enqueue(ModeRecord, 3);
    for (int n = 1; n < 498; ++n)
        second.enqueue(Parameter(n), 1000 + n);
    second.enqueue(Parameter(0), 2);
    EXPECT_EQ(Drain(second).back(), Pair(Parameter(0), 2));
}

TEST(SendQueueTest, ClearingEmptiesTheQueue)
{
    SendQueue queue;
    queue.enqueue(0x020B, 1);
    queue.enqueue(0x0210, 2);
    queue.clear();
    EXPECT_TRUE(queue.isEmpty());
    EXPECT_EQ(queue.dequeue(), -1);
    queue.enqueue(0x0210, 3);
    EXPECT_EQ(Drain(queue), (std::vector<Pair>{{0x0210, 3}}));
}

} // namespace
} // namespace aec
