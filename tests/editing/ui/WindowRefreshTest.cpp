// Bringing the window in line with the store, and the EQ reset.
#include "MainWindowFixture.h"

namespace aec {
namespace {

class WindowRefreshing : public test::MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        startAsFirstShown();
    }
};

TEST_F(WindowRefreshing, StartShowsAFlatEqInEveryBand)
{
    EXPECT_EQ(control<ParamCombo>("MusModeBox1")->currentText(), QStringLiteral("PEQ"));
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20.5Hz"));
    EXPECT_EQ(edit("MusGainEdit1")->text(), QStringLiteral("0.0dB"));
    EXPECT_EQ(edit("MusQEdit1")->text(), QStringLiteral("1.00"));
    EXPECT_EQ(model.store.at(0, 14), 10);
    EXPECT_EQ(edit("MusFreEdit15")->text(), QStringLiteral("12000Hz"));
    EXPECT_EQ(model.store.at(0, 86), 2) << "the right music bank too";
    EXPECT_EQ(model.store.at(0, 156), 333);
    EXPECT_EQ(pane("MusLPFREPane")->text(), QStringLiteral("20200Hz"));
    EXPECT_EQ(model.store.at(1, 3), 20);
    EXPECT_EQ(model.store.at(27, 22), 280);
}

TEST_F(WindowRefreshing, LoadedValuesAreShownForTheChosenEcho)
{
    model.store.at(24, 5) = 100;
    model.store.at(4, 5) = 5;
    wing().refreshAfterLoad();

    chooseTab("FormEFFTabBtn");
    control<QAbstractButton>("EchoBToolButton")->click();
    EXPECT_EQ(pane("EchoTimePane")->text(), QStringLiteral("200ms"));
    control<QAbstractButton>("EchoAToolButton")->click();
    EXPECT_EQ(pane("EchoTimePane")->text(), QStringLiteral("10ms"));
}

TEST_F(WindowRefreshing, StoredMuteStatesAreShownOnBothSides)
{
    chooseTab("FormMAINTabBtn");
    model.store.at(6, 11) = 1;
    model.store.at(9, 11) = 1;
    refreshAll();
    EXPECT_EQ(Hint(button("MainLmuteBtn")), QStringLiteral("1"));
    EXPECT_EQ(Hint(button("MainRmuteBtn")), QStringLiteral("1"));

    model.store.at(6, 11) = 0;
    wing().RefreshBlock(6);
    EXPECT_EQ(Hint(button("MainLmuteBtn")), QStringLiteral("0"));
    EXPECT_EQ(Hint(button("MainRmuteBtn")), QStringLiteral("1"));
    EXPECT_EQ(model.store.at(9, 11), 1);
}

TEST_F(WindowRefreshing, StoredLinkStateSelectsBothSidesButKeepsAChosenSide)
{
    auto musicLink = [this] { return model.selection.LinkSelection(LinkGroup::Music); };
    model.store.at(0, 8) = 1;
    refreshAll();
    EXPECT_EQ(musicLink(), 1);
    EXPECT_EQ(button("SameBtn")->look(), QStringLiteral("pressed"));

    model.store.at(0, 8) = 0;
    refreshAll();
    EXPECT_EQ(musicLink(), 0) << "unlinked on the processor: the first side";

    button("RightBtn")->click();
    ASSERT_EQ(musicLink(), 2);
    refreshAll();
    EXPECT_EQ(musicLink(), 2) << "a stored 0 leaves the right side chosen";
}

// Slots without a control of their own (links, EQ passes) are shown by nothing and land
// nowhere else: the hidden music EQ's pass switch keeps its own value.
TEST_F(WindowRefreshing, SlotsWithoutAControlStayWhereTheyAre)
{
    for (const auto& [block, slot] :
         {std::pair{0, 9}, std::pair{0, 162}, std::pair{0, 163}, std::pair{1, 0}, std::pair{2, 13},
          std::pair{2, 14}, std::pair{4, 13}, std::pair{5, 10}, std::pair{6, 20}})
        model.store.at(block, slot) = 1;

    refreshAll();

    EXPECT_EQ(model.store.at(25, 0), 0);
    EXPECT_EQ(model.store.at(26, 0), 0);
    EXPECT_EQ(model.store.at(27, 0), 0);
    EXPECT_EQ(model.view.at(25, 0), 0);
    chooseTab("FormHintTabBtn");
    EXPECT_EQ(Hint(button("MusEQAllpassBtn")), QStringLiteral("0"));
    EXPECT_TRUE(control("EQPassLabel")->isHidden());
    EXPECT_TRUE(control("EQResetBtn")->isEnabled());
}

