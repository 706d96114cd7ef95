// What the parameter controls show and do when operated: value texts, band types, pages,
// operation mode, EQ pass and the link buttons.
#include "MainWindowFixture.h"

namespace aec {
namespace {

class ControlBehaviour : public test::MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        startAsFirstShown();
    }

    int musicLink() const { return model.selection.LinkSelection(LinkGroup::Music); }
    int micLink() const { return model.selection.LinkSelection(LinkGroup::Microphones); }
};

TEST_F(ControlBehaviour, GainEditShowsDecibelsWithinItsRangeAndKeepsItsSliderInLine)
{
    ParamSlider* gainBar = slider("MusEQGainBar1");
    gainBar->setValue(0);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-24.0dB"));
    gainBar->setValue(180);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("12.0dB"));
    gainBar->setValue(120);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("0.0dB"));
    EXPECT_EQ(model.store.at(0, 12), 120);
    EXPECT_EQ(recorder.valuesAt(12), (std::vector<std::int32_t>{0, 180, 120}));

    editBinding("MusGainEdit1")->SetControlValue(StepCode::None, 250);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("12.0dB"));
    EXPECT_EQ(gainBar->value(), 180);

    typeInto("MusGainEdit1", QStringLiteral("-23.5"));
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-23.6dB"));
    EXPECT_EQ(model.store.at(0, 12), 2);
    EXPECT_EQ(gainBar->value(), 2);
}

TEST_F(ControlBehaviour, FrequencyEditStopsAtBothEndsOfTheScale)
{
    typeInto("MusFreEdit1", QStringLiteral("25000"));
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20600Hz"));
    test::PressKey(edit("MusFreEdit1"), Qt::Key_Right);
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20600Hz"));
    EXPECT_EQ(model.store.at(0, 11), 361);

    typeInto("MusFreEdit1", QStringLiteral("10"));
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("19.7Hz"));
    test::PressKey(edit("MusFreEdit1"), Qt::Key_Left);
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("19.7Hz"));
    EXPECT_EQ(model.store.at(0, 11), 0);
}

TEST_F(ControlBehaviour, ShelvingBandQStopsAt160AndPeakingShowsItsOwnQAgain)
{
    test::PressMouse(control("MusHSQBtn1"));
    EXPECT_EQ(control<ParamCombo>("MusModeBox1")->currentText(), QStringLiteral("HSEQ"));
    EXPECT_EQ(model.store.at(0, 10), 3);
    EXPECT_EQ(recorder.valuesAt(10), std::vector<std::int32_t>{3});
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("0.71")) << "the shelving Q field";

    typeInto("MusQEdit1", QStringLiteral("1.6"));
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("1.60"));
    clickSpin("MusQUpDownBtn1", true);
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("1.60"));
    typeInto("MusQEdit1", QStringLiteral("128"));
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("1.60"));
    EXPECT_EQ(model.store.at(0, 14), 24);
    EXPECT_EQ(model.store.at(0, 13), 16) << "the peaking Q field is left alone";

    // Back to peaking through the list itself: HSEQ, LSEQ, PEQ.
    auto* list = control<ParamCombo>("MusModeBox1");
    test::PressKey(list, Qt::Key_Up);
    test::PressKey(list, Qt::Key_Up);
    EXPECT_EQ(list->currentText(), QStringLiteral("PEQ"));
    EXPECT_EQ(model.store.at(0, 10), 1);
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("1.00"));
    typeInto("MusQEdit1", QStringLiteral("128"));
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("128.00"));
    EXPECT_EQ(model.store.at(0, 13), 100);
    EXPECT_EQ(model.store.at(0, 14), 24);
}

