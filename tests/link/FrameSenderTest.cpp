#include "link/FrameSender.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace aec {
namespace {

// Records every write call on its own, and the pauses in between.
struct FakePort : DevicePort
{
    bool open = true;
    bool refuse = false;
    std::vector<QByteArray> writes;
    std::vector<std::string> events;

    bool isOpen() const override { return open; }
    bool write(QByteArrayView bytes) override
    {
        writes.push_back(bytes.toByteArray());
        events.push_back("write " + std::to_string(bytes.size()));
        return !refuse;
    }
};

std::string Hex(const QByteArray& bytes)
{
    return bytes.toHex(' ').toUpper().toStdString();
}

// The additive checksum: byte 0 plus every byte from the command on.
std::uint8_t Checksum(const std::vector<std::uint8_t>& frame)
{
    unsigned sum = frame[0];
    for (std::size_t i = 3; i < frame.size(); ++i)
        sum += frame[i];
    return static_cast<std::uint8_t>(sum);
}

// A bulk write frame of `count` stored values of `block` from `firstSlot`.
QByteArray BulkFrame(const ParamStore& store, int block, int firstSlot, int count,
                     std::uint8_t byteOffset)
{
    std::vector<std::uint8_t> f = {
        0xF5, 0xB1, static_cast<std::uint8_t>(2 * count + 6), 0xB7,
        0x1E, 0x0F, static_cast<std::uint8_t>(block),         byteOffset};
    for (int slot = firstSlot; slot < firstSlot + count; ++slot) {
        const auto value = static_cast<std::uint32_t>(store.at(block, slot));
        f.push_back(static_cast<std::uint8_t>(value & 0xFF));
        f.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
    }
    f.push_back(Checksum(f));
    return QByteArray(reinterpret_cast<const char*>(f.data()), static_cast<qsizetype>(f.size()));
}

class FrameSenderTest : public ::testing::Test
{
protected:
    FakePort port;
    ParamStore store;
    FrameSender sender{port, store, [this](std::chrono::milliseconds ms) {
                           port.events.push_back("pause " + std::to_string(ms.count()));
                       }};

