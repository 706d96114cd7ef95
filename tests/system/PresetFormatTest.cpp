#include "system/PresetFormat.h"
#include "core/BlockLayout.h"

#include <gtest/gtest.h>

#include <random>

namespace aec {
namespace {

using namespace PresetFormat;

// A file's lines, unscrambled.
QStringList PlainLines(const QByteArray& file)
{
    QStringList lines;
    for (QByteArray line : file.split('\n')) {
        if (line.isEmpty())
            continue;
        EXPECT_TRUE(line.endsWith('\r')) << "every line ends in CR LF";
        line.chop(1);
        QByteArray plain;
        EXPECT_TRUE(UnscrambleLine(QString::fromLatin1(line), &plain));
        lines << QString::fromLatin1(plain);
    }
    return lines;
}

QByteArray FileOf(const QStringList& plainLines)
{
    QByteArray file;
    for (const QString& line : plainLines)
        file += ScrambleLine(line.toLatin1()).toLatin1() + "\r\n";
    return file;
}

// A file carrying one parameter, with a right line count and checksum.
QByteArray OneValueFile(int address, std::int32_t value)
{
    return FileOf({QStringLiteral("R3 %1").arg(0xB1 ^ HeaderMask),
                   QStringLiteral("Tovik %1").arg(0x01 ^ HeaderMask),
                   QStringLiteral("%1 %2").arg(address ^ 2).arg(value ^ 2),
                   QStringLiteral("Intoal: 3"),
                   QStringLiteral("CCCCK: %1").arg(PresetChecksum(value))});
}

TEST(PresetFormat, LinesAreScrambledWithTheKeyRestartingOnEveryLine)
{
    // "R3 " XOR 6E 1D C4 gives 3C 2E E4.
    EXPECT_EQ(ScrambleLine("R3 "), QStringLiteral("3C2EE4"));
    // The ninth byte uses the first key byte again.
    EXPECT_EQ(ScrambleLine("AAAAAAAAA").right(2), QStringLiteral("2F"));
    EXPECT_EQ(ScrambleLine(""), QString());
    QByteArray plain;
    ASSERT_TRUE(UnscrambleLine(QStringLiteral("3c2ee4"), &plain)) << "lower case reads too";
    EXPECT_EQ(plain, QByteArray("R3 "));
    ASSERT_TRUE(UnscrambleLine(QStringLiteral("3C2EE4F"), &plain)) << "a last odd digit is ignored";
    EXPECT_EQ(plain, QByteArray("R3 "));
    EXPECT_FALSE(UnscrambleLine(QStringLiteral("3C2G"), &plain));
    EXPECT_FALSE(UnscrambleLine(QStringLiteral("3C+E"), &plain));
}

TEST(PresetFormat, FieldsAndExtensions)
{
    EXPECT_EQ(SplitFields(QStringLiteral("a b")), (QStringList{"a", "b"}));
    EXPECT_EQ(SplitFields(QStringLiteral("a  b")), (QStringList{"a", "", "b"}));
    EXPECT_EQ(SplitFields(QStringLiteral("ab")), (QStringList{"ab"}));
    EXPECT_EQ(StripPresetExtension(QStringLiteral("Bar.Nddt")), QStringLiteral("Bar"));
    EXPECT_EQ(StripPresetExtension(QStringLiteral("x.Nddt.bak")), QStringLiteral("x.Nddt.bak"));
    EXPECT_EQ(StripPresetExtension(QStringLiteral("Room 2")), QStringLiteral("Room 2"));
    EXPECT_EQ(StripPresetExtension(QStringLiteral(".Nddt")), QString());
}

TEST(PresetFormat, ChecksumOfTheSum)
{
    EXPECT_EQ(PresetChecksum(0), 0);
    EXPECT_EQ(PresetChecksum(300), 212);
    EXPECT_EQ(PresetChecksum(-5), -251);
    for (int s : {1, 255, 256, 4000, 65535})
        EXPECT_EQ(PresetChecksum(s), (256 - s % 256) % 256) << s;
}

TEST(PresetFormat, AnEmptyStoreGivesEighteenHundredEightyThreeLines)
{
    ParamStore store;
    const QStringList lines = PlainLines(Encode(store));
    ASSERT_EQ(lines.size(), 1883);
    EXPECT_EQ(lines[0], QStringLiteral("R3 %1").arg(0xB1 ^ HeaderMask));
    EXPECT_EQ(lines[1], QStringLiteral("Tovik %1").arg(0x01 ^ HeaderMask));
    EXPECT_EQ(lines[2], QStringLiteral("2 2")) << "address 0 XOR 2, value 0 XOR 2";
    EXPECT_EQ(lines[1880], QStringLiteral("%1 %2").arg(7700 ^ 1880).arg(1880));
    EXPECT_EQ(lines[1881], QStringLiteral("Intoal: 1881"));
    EXPECT_EQ(lines[1882], QStringLiteral("CCCCK: 0"));
}

TEST(PresetFormat, ParameterLinesCarryAddressAndValueXorTheirLineNumber)
{
    ParamStore store;
    store.at(0, 0) = 5;
    store.at(0, 164) = 9; // SlotCount itself is written too
    store.at(1, 0) = -3;
    const QStringList lines = PlainLines(Encode(store));
    EXPECT_EQ(lines[2], QStringLiteral("2 7"));
    EXPECT_EQ(lines[2 + 164], QStringLiteral("%1 %2").arg(164 ^ 166).arg(9 ^ 166));
    // Block 1 starts after the 165 lines of block 0.
    EXPECT_EQ(lines[167], QStringLiteral("%1 %2").arg(256 ^ 167).arg(-3 ^ 167));
}

TEST(PresetFormat, RoundTripRestoresEveryStoredValue)
{
    ParamStore store;
    std::mt19937 random(4);
    for (int block = 0; block <= 24; ++block)
        for (int slot = 0; slot <= SlotCount[block]; ++slot)
            store.at(block, slot) = int(random() % 65536);
    store.at(30, 20) = 3;
    store.at(25, 3) = 777; // not in a preset
    const DecodeResult decoded = Decode(Encode(store));
    ASSERT_EQ(decoded.error, DecodeError::None) << decoded.detail.toStdString();
    ParamStore loaded;
    Apply(decoded.values, loaded);
    for (int block = 0; block <= 24; ++block)
        for (int slot = 0; slot <= SlotCount[block]; ++slot)
            ASSERT_EQ(loaded.at(block, slot), store.at(block, slot)) << block << ":" << slot;
    EXPECT_EQ(loaded.at(30, 20), 3);
    EXPECT_EQ(loaded.at(25, 3), 0);
}

TEST(PresetFormat, FourLineFilePassesAndCarriesNothing)
{
    const QStringList lines = {QStringLiteral("R3 %1").arg(0xB1 ^ HeaderMask),
                               QStringLiteral("Tovik %1").arg(0x01 ^ HeaderMask),
                               QStringLiteral("Intoal: 2"), QStringLiteral("CCCCK: 0")};
    const DecodeResult decoded = Decode(FileOf(lines));
    EXPECT_EQ(decoded.error, DecodeError::None);
    EXPECT_TRUE(decoded.values.empty());
}

TEST(PresetFormat, HeaderWordsAreNotComparedOnlyTheirNumbers)
{
    QStringList lines = PlainLines(Encode(ParamStore{}));
    lines[0] = QStringLiteral("XX %1").arg(0xB1 ^ HeaderMask);
    EXPECT_EQ(Decode(FileOf(lines)).error, DecodeError::None);
    lines[1] = QStringLiteral("Tovik %1").arg(0x02 ^ HeaderMask);
    EXPECT_EQ(Decode(FileOf(lines)).error, DecodeError::Format);
}

TEST(PresetFormat, OnlyAddressesASaveWritesAreAccepted)
{
    // Slots run up to and including the block's slot count: 164 in block 0, 60 in block 1, 70
    // in block 6, 48 in block 24; then the input selection 7700.
    for (int address : {0, 164, 256 + 60, 6 * 256 + 70, 24 * 256 + 48, 7700})
        EXPECT_EQ(Decode(OneValueFile(address, 1)).error, DecodeError::None) << address;
    // 7688 is manager mode; block 25 and up, and the system block, are never in a preset.
    for (int address :
         {256 + 61, 6 * 256 + 71, 24 * 256 + 49, 25 * 256, 29 * 256 + 3, 7688, 7699, 7701}) {
        const DecodeResult decoded = Decode(OneValueFile(address, 1));
        EXPECT_EQ(decoded.error, DecodeError::Corrupted) << address;
        EXPECT_TRUE(decoded.values.empty()) << address;
    }
}

// Every damaged file is refused as a whole, whatever the damage.
TEST(PresetFormat, DamagedFilesAreRefusedWithTheirMessage)
{
    ParamStore store;
    store.at(2, 5) = 1234;
    const QStringList good = PlainLines(Encode(store));
    const auto withLine = [&](int i, const QString& text) {
        QStringList lines = good;
        lines[i] = text;
        return FileOf(lines);
    };
    const struct
    {
        const char* what;
        QByteArray file;
        DecodeError error;
    } cases[] = {
        {"wrong R3 number", withLine(0, QStringLiteral("R3 0")), DecodeError::Format},
        {"header without number", withLine(0, QStringLiteral("R3")), DecodeError::Format},
        {"scrambled header not hex", FileOf(good).replace(0, 2, "ZZ"), DecodeError::Format},
        {"wrong line count", withLine(1881, QStringLiteral("Intoal: 1880")),
         DecodeError::Corrupted},
        {"wrong checksum", withLine(1882, QStringLiteral("CCCCK: 17")), DecodeError::Corrupted},
        {"line without a second field", withLine(10, QStringLiteral("10")), DecodeError::Corrupted},
        {"number that does not parse", withLine(10, QStringLiteral("10 x")),
         DecodeError::Corrupted},
        {"address outside the store",
         withLine(10, QStringLiteral("%1 %2").arg((31 * 256) ^ 10).arg(10)),
         DecodeError::Corrupted},
        {"negative address", withLine(10, QStringLiteral("%1 %2").arg(-1 ^ 10).arg(10)),
         DecodeError::Corrupted},
        {"slot past the row", withLine(10, QStringLiteral("%1 %2").arg(200 ^ 10).arg(10)),
         DecodeError::Corrupted},
        {"extra empty line at the end", FileOf(good) + "\r\n", DecodeError::Corrupted},
        {"empty file", QByteArray(), DecodeError::Format},
        {"value changed", withLine(400, QStringLiteral("%1 %2").arg(0).arg(1)),
         DecodeError::Corrupted},
    };
    for (const auto& c : cases) {
        const DecodeResult decoded = Decode(c.file);
        EXPECT_EQ(decoded.error, c.error) << c.what;
        EXPECT_TRUE(decoded.values.empty()) << c.what;
    }
}

} // namespace
} // namespace aec
