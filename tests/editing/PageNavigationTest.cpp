#include "editing/PageNavigation.h"

#include <gtest/gtest.h>

#include <string>

namespace aec {
namespace {

class PageNavigationTest : public testing::Test
{
protected:
    SelectionState selection;
    PageNavigation navigation{selection};

    int& micLink() { return selection.LinkSelection(LinkGroup::Microphones); }
};

Tab T(int tab)
{
    return static_cast<Tab>(tab);
}

PageRef Ref(int block, int page)
{
    return {block, static_cast<Page>(page)};
}

TEST_F(PageNavigationTest, EachTabGivesItsViewBlockAndPage)
{
    struct Case
    {
        int tab;
        PageRef page;
    };
    const Case cases[] = {
        {0, Ref(0, 0)}, {1, Ref(1, 8)}, {2, Ref(2, 1)}, {3, Ref(2, 1)}, {4, Ref(4, 2)},
        {5, Ref(6, 3)}, {6, Ref(6, 3)}, {7, Ref(6, 3)}, {8, Ref(6, 3)}, {9, Ref(25, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        EXPECT_TRUE(navigation.SelectPage(T(c.tab)) == c.page);
        EXPECT_EQ(navigation.ChartBlock, c.page.block);
    }
}

TEST_F(PageNavigationTest, SelectingAPageLeavesTabAndPageToTheCaller)
{
    navigation.SelectPage(Tab::Main);
    EXPECT_EQ(navigation.CurrentTab, Tab::Music);
    EXPECT_TRUE(navigation.CurrentPage == Ref(0, 0));
}

TEST_F(PageNavigationTest, MicBWhileLinkedStaysOnMicrophoneA)
{
    micLink() = 1;
    navigation.SelectPage(T(3));
    EXPECT_EQ(selection.CurrentMicBlock, 2);
    EXPECT_EQ(micLink(), 1);
    navigation.SelectPage(T(2));
    EXPECT_EQ(selection.CurrentMicBlock, 2);
    EXPECT_EQ(micLink(), 1);
}

TEST_F(PageNavigationTest, MicBUnlinkedSelectsTheSecondSideAndMicASelectsTheFirstAgain)
{
    navigation.SelectPage(T(3));
    EXPECT_EQ(selection.CurrentMicBlock, 3);
    EXPECT_EQ(micLink(), 2);
    EXPECT_EQ(navigation.ChartBlock, 2);

    navigation.SelectPage(T(2));
    EXPECT_EQ(selection.CurrentMicBlock, 2);
    EXPECT_EQ(micLink(), 0);
}

TEST_F(PageNavigationTest, OutputTabsPickTheBlockOfSideAndScene)
{
    struct Case
    {
        const char* what;
        int tab, mode, mainLink, surroundLink;
        int outputBlock;
    };
    const Case cases[] = {
        {"surround right, disco", 6, 1, 0, 2, 16},  {"surround left, disco", 6, 1, 0, 0, 13},
        {"surround linked, disco", 6, 1, 0, 1, 13}, {"main left, sing", 5, 0, 0, 2, 6},
        {"main linked, decode", 5, 2, 1, 0, 8},     {"main right, decode", 5, 2, 2, 0, 11},
        {"centre, disco", 7, 1, 2, 2, 19},          {"centre, decode", 7, 2, 0, 0, 20},
        {"subwoofer, sing", 8, 0, 2, 2, 21},        {"subwoofer, disco", 8, 1, 0, 0, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        selection.OutputMode = c.mode;
        selection.LinkSelection(LinkGroup::Main) = c.mainLink;
        selection.LinkSelection(LinkGroup::Surround) = c.surroundLink;
        EXPECT_TRUE(navigation.SelectPage(T(c.tab)) == Ref(6, 3));
        EXPECT_EQ(selection.CurrentOutputBlock, c.outputBlock);
    }
}

TEST_F(PageNavigationTest, EffectTabShowsTheReverbOrTheEchoPage)
{
    selection.CurrentEffectBlock = 5;
    EXPECT_TRUE(navigation.SelectPage(T(4)) == Ref(5, 2));
    EXPECT_EQ(navigation.ChartBlock, 5);
    selection.CurrentEffectBlock = 24;
    EXPECT_TRUE(navigation.SelectPage(T(4)) == Ref(4, 2));
    EXPECT_EQ(navigation.ChartBlock, 4);
}

TEST_F(PageNavigationTest, EffectButtonsChooseEchoAEchoBOrReverb)
{
    struct Case
    {
        int tag, effectBlock, viewBlock, subPage;
    };
    const Case cases[] = {{0, 4, 4, 0}, {1, 24, 4, 0}, {2, 5, 5, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        int subPage = -1;
        EXPECT_EQ(navigation.ChooseEffect(c.tag, &subPage), c.viewBlock);
        EXPECT_EQ(subPage, c.subPage);
        EXPECT_EQ(selection.CurrentEffectBlock, c.effectBlock);
        EXPECT_EQ(navigation.LastEffectButton, c.tag);
        EXPECT_TRUE(navigation.CurrentPage == Ref(c.viewBlock, 2));
        EXPECT_EQ(navigation.ChartBlock, c.viewBlock);
    }
}

TEST_F(PageNavigationTest, EffectTabAfterEchoBShowsEchoBOnTheEchoPage)
{
    navigation.ChooseEffect(1, nullptr);
    navigation.SelectPage(T(0));
    // The tab click selects the page, then repeats the last effect button.
    EXPECT_TRUE(navigation.SelectPage(T(4)) == Ref(4, 2));
    int subPage = -1;
    navigation.ChooseEffect(navigation.LastEffectButton, &subPage);
    EXPECT_EQ(subPage, 0);
    EXPECT_EQ(selection.CurrentEffectBlock, 24);
    EXPECT_EQ(navigation.ChartBlock, 4);
}

TEST_F(PageNavigationTest, SourceButtonsChooseTheHiddenEq)
{
    const int blocks[] = {25, 26, 27};
    for (int tag = 0; tag < 3; ++tag) {
        SCOPED_TRACE(tag);
        navigation.ChooseHiddenSource(tag);
        EXPECT_EQ(selection.CurrentHiddenBlock, blocks[tag]);
        EXPECT_TRUE(navigation.CurrentPage == Ref(25, 4));
        EXPECT_EQ(navigation.ChartBlock, 25);
    }
}

struct Captions
{
    const char* chinese;
    const char* english;
};

void ExpectText(const BilingualText& text, Captions expected)
{
    EXPECT_EQ(text.chinese.toStdString(), expected.chinese);
    EXPECT_EQ(text.english.toStdString(), expected.english);
}

TEST_F(PageNavigationTest, SharedGroupsShownPerTab)
{
    struct Case
    {
        int tab;
        bool copyGroup, sceneGroup, rightSide;
    };
    const Case cases[] = {
        {0, true, false, false},  {1, false, false, false}, {2, true, false, false},
        {3, true, false, false},  {4, false, false, false}, {5, true, true, true},
        {6, true, true, true},    {7, false, true, false},  {8, false, true, false},
        {9, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        const SharedControlsLayout layout = navigation.layoutFor(T(c.tab));
        EXPECT_EQ(layout.copyGroupVisible, c.copyGroup);
        EXPECT_EQ(layout.sceneGroupVisible, c.sceneGroup);
        EXPECT_EQ(layout.rightSideVisible, c.rightSide);
    }
}

TEST_F(PageNavigationTest, LinkButtonCaptionsNameTheSidesOfThePair)
{
    ExpectText(navigation.layoutFor(T(0)).leftButton, {"音乐左", "Left"});
    ExpectText(navigation.layoutFor(T(0)).rightButton, {"音乐右", "Right"});
    for (int tab : {2, 3}) {
        ExpectText(navigation.layoutFor(T(tab)).leftButton, {"麦克A", "MIC A"});
        ExpectText(navigation.layoutFor(T(tab)).rightButton, {"麦克B", "MIC B"});
    }
    ExpectText(navigation.layoutFor(T(5)).leftButton, {"主左", "Main L"});
    ExpectText(navigation.layoutFor(T(5)).rightButton, {"主右", "Main R"});
    ExpectText(navigation.layoutFor(T(6)).leftButton, {"环左", "SUR L"});
    ExpectText(navigation.layoutFor(T(6)).rightButton, {"环右", "SUR R"});
    for (int tab : {1, 4, 7, 8, 9}) {
        ExpectText(navigation.layoutFor(T(tab)).leftButton, {"", ""});
        ExpectText(navigation.layoutFor(T(tab)).rightButton, {"", ""});
    }
}

TEST_F(PageNavigationTest, OutputCaptionsNameTheShownFamily)
{
    struct Case
    {
        int tab;
        Captions limiter, crossover, mute, delay;
    };
    const Case cases[] = {
        {5,
         {"主输出压限", "Main Limit"},
         {"主输出分频", "Main LHF"},
         {"左静音", "L Mute"},
         {"左声道延时", "Left Delay"}},
        {6,
         {"环绕压限", "Surround Limit"},
         {"环绕分频", "Surround LHF"},
         {"左静音", "L Mute"},
         {"左声道延时", "Left Delay"}},
        {7,
         {"中置压限", "Center Limit"},
         {"中置分频", "Center LHF"},
         {"中置静音", "Cen Mute"},
         {"中置延时", "Center Delay"}},
        {8,
         {"超低压限", "SUB Limit"},
         {"超低分频", "SUB LHF"},
         {"超低静音", "SUB Mute"},
         {"超低延时", "SUB Delay"}},
        {0, {"", ""}, {"", ""}, {"", ""}, {"", ""}},
        {3, {"", ""}, {"", ""}, {"", ""}, {"", ""}},
        {9, {"", ""}, {"", ""}, {"", ""}, {"", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab);
        const SharedControlsLayout layout = navigation.layoutFor(T(c.tab));
        ExpectText(layout.outputLimiter, c.limiter);
        ExpectText(layout.outputCrossover, c.crossover);
        ExpectText(layout.leftMute, c.mute);
        ExpectText(layout.leftDelay, c.delay);
    }
}

TEST_F(PageNavigationTest, MicrophoneGroupCaptionsNameMicrophoneAOrB)
{
    ExpectText(navigation.layoutFor(T(2)).micLimiter, {"麦克风A压限", "MiC A Limit"});
    ExpectText(navigation.layoutFor(T(2)).micNoiseGate, {"麦克风A 噪声门", "MICA Noise"});
    ExpectText(navigation.layoutFor(T(3)).micLimiter, {"麦克风B压限", "MiC B Limit"});
    ExpectText(navigation.layoutFor(T(3)).micNoiseGate, {"麦克风B 噪声门", "MICB Noise"});
}

TEST_F(PageNavigationTest, AutomaticOperationDisablesCopyAndPassOnOutputAndHiddenTabs)
{
    navigation.ManualOperation = false;
    for (int tab = 0; tab < 10; ++tab)
        EXPECT_EQ(navigation.layoutFor(T(tab)).copyAndPassEnabled, tab <= 4) << "tab " << tab;

    navigation.ManualOperation = true;
    for (int tab = 0; tab < 10; ++tab)
        EXPECT_TRUE(navigation.layoutFor(T(tab)).copyAndPassEnabled) << "tab " << tab;
}

} // namespace
} // namespace aec