TEST_F(ControlBehaviour, ValuePanesShowTheirSlidersInTheirUnits)
{
    slider("MusPitchBar")->setValue(14);
    EXPECT_EQ(pane("MusPitchPane")->text(), QStringLiteral("7"));
    slider("MusPitchBar")->setValue(0);
    EXPECT_EQ(pane("MusPitchPane")->text(), QStringLiteral("-7"));
    slider("MusHPFREBar")->setValue(204);
    EXPECT_EQ(pane("MusHPFREPane")->text(), QStringLiteral("1000Hz"));
    EXPECT_EQ(model.store.at(0, 5), 204);

    chooseTab("FormMICATabBtn");
    slider("MicInputGainBar")->setValue(19);
    EXPECT_EQ(pane("MicInputGainPane")->text(), QStringLiteral("-1dB"));
    slider("MicRmsReleaseBar")->setValue(7);
    EXPECT_EQ(pane("MicRmsReleasePane")->text(), QStringLiteral("Atk x 32"));
    slider("MicRmsAttackBar")->setValue(5);
    slider("MicRmsAttackBar")->setValue(0);
    EXPECT_EQ(pane("MicRmsAttackPane")->text(), QStringLiteral("0.5ms"));

    chooseTab("FormEFFTabBtn");
    control<QAbstractButton>("RvbToolButton")->click();
    slider("RvbTimeBar")->setValue(1);
    EXPECT_EQ(pane("RvbTimePane")->text(), QStringLiteral("63ms"));
    slider("RvbTimeBar")->setValue(80);
    EXPECT_EQ(pane("RvbTimePane")->text(), QStringLiteral("5000ms"));
    EXPECT_EQ(model.store.at(5, 5), 80);
}

TEST_F(ControlBehaviour, SubwooferShowsItsMusicMixLevelDoubled)
{
    chooseTab("FormSUBTabBtn");
    slider("MainMusLevelBar")->setValue(150);
    EXPECT_EQ(pane("MainMusLevelPane")->text(), QStringLiteral("300%"));
    EXPECT_EQ(model.store.at(21, 0), 150);
    slider("MainMicLevelBar")->setValue(150);
    EXPECT_EQ(pane("MainMicLevelPane")->text(), QStringLiteral("150%")) << "only the music level";

    chooseTab("FormMAINTabBtn");
    EXPECT_EQ(pane("MainMusLevelPane")->text(), QStringLiteral("0%"));
    slider("MainMusLevelBar")->setValue(150);
    EXPECT_EQ(pane("MainMusLevelPane")->text(), QStringLiteral("150%"));
    EXPECT_EQ(model.store.at(6, 0), 150);

    // The same position on the subwoofer page: the pane is written again all the same.
    chooseTab("FormSUBTabBtn");
    EXPECT_EQ(slider("MainMusLevelBar")->value(), 150);
    EXPECT_EQ(pane("MainMusLevelPane")->text(), QStringLiteral("300%"));
}

TEST_F(ControlBehaviour, DynamicEqGainGoesNoLowerThanMinus12dB)
{
    chooseTab("FormDYNBtn");
    slider("DEQGainBar1")->setValue(60);
    EXPECT_EQ(edit("DEQGainEdit1")->text(), QStringLiteral("-12.0dB"));
    test::PressMouse(edit("DEQGainEdit1"));
    test::PressKey(edit("DEQGainEdit1"), Qt::Key_Down);
    EXPECT_EQ(edit("DEQGainEdit1")->text(), QStringLiteral("-12.0dB"));
    EXPECT_EQ(model.store.at(1, 4), 60);
    slider("DEQGainBar1")->setValue(10);
    EXPECT_EQ(edit("DEQGainEdit1")->text(), QStringLiteral("-12.0dB"));
    EXPECT_EQ(slider("DEQGainBar1")->value(), 60);
    EXPECT_EQ(model.store.at(1, 4), 60);

    // Elsewhere the gain goes on down.
    chooseTab("FormMusTabBtn");
    slider("MusEQGainBar1")->setValue(60);
    test::PressMouse(edit("MusGainEdit1"));
    test::PressKey(edit("MusGainEdit1"), Qt::Key_Down);
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("-12.2dB"));
    EXPECT_EQ(model.store.at(0, 12), 59);
}

TEST_F(ControlBehaviour, MicBTabSelectsMicrophoneBUnlessTheMicrophonesAreLinked)
{
    chooseTab("FormMICBTabBtn");
    EXPECT_EQ(model.selection.CurrentMicBlock, 3);
    EXPECT_EQ(micLink(), 2);
    chooseTab("FormMICATabBtn");
    EXPECT_EQ(model.selection.CurrentMicBlock, 2);
    EXPECT_EQ(micLink(), 0);

    button("SameBtn")->click();
    EXPECT_EQ(micLink(), 1);
    EXPECT_EQ(model.store.at(2, 13), 1);
    chooseTab("FormMICBTabBtn");
    EXPECT_EQ(model.selection.CurrentMicBlock, 2);
    EXPECT_EQ(micLink(), 1);
    typeInto("MicFreEdit1", QStringLiteral("1000"));
    EXPECT_EQ(model.store.at(2, 16), 204) << "linked, MIC B edits microphone A's bands";
    EXPECT_EQ(model.store.at(3, 16), 2);

    // Unlinking towards B copies A's bands onto B and shows MIC B.
    button("RightBtn")->click();
    EXPECT_EQ(micLink(), 2);
    EXPECT_EQ(model.selection.CurrentMicBlock, 3);
    EXPECT_EQ(navigation().CurrentTab, Tab::MicB);
    EXPECT_EQ(model.store.at(2, 13), 0);
    EXPECT_EQ(model.store.at(3, 16), 204);
    typeInto("MicFreEdit1", QStringLiteral("2000"));
    EXPECT_EQ(model.store.at(3, 16), 240);
    EXPECT_EQ(model.store.at(2, 16), 204);
}

