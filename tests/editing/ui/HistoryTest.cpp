// Undo and redo in the window: steps as the person makes them, the undo keys from anywhere,
// the modified mark and the A/B sets with their ghost curve.
#include "MainWindowFixture.h"

#include "app/SettingsSource.h"
#include "chart/ui/CurveDrawer.h"
#include "editing/EditHistory.h"

#include <QLabel>
#include <QTest>

namespace aec::test {
namespace {

class WindowHistory : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        startAsFirstShown();
        window.show();
        QApplication::setActiveWindow(&window);
    }
    EditHistory& history() { return wing().history(); }
    QToolButton* strip(const char* name) { return control<QToolButton>(name); }
    void key(int key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
        history().flush();
    }
};

TEST_F(WindowHistory, TheUndoKeysTakeBackTypedValuesEvenFromAValueEdit)
{
    const QString flat = edit("MusGainEdit3")->text();
    typeInto("MusGainEdit3", QStringLiteral("4.5"));
    typeInto("MusGainEdit3", QStringLiteral("-3"));
    history().flush();
    ASSERT_TRUE(edit("MusGainEdit3")->hasFocus());
    EXPECT_EQ(history().stack().count(), 1) << "two typed values a moment apart are one series";
    EXPECT_TRUE(strip("UndoBtn")->toolTip().contains(QStringLiteral("Music EQ band 3 gain")));
    EXPECT_TRUE(window.isWindowModified());

    recorder.sent.clear();
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit("MusGainEdit3")->text(), flat) << "the window's undo, not the edit's";
    EXPECT_EQ(recorder.sent.size(), 1u) << "sent like an edit";
    EXPECT_FALSE(window.isWindowModified()) << "back to the state shown first";
    EXPECT_FALSE(strip("UndoBtn")->isEnabled());

    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(edit("MusGainEdit3")->text(), QStringLiteral("-3.0dB"));
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(edit("MusGainEdit3")->text(), QStringLiteral("-3.0dB"));
    EXPECT_TRUE(window.isWindowModified());
}

TEST_F(WindowHistory, ASliderHeldFromPressToReleaseIsOneStep)
{
    qint64 now = 0;
    history().setClock([&now] { return now += 2 * EditHistory::MergeWindowMs; }); // slowly
    ParamSlider* pitch = slider("MusPitchBar");
    pitch->setSliderDown(true);
    for (int position = 1; position <= 5; ++position) {
        pitch->setValue(position);
        QApplication::processEvents();
    }
    pitch->setSliderDown(false);
    history().flush();
    EXPECT_EQ(history().stack().count(), 1);
    pitch->setValue(6); // a key or wheel step: a step of its own
    history().flush();
    EXPECT_EQ(history().stack().count(), 2);
    history().undo();
    history().undo();
    EXPECT_EQ(pitch->value(), 0);
}

TEST_F(WindowHistory, AnEqResetIsUndoneInOneStepAndRedoneAgain)
{
    typeInto("MusGainEdit1", QStringLiteral("6"));
    typeInto("MusFreEdit2", QStringLiteral("1000"));
    history().flush();
    const ParamStore edited = model.store;
    const int before = history().stack().count();

    control<QAbstractButton>("EQResetBtn")->click();
    EXPECT_EQ(history().stack().count(), before + 1);
    EXPECT_EQ(history().undoText().english, QStringLiteral("EQ reset: Music"));
    history().undo();
    EXPECT_EQ(model.store, edited);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("6.0dB")) << "the window follows";
    history().redo();
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("0.0dB"));
}

TEST_F(WindowHistory, ABSwitchesSetsAsOneStepAndTheOtherSetIsTheGhost)
{
    typeInto("MusGainEdit1", QStringLiteral("6"));
    EXPECT_FALSE(window.curve().hasGhost());
    strip("CompareBBtn")->click();
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("6.0dB")) << "B starts as a copy";
    EXPECT_TRUE(window.curve().hasGhost());
    EXPECT_EQ(strip("CompareBBtn")->property("chosen"), true);

    typeInto("MusGainEdit1", QStringLiteral("-9"));
    history().flush();
    recorder.sent.clear();
    strip("CompareABtn")->click();
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("6.0dB"));
    EXPECT_EQ(recorder.sent.size(), 1u) << "only what differs goes out";
    EXPECT_EQ(history().undoText().english, QStringLiteral("Switch to A"));

    history().undo();
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-9.0dB"));
    EXPECT_EQ(strip("CompareBBtn")->property("chosen"), true) << "the letter follows the undo";
    strip("CompareABtn")->click();
    strip("CompareBBtn")->click();
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-9.0dB")) << "B kept as it was left";
}

TEST_F(WindowHistory, TheTitleSaysWhereTheSettingsCameFromAndWhetherTheyChanged)
{
    window.settingsSource().setSource(SettingsSource::PresetSource(QStringLiteral("Hall")));
    auto* label = control<QLabel>("TitleSourceLabel");
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("Preset Hall")));
    EXPECT_TRUE(window.windowTitle().startsWith(QStringLiteral("Preset Hall[*]")));
    typeInto("MusGainEdit1", QStringLiteral("2"));
    history().flush();
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("(modified)")));
    window.LanguageButtonClick();
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("预设 Hall（已修改）")));
}

} // namespace
} // namespace aec::test
