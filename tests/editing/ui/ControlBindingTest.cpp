// Binding the window's controls to their parameters: every parameter of the table has its
// controls, the Tags and Hints they carry, and the initial low-pass values.
#include "MainWindowFixture.h"

#include <QPlainTextEdit>

namespace aec {
namespace {

using ControlBinding = test::MainWindowFixture;

TEST_F(ControlBinding, BandControlsCarryTheAddressOfTheLastFieldTheyAreBoundTo)
{
    EXPECT_EQ(Tag(edit("MusFreEdit1")), 11);
    EXPECT_EQ(Tag(edit("MusGainEdit1")), 12);
    // The Q edit serves fields 3 and 4 and keeps field 4's address...
    EXPECT_EQ(Tag(edit("MusQEdit1")), 14);
    EXPECT_EQ(Tag(edit("HintQEdit5")), 6425);
    // ...except where field 4 of the last band lies at the end of the block.
    EXPECT_EQ(Tag(edit("MicQEdit20")), 625);
    EXPECT_EQ(Tag(edit("MainQEdit10")), 1605);
    EXPECT_EQ(Tag(edit("RvbQEdit7")), 1324);
    EXPECT_EQ(Tag(edit("EchoQEdit7")), 1071);
    // Companions: the gain slider and the Q spin buttons take their slot's address.
    EXPECT_EQ(Tag(slider("MusEQGainBar1")), 12);
    EXPECT_EQ(Tag(control("MusQUpDownBtn1")), 13);
    EXPECT_EQ(Tag(control("MusGain2UpDown")), 1);
    // Sliders and their panes.
    EXPECT_EQ(Tag(slider("MusPitchBar")), 3);
    EXPECT_EQ(Tag(pane("MusPitchPane")), 3);
    EXPECT_EQ(Tag(slider("SysMusMaxVolBar")), 7430);
}

TEST_F(ControlBinding, TypeLabelsOfABandCarryItsTypeSlotAndTheTypeTheyChoose)
{
    const char* const labels[] = {"MusBYBtn1", "MusPEQBtn1", "MusLSQBtn1", "MusHSQBtn1"};
    const char* const hints[] = {"0", "1", "2", "3"};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(labels[k]);
        EXPECT_EQ(Tag(control(labels[k])), 10);
        EXPECT_EQ(Hint(control(labels[k])), QLatin1String(hints[k]));
    }
    EXPECT_EQ(Tag(control("MicHSQBtn2")), 2 * 256 + 20);
    EXPECT_EQ(Hint(control("MicHSQBtn2")), QStringLiteral("3"));
}

// The window is built from the parameter table: every control a row names is on it.
TEST_F(ControlBinding, EveryParameterOfTheTableHasItsControlsOnTheWindow)
{
    QStringList missing;
    for (const ParamRow& row : ParameterRows())
        for (const QString& name : {row.name, row.pane, row.label, row.spin, row.second})
            if (!name.isEmpty() && !window.findChild<QWidget*>(name))
                missing << name;
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char(' ')).toStdString();
}

TEST_F(ControlBinding, DiagnosticMemoKeepsNoMoreLinesThanTheLog)
{
    DiagnosticLog log(20);
    TForm1 logged(model, texts, language, &log);
    auto* memo = logged.findChild<QPlainTextEdit*>(QStringLiteral("Memo2"));
    ASSERT_NE(memo, nullptr);
    for (int i = 0; i < 500; ++i)
        log.append(QStringLiteral("line %1").arg(i));
    EXPECT_EQ(memo->document()->blockCount(), 20);
    EXPECT_TRUE(memo->toPlainText().endsWith(QStringLiteral("line 499")));
    log.clear();
    EXPECT_TRUE(memo->toPlainText().isEmpty());
}

TEST_F(ControlBinding, BindingStartsWithTheFirstMusicFrequencyAsCurrentEdit)
{
    EXPECT_EQ(currentEdit(), edit("MusFreEdit1"));
    EXPECT_FALSE(wing().focus().wheelArmed());
}

TEST_F(ControlBinding, BindingSetsOnlyTheLowPassFrequenciesTo360)
{
    const auto lowPass = [](int block, int slot) {
        if (block == 0)
            return slot == 7;
        if (block == 2 || block == 3 || block == 4 || block == 24)
            return slot == 12;
        if (block == 5)
            return slot == 9;
        if (block >= 6 && block <= 23)
            return slot == 19;
        return false;
    };
    for (int block = 0; block < BlockCount; ++block)
        for (int slot = 0; slot < RowLength; ++slot)
            ASSERT_EQ(model.store.at(block, slot), lowPass(block, slot) ? 360 : 0)
                << "block " << block << " slot " << slot;
}

} // namespace
} // namespace aec