TEST_F(ControlBehaviour, ScenesAndSidesChooseTheOutputBlockTheControlsEdit)
{
    chooseTab("FormMAINTabBtn");
    model.store.at(7, 0) = 50;
    button("DiscoModeBtn")->click();
    EXPECT_EQ(model.store.at(0, 161), 1);
    EXPECT_EQ(model.selection.OutputMode, 1);
    EXPECT_EQ(model.selection.CurrentOutputBlock, 7);
    EXPECT_EQ(pane("MainMusLevelPane")->text(), QStringLiteral("50%"));

    chooseTab("FormSURTabBtn");
    EXPECT_EQ(model.selection.CurrentOutputBlock, 13);
    button("RightBtn")->click();
    EXPECT_EQ(model.selection.CurrentOutputBlock, 16);
    EXPECT_EQ(model.store.at(0, 163), 0);

    slider("MainMusLevelBar")->setValue(120);
    EXPECT_EQ(model.store.at(16, 0), 120);
    slider("MainRmsLevelBar")->setValue(20);
    EXPECT_EQ(model.store.at(13, 12), 20) << "the limiter is held in the left block";
    EXPECT_EQ(model.store.at(16, 12), 0);
    slider("MainRdelayBar")->setValue(250);
    EXPECT_EQ(model.store.at(16, 10), 250);
    EXPECT_EQ(pane("MainRdelayPane")->text(), QStringLiteral("25.0ms"));
    slider("MainLdelayBar")->setValue(100);
    EXPECT_EQ(model.store.at(13, 10), 100) << "the left delay follows the left side";

    chooseTab("FormCENTabBtn");
    EXPECT_EQ(model.selection.CurrentOutputBlock, 19);
    slider("MainLdelayBar")->setValue(5);
    EXPECT_EQ(model.store.at(19, 10), 5);
}

TEST_F(ControlBehaviour, AutomaticOperationLocksTheOutputPageButNotTheManualButton)
{
    chooseTab("FormMAINTabBtn");
    recorder.sent.clear();
    const char* const locked[] = {
        "MainMusLevelBar",  "MainRvbLevelBar", "MainLdelayBar", "MainRdelayBar",
        "MainRmsLevelBar",  "MainMusHPFreBar", "MainLmuteBtn",  "MainRmuteBtn",
        "OutLimiteGroup",   "OutLHPGroup",     "MainFreEdit1",  "MainModeBox10",
        "MainPanScrollBar", "AutoModeBtn",     "SingModeBtn",   "DiscoModeBtn",
        "CodeModeBtn",      "CopyGrop",        "EQPassGrop"};
    for (const char* name : locked)
        ASSERT_TRUE(control(name)->isEnabled()) << name << " in manual operation";

    button("AutoModeBtn")->click();
    EXPECT_EQ(model.store.at(0, 160), 0);
    EXPECT_EQ(recorder.valuesAt(160), std::vector<std::int32_t>{0});
    for (const char* name : locked)
        EXPECT_FALSE(control(name)->isEnabled()) << name << " in automatic operation";
    EXPECT_TRUE(button("ManulModeBtn")->isEnabled());

    // The music page keeps its link and EQ pass buttons; the output pages do not.
    chooseTab("FormMusTabBtn");
    EXPECT_TRUE(control("CopyGrop")->isEnabled());
    EXPECT_TRUE(control("EQPassGrop")->isEnabled());
    chooseTab("FormSURTabBtn");
    EXPECT_FALSE(control("CopyGrop")->isEnabled());
    EXPECT_FALSE(control("EQPassGrop")->isEnabled());

    button("ManulModeBtn")->click();
    EXPECT_EQ(model.store.at(0, 160), 1);
    for (const char* name : locked)
        EXPECT_TRUE(control(name)->isEnabled()) << name << " in manual operation again";
}

