// The parameter table: one row per parameter, no two controls or names alike, and each row's
// range and text.
#include "core/ParameterTable.h"

#include <gtest/gtest.h>

#include <QSet>

namespace aec {
namespace {

const ParamRow& Named(const char* name)
{
    const ParamRow* row = RowNamed(QLatin1String(name));
    EXPECT_NE(row, nullptr) << name;
    static const ParamRow none;
    return row ? *row : none;
}

TEST(ParameterTable, EveryAddressControlAndKeyBelongsToOneRow)
{
    QSet<ParamAddress> addresses;
    QSet<QString> names;
    QSet<QString> keys;
    for (const ParamRow& row : ParameterRows()) {
        SCOPED_TRACE(row.key.toStdString());
        EXPECT_FALSE(addresses.contains(row.address)) << "address " << row.address << " twice";
        addresses.insert(row.address);
        // A band's Q edit serves its two Q slots; every other control one parameter.
        if (!row.name.isEmpty() && row.field != BandField::ShelfQ) {
            EXPECT_FALSE(names.contains(row.name)) << row.name.toStdString();
            names.insert(row.name);
        }
        const QString key = QString::number(row.block()) + QLatin1Char('/') + row.key;
        EXPECT_FALSE(keys.contains(key)) << key.toStdString();
        keys.insert(key);
        EXPECT_EQ(RowAt(row.address), &row);
        EXPECT_FALSE(row.key.isEmpty());
        EXPECT_LE(RowTop(row), KindTop(row.kind)) << "a row's range lies within its kind's";
        if (row.control != Control::None && row.control != Control::Band)
            EXPECT_FALSE(row.caption.english.isEmpty() && row.caption.chinese.isEmpty());
    }
}

// Every band of every page, five fields each, where the band slot rule puts them.
TEST(ParameterTable, BandColumnsCoverEveryFieldOfEveryBand)
{
    for (const BandFamily& family : BandFamilies()) {
        for (int band = 0; band < family.bands; ++band) {
            for (int f = 0; f < 5; ++f) {
                const auto field = static_cast<BandField>(f);
                const ParamRow* row =
                    RowAt(MakeAddress(family.viewBlock, BandSlot(family.viewBlock, band, field)));
                ASSERT_NE(row, nullptr) << family.prefix.toStdString() << band << ":" << f;
                EXPECT_EQ(row->control, Control::Band);
                EXPECT_EQ(row->band, band);
                EXPECT_EQ(row->field, field);
                EXPECT_TRUE(row->name.startsWith(family.prefix));
                EXPECT_TRUE(row->name.endsWith(QString::number(band + 1)));
            }
        }
    }
    EXPECT_EQ(RowAt(MakeAddress(2, 113))->name, QStringLiteral("MicQEdit20"));
    EXPECT_EQ(RowAt(MakeAddress(1, 24))->name, QStringLiteral("DEQGainEdit3"));
}

// An edit is held to the row's range; a stored value is shown within the kind's range, so a
// value the processor holds outside the control's range is shown as it is where the kind can.
TEST(ParameterTable, EditsKeepToTheRowsRangeAndStoredValuesShowWithinTheKinds)
{
    const ParamRow& repeat = Named("EchoRepeatBar");
    EXPECT_EQ(LimitToRow(repeat, 90), 90);
    EXPECT_EQ(LimitToRow(repeat, 91), 90);
    EXPECT_EQ(RowText(repeat, 95), QStringLiteral("95%"));
    EXPECT_EQ(RowText(repeat, 4321), QStringLiteral("100%"));

    const ParamRow& dynamicGain = Named("DEQGainEdit1");
    EXPECT_EQ(LimitToRow(dynamicGain, 60), 60);
    EXPECT_EQ(LimitToRow(dynamicGain, 59), 60) << "no deeper than -12 dB";
    EXPECT_EQ(LimitToRow(dynamicGain, -500), 60);
    EXPECT_EQ(RowText(dynamicGain, 0), QStringLiteral("-12.0dB"));
    EXPECT_EQ(LimitToRow(Named("MusGainEdit1"), 59), 59) << "music bands cut to -24 dB";

    const ParamRow& shelfQ = *RowAt(MakeAddress(0, BandSlot(0, 0, BandField::ShelfQ)));
    EXPECT_EQ(LimitToRow(shelfQ, 24), 24);
    EXPECT_EQ(LimitToRow(shelfQ, 25), 24) << "a shelf's Q stops at 1.60";
    EXPECT_EQ(RowText(shelfQ, 50), QStringLiteral("7.10"));
    EXPECT_EQ(LimitToRow(*RowAt(MakeAddress(0, BandSlot(0, 0, BandField::PeakQ))), 25), 25);

    const ParamRow& input = Named("SysInputBox");
    EXPECT_EQ(RowTop(input), 3);
    EXPECT_EQ(RowText(input, 2), QStringLiteral("IN2"));
    EXPECT_EQ(RowText(Named("DEQModeBox2"), 0), QStringLiteral("BYpass"));
    EXPECT_EQ(RowText(Named("MusModeBox2"), 0), QStringLiteral("BYPSS"));
}

// The subwoofer's music level reads doubled; the other mix levels do not double.
TEST(ParameterTable, OnlyTheMusicMixLevelDoublesOnTheSubwoofer)
{
    EXPECT_EQ(RowText(Named("MainMusLevelBar"), 150, true), QStringLiteral("300%"));
    EXPECT_TRUE(Named("MainMusLevelBar").doubledOnSub);
    for (const char* other : {"MainMicLevelBar", "MainEchoALevelBar", "MainRvbLevelBar"})
        EXPECT_FALSE(Named(other).doubledOnSub) << other;
}

} // namespace
} // namespace aec
