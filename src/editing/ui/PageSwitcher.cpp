#include "editing/ui/PageSwitcher.h"

#include "chart/ui/CurveDrawer.h"
#include "editing/ui/Captions.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/WindowRefresh.h"
#include "system/Language.h"

#include <QAbstractButton>
#include <QStackedWidget>

namespace aec {
namespace {

const char* const TabButtons[Tab::Count] = {
    "FormMusTabBtn",  "FormDYNBtn",    "FormMICATabBtn", "FormMICBTabBtn", "FormEFFTabBtn",
    "FormMAINTabBtn", "FormSURTabBtn", "FormCENTabBtn",  "FormSUBTabBtn",  "FormHintTabBtn"};
const char* const EffectButtons[] = {"EchoAToolButton", "EchoBToolButton", "RvbToolButton"};
const char* const SourceButtons[] = {"HintMusBtn", "HintMicABtn", "HintMicBBtn"};

void Caption(QWidget* control, const BilingualText& text, bool chinese)
{
    if (!control)
        return;
    SetCaptions(control, text);
    ShowCaption(control, chinese);
}

} // namespace

void PageSwitcher::connectControls()
{
    for (int tab = 0; tab < Tab::Count; ++tab)
        if (auto* b = qobject_cast<QAbstractButton*>(m_ctx.find(TabButtons[tab])))
            QObject::connect(b, &QAbstractButton::clicked, b,
                             [this, tab] { FormMusTabBtnClick(tab); });
    for (int tag = 0; tag < 3; ++tag) {
        if (auto* b = qobject_cast<QAbstractButton*>(m_ctx.find(EffectButtons[tag])))
            QObject::connect(b, &QAbstractButton::clicked, b,
                             [this, tag] { EchoAToolButtonClick(tag); });
        if (auto* b = qobject_cast<QAbstractButton*>(m_ctx.find(SourceButtons[tag])))
            QObject::connect(b, &QAbstractButton::clicked, b,
                             [this, tag] { HintMusBtnClick(tag); });
    }
}

// The chosen button of a group shows white text on an opaque face, the others the tab colour
// on a transparent face.
void PageSwitcher::highlightGroup(const char* const* names, int count, int chosen)
{
    for (int i = 0; i < count; ++i)
        if (QWidget* b = m_ctx.find(names[i]))
            SetStyleState(b, "chosen", i == chosen);
}

void PageSwitcher::highlightTab(int tab)
{
    highlightGroup(TabButtons, Tab::Count, tab);
    m_ctx.navigation.CurrentTab = tab;
    m_ctx.navigation.CurrentPage = SelectPage(tab);
}

int PageSwitcher::SelectPage(int tab)
{
    const int result = m_ctx.navigation.SelectPage(tab);
    applyLayout(m_ctx.navigation.layoutFor(tab));
    return result;
}

void PageSwitcher::applyLayout(const SharedControlsLayout& l)
{
    const bool chinese = m_ctx.language.isChinese();
    const auto show = [this](const char* name, bool visible) {
        if (QWidget* w = m_ctx.find(name))
            w->setVisible(visible);
    };
    const auto enable = [this](const char* name, bool enabled) {
        if (QWidget* w = m_ctx.find(name))
            w->setEnabled(enabled);
    };
    show("CopyGrop", l.copyGroupVisible);
    show("SingleDiscoGrop", l.sceneGroupVisible);
    for (const char* name : {"MainRmuteBtn", "Label157", "MainRdelayBar", "MainRdelayPane"})
        show(name, l.rightSideVisible);
    enable("CopyGrop", l.copyAndPassEnabled);
    enable("EQPassGrop", l.copyAndPassEnabled);
    Caption(m_ctx.find("LeftBtn"), l.leftButton, chinese);
    Caption(m_ctx.find("RightBtn"), l.rightButton, chinese);
    Caption(m_ctx.find("OutLimiteGroup"), l.outputLimiter, chinese);
    Caption(m_ctx.find("OutLHPGroup"), l.outputCrossover, chinese);
    Caption(m_ctx.find("OutLDelayLabel"), l.leftDelay, chinese);
    Caption(m_ctx.find("AdvGroupBox1"), l.micLimiter, chinese);
    Caption(m_ctx.find("AdvGroupBox16"), l.micNoiseGate, chinese);
    // The left mute button changes only its caption; its hint keeps its value.
    if (auto* mute = qobject_cast<QAbstractButton*>(m_ctx.find("MainLmuteBtn")))
        mute->setText(l.leftMute.in(chinese));
}

void PageSwitcher::FormMusTabBtnClick(int tab)
{
    if (m_ctx.lockPanelVisible()) {
        if (tab != Tab::Music)
            highlightGroup(TabButtons, Tab::Count, m_ctx.navigation.CurrentTab);
        return;
    }
    highlightTab(tab);
    PageNavigation& nav = m_ctx.navigation;
    const int page = nav.CurrentPage % 256;
    if (auto* pages = qobject_cast<QStackedWidget*>(m_ctx.find("FormPageItem")))
        pages->setCurrentIndex(page);
    if (m_ctx.curve)
        m_ctx.curve->CurveColor = QColor(255, 102, 0);
    if (tab == Tab::Effect)
        EchoAToolButtonClick(nav.LastEffectButton);
    else
        m_ctx.refresh->RefreshBlock(nav.CurrentPage / 256);
    m_ctx.DrawBlockCurve(AllBands, nav.ChartBlock);
    m_ctx.state.WheelArmed = false;
    if (QWidget* sink = m_ctx.find("Examplexx"))
        sink->setFocus();
    if (QWidget* pass = m_ctx.find("MusEQAllpassBtn"))
        pass->setVisible(page != Page::DynamicEq);
}

void PageSwitcher::EchoAToolButtonClick(int tag)
{
    highlightGroup(EffectButtons, 3, tag);
    int subPage = 0;
    const int viewBlock = m_ctx.navigation.ChooseEffect(tag, &subPage);
    if (auto* sub = qobject_cast<QStackedWidget*>(m_ctx.find("EffPageControl")))
        sub->setCurrentIndex(subPage);
    m_ctx.refresh->RefreshBlock(viewBlock);
    m_ctx.DrawBlockCurve(AllBands, m_ctx.navigation.ChartBlock);
}

void PageSwitcher::HintMusBtnClick(int tag)
{
    highlightGroup(SourceButtons, 3, tag);
    m_ctx.navigation.ChooseHiddenSource(tag);
    m_ctx.refresh->RefreshBlock(m_ctx.navigation.ChartBlock);
    m_ctx.DrawBlockCurve(AllBands, m_ctx.navigation.ChartBlock);
}

} // namespace aec
