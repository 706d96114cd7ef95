// Editing a band through its column: selecting an edit, typing, keys, spin buttons, the wheel,
// and bringing the selected band into view.
#include "MainWindowFixture.h"
#include "support/RecordingFiles.h"
#include "support/RecordingMessages.h"

#include <QFile>
#include <QTemporaryDir>

namespace aec {
namespace {

class BandColumnEditing : public test::MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        startAsFirstShown();
    }
};

TEST_F(BandColumnEditing, SelectingABandScrollsItsColumnIntoView)
{
    ParamSlider* columns = slider("MusPanScrollBar");
    ASSERT_EQ(columns->value(), 0);
    test::PressMouse(edit("MusFreEdit13"));
    EXPECT_EQ(columns->value(), 4);
    test::PressMouse(edit("MusFreEdit3"));
    EXPECT_EQ(columns->value(), 2);
    test::PressMouse(edit("MusQEdit5"));
    EXPECT_EQ(columns->value(), 2) << "a band already in view does not scroll";
    EXPECT_EQ(wing().highlight().selectedBand(0), 4);

    chooseTab("FormMICATabBtn");
    test::PressMouse(edit("MicGainEdit20"));
    EXPECT_EQ(slider("MicPanScrollBar")->value(), 12);

    chooseTab("FormMAINTabBtn");
    test::PressMouse(edit("MainFreEdit10"));
    EXPECT_EQ(slider("MainPanScrollBar")->value(), 5);
    test::PressMouse(edit("MainFreEdit2"));
    EXPECT_EQ(slider("MainPanScrollBar")->value(), 1);
}

TEST_F(BandColumnEditing, MovingASliderWithAPaneLeavesNoBandEditForTheWheel)
{
    test::PressMouse(edit("MusFreEdit1"));
    test::TurnWheel(&window, 120);
    ASSERT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20.9Hz")) << "the wheel steps the edit";

    const char* const sliders[] = {"MusPitchBar", "MusHPFREBar",   "MicRmsLevelBar", "EchoTimeBar",
                                   "RvbTimeBar",  "MainLdelayBar", "DEQRmsLevelBar1"};
    for (const char* name : sliders) {
        SCOPED_TRACE(name);
        test::PressMouse(edit("MusFreEdit1"));
        ASSERT_EQ(currentEdit(), edit("MusFreEdit1"));
        slider(name)->setValue(slider(name)->value() + 1);
        EXPECT_EQ(currentEdit(), nullptr);
        test::TurnWheel(&window, 120);
        EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20.9Hz"));
        EXPECT_EQ(model.store.at(0, 11), 3);
    }
}

TEST_F(BandColumnEditing, ChoosingATabDisarmsTheWheel)
{
    test::PressMouse(edit("MusGainEdit1"));
    test::TurnWheel(&window, -120);
    ASSERT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-0.2dB"));
    chooseTab("FormMusTabBtn");
    test::TurnWheel(&window, -120);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-0.2dB"));
    EXPECT_EQ(model.store.at(0, 12), 119);
}

TEST_F(BandColumnEditing, TypedNumbersAreAppliedOnEnterAsTheNearestStep)
{
    typeInto("MusFreEdit2", QStringLiteral("10x10"));
    EXPECT_EQ(edit("MusFreEdit2")->text(), QStringLiteral("1000Hz"));
    EXPECT_EQ(model.store.at(0, 16), 204);
    EXPECT_EQ(recorder.sent.back().address, 16);
    EXPECT_EQ(recorder.sent.back().value, 204);

    typeInto("MusQEdit2", QStringLiteral("1.05"));
    EXPECT_EQ(edit("MusQEdit2")->text(), QStringLiteral("1.06"));
    EXPECT_EQ(model.store.at(0, 18), 17);

    typeInto("MicGainEdit4", QStringLiteral("-23.5"));
    EXPECT_EQ(edit("MicGainEdit4")->text(), QStringLiteral("-23.6dB"));
    EXPECT_EQ(model.store.at(2, 32), 2);
}

TEST_F(BandColumnEditing, ATextWithoutDigitsPutsThePreviousTextBack)
{
    ParamEdit* frequency = edit("MusFreEdit1");
    typeInto("MusFreEdit1", QStringLiteral("-"));
    EXPECT_EQ(frequency->text(), QStringLiteral("20.5Hz"));

    test::PressMouse(frequency);
    frequency->selectAll();
    test::PressKey(frequency, Qt::Key_Backspace);
    ASSERT_TRUE(frequency->text().isEmpty());
    test::PressKey(frequency, Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(frequency->text(), QStringLiteral("20.5Hz"));
    EXPECT_EQ(model.store.at(0, 11), 2);
}

TEST_F(BandColumnEditing, ArrowKeysMoveABandInFrequencyAndGain)
{
    test::PressMouse(edit("MusFreEdit1"));
    test::PressKey(edit("MusFreEdit1"), Qt::Key_Up);
    EXPECT_EQ(currentEdit(), edit("MusGainEdit1"));
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("0.2dB"));
    EXPECT_EQ(model.store.at(0, 12), 121);
    EXPECT_EQ(slider("MusEQGainBar1")->value(), 121);
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20.5Hz"));

    test::PressKey(edit("MusGainEdit1"), Qt::Key_Right);
    EXPECT_EQ(currentEdit(), edit("MusFreEdit1"));
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20.9Hz"));
    EXPECT_EQ(model.store.at(0, 11), 3);

    test::PressKey(edit("MusFreEdit1"), Qt::Key_Down);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("0.0dB"));
    test::PressKey(edit("MusGainEdit1"), Qt::Key_Down);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-0.2dB"));
    test::PressKey(edit("MusGainEdit1"), Qt::Key_Left);
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20.5Hz"));
}