TEST_F(ControlBehaviour, EqPassOnDisablesTheEqResetButton)
{
    ASSERT_TRUE(control("EQResetBtn")->isEnabled());
    button("MusEQAllpassBtn")->click();
    EXPECT_EQ(model.store.at(0, 9), 1);
    EXPECT_EQ(recorder.valuesAt(9), std::vector<std::int32_t>{1});
    EXPECT_FALSE(control("EQResetBtn")->isEnabled());
    EXPECT_FALSE(control("EQPassLabel")->isHidden());

    button("MusEQAllpassBtn")->click();
    EXPECT_EQ(model.store.at(0, 9), 0);
    EXPECT_TRUE(control("EQResetBtn")->isEnabled());
    EXPECT_TRUE(control("EQPassLabel")->isHidden());

    // The button passes the EQ of the block shown; the dynamic EQ has none.
    chooseTab("FormMICBTabBtn");
    button("MusEQAllpassBtn")->click();
    EXPECT_EQ(model.store.at(3, 14), 1);
    EXPECT_EQ(model.store.at(2, 14), 0);
    EXPECT_FALSE(control("EQResetBtn")->isEnabled());
    chooseTab("FormDYNBtn");
    EXPECT_TRUE(button("MusEQAllpassBtn")->isHidden());
    EXPECT_TRUE(control("EQPassLabel")->isHidden());
    EXPECT_TRUE(control("EQResetBtn")->isEnabled());
    chooseTab("FormMICBTabBtn");
    EXPECT_FALSE(button("MusEQAllpassBtn")->isHidden());
    EXPECT_EQ(Hint(button("MusEQAllpassBtn")), QStringLiteral("1"));
    EXPECT_FALSE(control("EQResetBtn")->isEnabled());
}

TEST_F(ControlBehaviour, RightButtonWhileLinkedCopiesTheLeftBankAndEditsTheRightOne)
{
    button("SameBtn")->click();
    ASSERT_EQ(musicLink(), 1);
    EXPECT_EQ(model.store.at(0, 8), 1);
    // The processor's values: a left bank of its own and a right bank that differs.
    for (int slot = 10; slot <= 84; ++slot) {
        model.store.at(0, slot) = slot;
        model.store.at(0, slot + 75) = 0;
    }
    typeInto("MusFreEdit1", QStringLiteral("1000"));
    ASSERT_EQ(model.store.at(0, 11), 204);
    recorder.sent.clear();

    button("RightBtn")->click();

    EXPECT_EQ(musicLink(), 2);
    EXPECT_EQ(model.store.at(0, 8), 0);
    EXPECT_EQ(recorder.valuesAt(8), std::vector<std::int32_t>{0});
    for (int slot = 10; slot <= 84; ++slot)
        ASSERT_EQ(model.store.at(0, slot + 75), model.store.at(0, slot)) << "slot " << slot;
    EXPECT_EQ(model.store.at(0, 86), 204);
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("1000Hz"));

    typeInto("MusFreEdit1", QStringLiteral("2000"));
    EXPECT_EQ(model.store.at(0, 86), 240);
    EXPECT_EQ(model.store.at(0, 11), 204);
    EXPECT_EQ(recorder.sent.back().address, 86);
}

TEST_F(ControlBehaviour, SameButtonOnTheMainPageLinksAndCopiesAllThreeScenes)
{
    chooseTab("FormMAINTabBtn");
    // Values every control of the output page can show as they are.
    for (int mode = 0; mode < 3; ++mode) {
        for (int slot = 0; slot <= 70; ++slot) {
            model.store.at(6 + mode, slot) = (slot + mode) % 2;
            model.store.at(9 + mode, slot) = 2;
            model.store.at(15 + mode, slot) = 2;
        }
    }
    recorder.sent.clear();

    button("SameBtn")->click();

    EXPECT_EQ(model.selection.LinkSelection(LinkGroup::Main), 1);
    EXPECT_EQ(model.store.at(0, 162), 1);
    EXPECT_EQ(recorder.valuesAt(162), std::vector<std::int32_t>{1});
    for (int mode = 0; mode < 3; ++mode) {
        for (int slot = 0; slot <= 70; ++slot) {
            ASSERT_EQ(model.store.at(9 + mode, slot), (slot + mode) % 2)
                << "block " << 9 + mode << " slot " << slot;
            ASSERT_EQ(model.store.at(15 + mode, slot), 2) << "the surround is not touched";
        }
    }
}

} // namespace
} // namespace aec
