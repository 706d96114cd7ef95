// Processor addresses as people read them: stable keys, names in both languages, value texts.
#include "core/ParameterNames.h"

#include <gtest/gtest.h>

#include <QSet>

namespace aec {
namespace {

QString KeyOf(int block, int slot)
{
    const auto p = DescribeDeviceAddress(MakeAddress(block, slot));
    return p ? p->key : QStringLiteral("<none>");
}

TEST(ParameterNames, EveryAddressHasOneKeyThatLeadsBackToIt)
{
    QSet<QString> keys;
    for (int block = 0; block < BlockCount; ++block) {
        for (int slot = 0; slot < RowLength; ++slot) {
            const ParamAddress address = MakeAddress(block, slot);
            const auto p = DescribeDeviceAddress(address);
            ASSERT_TRUE(p.has_value()) << block << ":" << slot;
            EXPECT_FALSE(keys.contains(p->key)) << p->key.toStdString();
            keys.insert(p->key);
            EXPECT_EQ(DeviceAddressOfKey(p->key), std::optional<ParamAddress>(address))
                << p->key.toStdString();
        }
    }
    EXPECT_FALSE(DescribeDeviceAddress(MakeAddress(31, 0)).has_value());
    EXPECT_FALSE(DeviceAddressOfKey(QStringLiteral("music.eq.16.gain")).has_value());
}

TEST(ParameterNames, KeysNameInstanceSectionAndParameter)
{
    EXPECT_EQ(KeyOf(0, 32), QStringLiteral("music.eq.5.gain"));
    EXPECT_EQ(KeyOf(0, 32 + 75), QStringLiteral("music.right.eq.5.gain"));
    EXPECT_EQ(KeyOf(3, 3), QStringLiteral("micB.gate.attack"));
    EXPECT_EQ(KeyOf(10, 15), QStringLiteral("main.right.disco.limiter.ratio"));
    EXPECT_EQ(KeyOf(23, 0), QStringLiteral("sub.decode.music.level"));
    EXPECT_EQ(KeyOf(24, 6), QStringLiteral("echoB.repeat"));
    EXPECT_EQ(KeyOf(1, 4), QStringLiteral("dynamicEq.band.1.gain"));
    EXPECT_EQ(KeyOf(1, 34), QStringLiteral("dynamicEq.bank2.band.1.gain"));
    EXPECT_EQ(KeyOf(27, 3), QStringLiteral("hiddenMicB.eq.1.gain"));
    EXPECT_EQ(KeyOf(28, 5), QStringLiteral("block28.slot5"));
    EXPECT_EQ(KeyOf(30, 20), QStringLiteral("system.music.input"));

    const auto gain = DescribeDeviceAddress(MakeAddress(3, BandSlot(3, 2, BandField::Gain)));
    ASSERT_TRUE(gain.has_value());
    EXPECT_EQ(gain->name(false), QStringLiteral("MIC B EQ band 3 gain"));
    EXPECT_EQ(gain->name(false, QStringLiteral(", ")), QStringLiteral("MIC B, EQ band 3, gain"));
    EXPECT_EQ(gain->name(true), QStringLiteral("麦克B 均衡第3段 增益"));
}

TEST(ParameterNames, ValuesReadInTheirUnitAndTheSubwooferMusicLevelDoubles)
{
    EXPECT_EQ(DeviceValueText(MakeAddress(0, 32), 130), QStringLiteral("2.0dB"));
    EXPECT_EQ(DeviceValueText(MakeAddress(0, 31), 204), QStringLiteral("1000Hz"));
    EXPECT_EQ(DeviceValueText(MakeAddress(22, 0), 150), QStringLiteral("300%"));
    EXPECT_EQ(DeviceValueText(MakeAddress(6, 0), 150), QStringLiteral("150%"));
    EXPECT_EQ(DeviceValueText(MakeAddress(28, 5), 77), QStringLiteral("77"));
}

} // namespace
} // namespace aec