// A refresh shows the store; it never changes it, nor the edit the person chose. Values
// outside a control's range are shown clamped and stay in the store as the processor sent them.
TEST_F(WindowRefreshing, RefreshShowsTheStoreWithoutChangingItOrTheChosenEdit)
{
    for (int block = 0; block < 30; ++block)
        for (int slot = 0; slot < SlotCount[block]; ++slot)
            model.store.at(block, slot) = 4321 + slot;
    model.store.at(1, 4) = 10; // a dynamic-EQ gain below the page's -12 dB floor
    model.store.at(Block::Music, 160) = 1;
    model.store.at(Block::Music, 161) = 0;
    const ParamStore before = model.store;
    wing().refreshAfterLoad();
    test::PressMouse(edit("MusGainEdit3")); // choosing an edit shows its value again
    QWidget* chosen = currentEdit();
    ASSERT_EQ(chosen, edit("MusGainEdit3"));
    recorder.sent.clear();

    wing().refreshAfterLoad();
    for (const char* tab : {"FormDYNBtn", "FormMICATabBtn", "FormEFFTabBtn", "FormMAINTabBtn",
                            "FormSUBTabBtn", "FormHintTabBtn", "FormMusTabBtn"})
        chooseTab(tab);
    window.SetCaptionLanguage(1);
    window.SetCaptionLanguage(0);

    EXPECT_TRUE(model.store == before) << "a refresh wrote into the store";
    EXPECT_TRUE(recorder.sent.empty());
    EXPECT_EQ(edit("MusFreEdit1")->text(), QStringLiteral("20600Hz")) << "shown clamped";
    EXPECT_EQ(pane("MusPitchPane")->text(), QStringLiteral("7"));
    EXPECT_EQ(currentEdit(), chosen) << "the wheel still edits the band chosen";
    EXPECT_EQ(highlightedEdit(), chosen);
}

TEST_F(WindowRefreshing, EqResetResetsTheShownMicrophoneAndSendsItsBands)
{
    chooseTab("FormMICBTabBtn");
    model.store.at(2, 16) = 240;
    model.store.at(3, 16) = 240;
    model.store.at(3, 111) = 40;
    recorder.sent.clear();

    wing().EQResetBtnClick();

    EXPECT_EQ(model.store.at(3, 16), 2);
    EXPECT_EQ(model.store.at(3, 111), 360) << "band 20 of microphone B";
    EXPECT_EQ(model.store.at(2, 16), 240) << "microphone A is left alone";
    EXPECT_EQ(edit("MicFreEdit1")->text(), QStringLiteral("20.5Hz"));
    int bandValues = 0;
    for (const auto& sent : recorder.sent)
        if (BlockOf(sent.address) == 3 && SlotOf(sent.address) >= 15)
            ++bandValues;
    EXPECT_EQ(bandValues, 100);
    EXPECT_EQ(recorder.countInBlock(2), 0);
}

TEST_F(WindowRefreshing, EqResetButtonResetsTheShownBlock)
{
    model.store.at(24, 15) = 300;
    model.store.at(4, 15) = 300;
    chooseTab("FormEFFTabBtn");
    control<QAbstractButton>("EchoBToolButton")->click();
    ASSERT_EQ(edit("EchoFreEdit1")->text(), QStringLiteral("6350Hz"));

    control<QAbstractButton>("EQResetBtn")->click();

    EXPECT_EQ(model.store.at(24, 15), 2) << "echo B's first band back to its default";
    EXPECT_EQ(edit("EchoFreEdit1")->text(), QStringLiteral("20.5Hz"));
    EXPECT_EQ(model.store.at(4, 15), 300);
}

} // namespace
} // namespace aec
