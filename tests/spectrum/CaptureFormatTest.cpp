// The capture's buffers and formats: whole buffers out of reads of any size, the trigger, the
// stereo split, the wave format record and the WAV file's header and sizes.
#include "spectrum/CaptureBlocks.h"
#include "spectrum/WaveFormat.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QtEndian>

#include <vector>

namespace aec {
namespace {

quint32 U32(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 U16(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

TEST(CaptureBlocks, ReadsOfAnySizeComeOutAsWholeBuffersInOrder)
{
    CaptureBlocks blocks(1024);
    std::vector<QByteArray> delivered;
    const auto keep = [&](char* data, int size) { delivered.emplace_back(data, size); };
    QByteArray stream;
    for (int i = 0; i < 3 * 1023; ++i)
        stream.append(char(i % 251));
    for (int read = 0; read < 3; ++read)
        blocks.feed(stream.constData() + read * 1023, 1023, keep);
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[0], stream.mid(0, 1024));
    EXPECT_EQ(delivered[1], stream.mid(1024, 1024));
    EXPECT_EQ(blocks.pending(), 3 * 1023 - 2048);

    // One large read completes several buffers at once.
    delivered.clear();
    blocks.reset(100);
    blocks.feed(stream.constData(), 350, keep);
    ASSERT_EQ(delivered.size(), 3u);
    EXPECT_EQ(delivered[2], stream.mid(200, 100));
    blocks.feed(stream.constData(), 0, keep);
    EXPECT_EQ(delivered.size(), 3u);
}

TEST(CaptureTrigger, EightBitSamplesCountAsUnsignedBytes)
{
    const char quiet[] = {char(10), char(199), char(128)};
    EXPECT_FALSE(TriggerReached(quiet, 3, 8, 200));
    const char loud[] = {char(10), char(200)};
    EXPECT_TRUE(TriggerReached(loud, 2, 8, 200));
    // The default level of 0 triggers on the first non-empty buffer.
    EXPECT_TRUE(TriggerReached(quiet, 1, 8, 0));
    EXPECT_FALSE(TriggerReached(quiet, 0, 8, 0));
}

TEST(CaptureTrigger, SixteenBitSamplesCountAsSignedLittleEndianWords)
{
    // -300 and 1000 as little-endian words
    const char words[] = {char(0xD4), char(0xFE), char(0xE8), char(0x03)};
    EXPECT_TRUE(TriggerReached(words, 4, 16, 1000));
    EXPECT_FALSE(TriggerReached(words, 4, 16, 1001));
    EXPECT_FALSE(TriggerReached(words, 2, 16, -299));
    EXPECT_TRUE(TriggerReached(words, 2, 16, -300));
}

TEST(CaptureSplit, StereoFramesSplitIntoLeftAndRightHalves)
{
    const char bytes[] = {1, 2, 3, 4, 5, 6};
    char left[3] = {}, right[3] = {};
    EXPECT_EQ(SplitStereo(bytes, 6, 1, left, right), 3);
    EXPECT_EQ(QByteArray(left, 3), QByteArray("\x01\x03\x05"));
    EXPECT_EQ(QByteArray(right, 3), QByteArray("\x02\x04\x06"));

    const char words[] = {1, 2, 3, 4, 5, 6, 7, 8};
    char l16[4] = {}, r16[4] = {};
    EXPECT_EQ(SplitStereo(words, 8, 2, l16, r16), 4);
    EXPECT_EQ(QByteArray(l16, 4), QByteArray("\x01\x02\x05\x06"));
    EXPECT_EQ(QByteArray(r16, 4), QByteArray("\x03\x04\x07\x08"));
}

TEST(WaveFormat, BlockAlignmentAndByteRateFollowChannelsAndBits)
{
    const WaveFormat mono = WaveFormat::Pcm(1, 48000, 8);
    EXPECT_EQ(mono.formatTag, 1);
    EXPECT_EQ(mono.blockAlign, 1);
    EXPECT_EQ(mono.avgBytesPerSec, 48000u);
    EXPECT_EQ(mono.extraSize, 0);
    const WaveFormat stereo = WaveFormat::Pcm(2, 44100, 16);
    EXPECT_EQ(stereo.blockAlign, 4);
    EXPECT_EQ(stereo.avgBytesPerSec, 176400u);
    EXPECT_EQ(stereo.bitsPerSample, 16);
}

TEST(WavFile, HeaderIsTheFortyFourByteRiffLayout)
{
    const QByteArray h = WavHeader(WaveFormat::Pcm(1, 48000, 8));
    ASSERT_EQ(h.size(), 44);
    EXPECT_EQ(h.mid(0, 4), QByteArray("RIFF"));
    EXPECT_EQ(h.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(U32(h, 16), 16u);
    EXPECT_EQ(U16(h, 20), 1); // PCM
    EXPECT_EQ(U16(h, 22), 1); // channels
    EXPECT_EQ(U32(h, 24), 48000u);
    EXPECT_EQ(U32(h, 28), 48000u); // bytes per second
    EXPECT_EQ(U16(h, 32), 1);      // block alignment
    EXPECT_EQ(U16(h, 34), 8);
    EXPECT_EQ(h.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(U32(h, 4), 0u);
    EXPECT_EQ(U32(h, 40), 0u);
}

TEST(WavFile, FinishingWritesRiffAndDataSizesAndKeepsTheSamples)
{
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    file.write(WavHeader(WaveFormat::Pcm(2, 48000, 16)));
    const QByteArray samples(1000, char(0x5A));
    file.write(samples);
    ASSERT_TRUE(WriteWavSizes(file));
    EXPECT_EQ(file.pos(), 1044);
    const QByteArray& bytes = file.data();
    ASSERT_EQ(bytes.size(), 1044);
    EXPECT_EQ(U32(bytes, 4), 1036u);
    EXPECT_EQ(U32(bytes, 40), 1000u);
    EXPECT_EQ(bytes.mid(44), samples);
    EXPECT_EQ(U16(bytes, 22), 2);
}

TEST(WavFile, FileShorterThanItsHeaderIsNotTouched)
{
    QBuffer file;
    file.open(QIODevice::ReadWrite);
    file.write("RIFF");
    EXPECT_FALSE(WriteWavSizes(file));
    EXPECT_EQ(file.data(), QByteArray("RIFF"));
}

} // namespace
} // namespace aec