TEST_F(BandColumnEditing, SpinButtonsStepTheirEdit)
{
    clickSpin("MusQUpDownBtn1", true);
    EXPECT_EQ(currentEdit(), edit("MusQEdit1"));
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("1.06"));
    EXPECT_EQ(model.store.at(0, 13), 17);
    clickSpin("MusQUpDownBtn1", false);
    clickSpin("MusQUpDownBtn1", false);
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("0.94"));
    EXPECT_EQ(model.store.at(0, 13), 15);

    ASSERT_EQ(edit("MusGain1Edit")->text(), QStringLiteral("-10.0dB"));
    clickSpin("MusGain1UpDown", true);
    EXPECT_EQ(edit("MusGain1Edit")->text(), QStringLiteral("-9.5dB"));
    EXPECT_EQ(model.store.at(0, 0), 1);
    clickSpin("MusGain1UpDown", false);
    clickSpin("MusGain1UpDown", false);
    EXPECT_EQ(edit("MusGain1Edit")->text(), QStringLiteral("-10.0dB"));
    EXPECT_EQ(model.store.at(0, 0), 0);
}

TEST_F(BandColumnEditing, TypeLabelsChooseTheBandTypeOfTheirColumn)
{
    test::PressMouse(control("MicLSQBtn3"));
    EXPECT_EQ(control<ParamCombo>("MicModeBox3")->currentIndex(), 2);
    EXPECT_EQ(model.store.at(2, 25), 2);
    EXPECT_EQ(currentEdit(), edit("MicQEdit3"));
    EXPECT_EQ(edit("MicQEdit3")->text(), QStringLiteral("0.71"));
    test::PressMouse(control("MicBYBtn3"));
    EXPECT_EQ(model.store.at(2, 25), 0);
    EXPECT_EQ(edit("MicQEdit3")->text(), QStringLiteral("1.00"));
}

// "Import EQ..." and "Export EQ..." act on the page, side and scene shown.
class EqFiles : public BandColumnEditing
{
protected:
    void SetUp() override
    {
        BandColumnEditing::SetUp();
        window.setMessages(&messages);
        window.setFileChooser(&files);
    }
    QString write(const char* name, const QByteArray& text)
    {
        QFile file(dir.filePath(QLatin1String(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return file.fileName();
    }
    void click(const char* button) { control<QAbstractButton>(button)->click(); }

    test::RecordingMessages messages;
    test::RecordingFiles files;
    QTemporaryDir dir;
};

TEST_F(EqFiles, ImportedFiltersBecomeThePersonsEditsOfTheShownBands)
{
    chooseTab("FormMICBTabBtn");
    files.openAnswer = write("room.txt", "Preamp: -2 dB\r\n"
                                         "Filter 1: ON PK Fc 28.55 Hz Gain -4.3 dB Q 4.914\r\n"
                                         "Filter 2: ON HSC Fc 12 kHz Gain 2.4 dB Q 0.9\r\n");
    click("EQImportBtn");
    EXPECT_EQ(edit("MicFreEdit1")->text(), QStringLiteral("28.4Hz"));
    EXPECT_EQ(edit("MicGainEdit1")->text(), QStringLiteral("-4.4dB"));
    EXPECT_EQ(edit("MicQEdit2")->text(), QStringLiteral("0.89")) << "a shelf shows its own Q";
    EXPECT_EQ(model.store.at(3, BandSlot(3, 1, BandField::Type)), 3);
    // Every field of the twenty bands of microphone B goes to the processor; nothing else.
    EXPECT_EQ(recorder.countInBlock(Block::MicB), 100);
    EXPECT_EQ(recorder.sent.size(), 100u);
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_TRUE(messages.shown.last().english.contains("2 filters on the 20 bands of micB"));
    EXPECT_TRUE(messages.shown.last().english.contains("preamp -2.0 dB not applied"));

    files.saveAnswer = dir.filePath("out.txt");
    click("EQExportBtn");
    EXPECT_EQ(files.suggested.last(), QStringLiteral("micB.txt"));
    QFile out(files.saveAnswer);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray text = out.readAll();
    EXPECT_TRUE(text.contains("Filter  1: ON  PK   Fc    28.4 Hz  Gain  -4.4 dB  Q   5.00\r\n"));
    EXPECT_TRUE(text.contains("Filter  2: ON  HSC  Fc   12000 Hz  Gain   2.4 dB  Q   0.89\r\n"));
    EXPECT_EQ(text.count("\r\nFilter "), 20) << "a line for every band";
}

TEST_F(EqFiles, ARefusedOrCancelledImportChangesNothing)
{
    const ParamStore before = model.store;
    files.openAnswer = write("hp.txt", "Filter 1: ON PK Fc 100 Hz Gain 1 dB Q 1\n"
                                       "Filter 2: ON HP Fc 80 Hz Q 0.7\n");
    click("EQImportBtn");
    EXPECT_EQ(model.store, before);
    EXPECT_TRUE(recorder.sent.empty());
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_TRUE(messages.shown.last().english.contains("line 2: HP"));

    files.openAnswer.clear();
    click("EQImportBtn");
    EXPECT_EQ(model.store, before);
    EXPECT_EQ(messages.shown.size(), 1);
}

} // namespace
} // namespace aec