    std::vector<std::string> Written() const
    {
        std::vector<std::string> out;
        for (const QByteArray& w : port.writes)
            out.push_back(Hex(w));
        return out;
    }
};

using Strings = std::vector<std::string>;

TEST_F(FrameSenderTest, ParameterFramesAreNineBytesWithValueLowByteFirst)
{
    struct Row
    {
        const char* what;
        std::uint8_t command;
        ParamAddress address;
        std::int32_t value;
        const char* bytes;
    };
    const std::vector<Row> rows = {
        {"request of block 5", 0xB0, 0x1E10, 5, "F5 B1 06 B0 1E 10 05 00 D8"},
        {"write of 1000 at block 2 slot 11", 0xB7, 0x020B, 1000, "F5 B1 06 B7 02 0B E8 03 A4"},
        {"OutputMode 2 at address 161", 0xB7, 161, 2, "F5 B1 06 B7 00 A1 02 00 4F"},
        {"only the low 16 bits travel", 0xB7, 0x020B, 0x12345, "F5 B1 06 B7 02 0B 45 23 21"},
        {"negative value", 0xB7, 0x020B, -1, "F5 B1 06 B7 02 0B FF FF B7"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        port.writes.clear();
        sender.SendParameterFrame(row.command, row.address, row.value);
        EXPECT_EQ(Written(), Strings{row.bytes});
    }
}

TEST_F(FrameSenderTest, LinkCommandsAreWritesAtAddress1E30)
{
    sender.SendLinkCommand(0x11);
    sender.SendLinkCommand(0x66);
    sender.SendLinkCommand(0xAA);
    EXPECT_EQ(Written(), (Strings{"F5 B1 06 B7 1E 30 11 00 0B", "F5 B1 06 B7 1E 30 66 00 60",
                                  "F5 B1 06 B7 1E 30 AA 00 A4"}));
}

TEST_F(FrameSenderTest, ClosedPortDropsEveryFrameSilently)
{
    port.open = false;
    sender.SendParameterFrame(0xB7, 0x020B, 1000);
    sender.SendLinkCommand(0x66);
    EXPECT_TRUE(sender.SendFrame(0xB0, 0x1E01, 0));
    EXPECT_TRUE(sender.SendText(0x1E07, "123456"));
    EXPECT_TRUE(sender.TransferItem(3, TransferDirection::Load));
    EXPECT_TRUE(sender.TransferItem(29, TransferDirection::Download));
    EXPECT_TRUE(port.writes.empty());
}

// SendFrame hands a refused write back; the parameter and link routines ignore it.
TEST_F(FrameSenderTest, RefusedWriteIsReportedBySendFrameOnly)
{
    port.refuse = true;
    EXPECT_FALSE(sender.SendFrame(0xB0, 0x1E01, 0));
    EXPECT_FALSE(sender.SendText(0x1E05, "1234"));
    EXPECT_FALSE(sender.TransferItem(2, TransferDirection::Download));
    EXPECT_FALSE(sender.TransferItem(0, TransferDirection::Download));
    EXPECT_FALSE(sender.TransferItem(31, TransferDirection::Load));
    const std::size_t before = port.writes.size();
    sender.SendParameterFrame(0xB7, 0x020B, 1000);
    sender.SendLinkCommand(0x11);
    EXPECT_EQ(port.writes.size(), before + 2);
}

TEST_F(FrameSenderTest, ModeRecordTextIsPaddedOrCutTo22Bytes)
{
    EXPECT_TRUE(sender.SendText(0x1E01, "ABCDE"));
    EXPECT_TRUE(sender.SendText(0x1E01, "ABCDEFGHIJKLMNOPQRSTUVWXY"));
    EXPECT_EQ(Written(),
              (Strings{"F5 B1 1A B7 1E 01 41 42 43 44 45 20 20 20 20 20 20 20 20 20 20 20 20 20 20 "
                       "20 20 20 3A",
                       "F5 B1 1A B7 1E 01 41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 "
                       "54 55 56 48"}));
}

TEST_F(FrameSenderTest, OtherTextsCarryExactlyTheirBytes)
{
    sender.SendText(0x1E07, "123456");
    sender.SendText(0x1E05, "1234");
    sender.SendText(0x1E05, "");
    EXPECT_EQ(Written(), (Strings{"F5 B1 0A B7 1E 07 31 32 33 34 35 36 06",
                                  "F5 B1 08 B7 1E 05 31 32 33 34 99", "F5 B1 04 B7 1E 05 CF"}));
}

// Load: blocks 0 to 29, the mode name, then the eight system items; nothing after step 38.
TEST_F(FrameSenderTest, LoadStepsRequestBlocksModeNameAndSystemItems)
{
    for (int step = 0; step <= 29; ++step) {
        SCOPED_TRACE(step);
        port.writes.clear();
        EXPECT_TRUE(sender.TransferItem(step, TransferDirection::Load));
        ASSERT_EQ(port.writes.size(), 1u);
        EXPECT_EQ(port.writes[0].size(), 9);
        EXPECT_EQ(port.writes[0][6], static_cast<char>(step));
    }
    EXPECT_EQ(Written(), Strings{"F5 B1 06 B0 1E 10 1D 00 F0"});

    const std::vector<std::pair<int, const char*>> rows = {
        {0, "F5 B1 06 B0 1E 10 00 00 D3"}, {5, "F5 B1 06 B0 1E 10 05 00 D8"},
        {31, "F5 B1 04 B0 1E 01 C4"},      {32, "F5 B1 04 B0 1E 02 C5"},
        {33, "F5 B1 04 B0 1E 03 C6"},      {34, "F5 B1 04 B0 1E 04 C7"},
        {35, "F5 B1 04 B0 1E 08 CB"},      {36, "F5 B1 04 B0 1E 07 CA"},
        {37, "F5 B1 04 B0 1E 05 C8"},      {38, "F5 B1 04 B0 1E 14 D7"},
    };
    for (const auto& [step, bytes] : rows) {
        SCOPED_TRACE(step);
        port.writes.clear();
        sender.TransferItem(step, TransferDirection::Load);
        EXPECT_EQ(Written(), Strings{bytes});
    }

    port.writes.clear();
    for (const int step : {39, 40, 100, -1})
        sender.TransferItem(step, TransferDirection::Load);
    for (const int step : {30, 31, 38, 39, -1})
        sender.TransferItem(step, TransferDirection::Download);
    EXPECT_TRUE(port.writes.empty());
}

// The mode index waits in FrameBuffer; a parameter frame sent meanwhile must not disturb it.
TEST_F(FrameSenderTest, ModeNameRequestTakesTheIndexFromFrameBufferUndisturbedByParameterFrames)
{
    sender.FrameBuffer[0] = 3;
    sender.FrameBuffer[1] = 0;
    sender.SendLinkCommand(0x66);
    sender.SendParameterFrame(0xB7, 0x020B, 1000);
    port.writes.clear();
    sender.TransferItem(30, TransferDirection::Load);
    EXPECT_EQ(Written(), Strings{"F5 B1 06 B0 1E 00 03 00 C6"});
}

// Block 0 does not fit one length byte: two frames, 2 ms apart, slot 164 not carried.
TEST_F(FrameSenderTest, BlockZeroGoesOutAsTwoFramesWithAPauseBetween)
{
    for (int slot = 0; slot < 165; ++slot)
        store.at(0, slot) = 0x0100 * (slot % 7) + slot;
    store.at(0, 5) = 0x7ABCD;
    store.at(0, 163) = 0xFFFF;

    EXPECT_TRUE(sender.TransferItem(0, TransferDirection::Download));

    EXPECT_EQ(port.events, (Strings{"write 233", "pause 2", "write 113"}));
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(Hex(port.writes[0].first(8)), "F5 B1 E6 B7 1E 0F 00 00");
    EXPECT_EQ(Hex(port.writes[0].sliced(18, 2)), "CD AB");
    EXPECT_EQ(Hex(port.writes[1].first(8)), "F5 B1 6E B7 1E 0F 00 E0");
    EXPECT_EQ(Hex(port.writes[1].sliced(108, 4)), "A2 01 FF FF");
    EXPECT_EQ(Hex(port.writes[0]), Hex(BulkFrame(store, 0, 0, 112, 0x00)));
    EXPECT_EQ(Hex(port.writes[1]), Hex(BulkFrame(store, 0, 112, 52, 0xE0)));
}

TEST_F(FrameSenderTest, BlockTwoIsOne237ByteFrameWithoutItsLastShelfQ)
{
    for (int slot = 0; slot < 165; ++slot)
        store.at(2, slot) = 1000 + 3 * slot;
    store.at(2, 114) = 0x5555;

    sender.TransferItem(2, TransferDirection::Download);

    EXPECT_EQ(port.events, Strings{"write 237"});
    ASSERT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(Hex(port.writes[0].first(8)), "F5 B1 EA B7 1E 0F 02 00");
    EXPECT_EQ(Hex(port.writes[0]), Hex(BulkFrame(store, 2, 0, 114, 0x00)));
}

TEST_F(FrameSenderTest, BlockTwentyNineIsFollowedByTheInputSelection)
{
    for (int slot = 0; slot < 10; ++slot)
        store.at(29, slot) = slot + 1;
    store.at(29, 0) = 0x10203;
    store.at(29, 10) = 0x4444;
    store.at(30, 20) = 0x0102;

    sender.TransferItem(29, TransferDirection::Download);

    EXPECT_EQ(Written(), (Strings{"F5 B1 1A B7 1E 0F 1D 00 03 02 02 00 03 00 04 00 05 00 06 00 07 "
                                  "00 08 00 09 00 0A 00 31",
                                  "F5 B1 06 B7 1E 14 02 01 E1"}));
}

// One frame per block of 2 × SlotCount + 9 bytes, block number first in the data.
TEST_F(FrameSenderTest, EveryDownloadStepWritesItsBlockInFramesOfTheBlocksSize)
{
    const std::vector<std::vector<int>> sizes = {
        {233, 113}, {129}, {237}, {237}, {105}, {99},  {149}, {149}, {149}, {149},
        {149},      {149}, {149}, {149}, {149}, {149}, {149}, {149}, {149}, {149},
        {149},      {149}, {149}, {149}, {105}, {61},  {61},  {61},  {83},  {29, 9}};
    for (int step = 0; step < 30; ++step) {
        SCOPED_TRACE(step);
        port.writes.clear();
        sender.TransferItem(step, TransferDirection::Download);
        std::vector<int> got;
        for (const QByteArray& w : port.writes)
            got.push_back(static_cast<int>(w.size()));
        EXPECT_EQ(got, sizes[static_cast<std::size_t>(step)]);
        ASSERT_FALSE(port.writes.empty());
        EXPECT_EQ(port.writes[0][6], static_cast<char>(step));
        EXPECT_EQ(port.writes[0][7], 0);
    }
}

} // namespace
} // namespace aec
