#include "editing/ui/PageSwitcher.h"

#include "core/BlockLayout.h"
#include "core/Language.h"
#include "system/CaptionTable.h"
#include "widgets/Captions.h"
#include "widgets/ControlTags.h"
#include "widgets/EditFocus.h"
#include "widgets/ParamWidgets.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QStackedWidget>
#include <QToolButton>

namespace aec {
namespace {

const char* const TabButtons[TabCount] = {
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

PageSwitcher::PageSwitcher(PageNavigation& navigation, const Language& language, EditFocus& focus,
                           QWidget* window)
    : QObject(window), m_navigation(navigation), m_language(language), m_focus(focus),
      m_window(window)
{
}

QWidget* PageSwitcher::BuildTabButtons(QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("TabButtons"));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    for (int tag = 0; tag < TabCount; ++tag) {
        auto* button = new QToolButton(row);
        button->setObjectName(QLatin1String(TabButtons[tag]));
        SetCaptions(button, CaptionOf(button->objectName()));
        ShowCaption(button, false);
        button->setProperty("role", QStringLiteral("tab"));
        button->setFocusPolicy(Qt::NoFocus);
        SetTag(button, tag);
        layout->addWidget(button);
    }
    row->findChild<QToolButton*>(QStringLiteral("FormHintTabBtn"))->hide();
    // Takes the keyboard focus away from the page's edit boxes; never seen.
    auto* focusSink = new FocusSink(row);
    focusSink->setObjectName(QStringLiteral("Examplexx"));
    focusSink->setFixedSize(1, 1);
    focusSink->move(-10, -10);
    return row;
}

QWidget* PageSwitcher::find(const char* name) const
{
    return m_window->findChild<QWidget*>(QLatin1String(name));
}

void PageSwitcher::connectControls(QStackedWidget* pages)
{
    m_pages = pages;
    for (int tab = 0; tab < TabCount; ++tab)
        if (auto* b = qobject_cast<QAbstractButton*>(find(TabButtons[tab])))
            connect(b, &QAbstractButton::clicked, this,
                    [this, tab] { FormMusTabBtnClick(static_cast<Tab>(tab)); });
    for (int tag = 0; tag < 3; ++tag) {
        if (auto* b = qobject_cast<QAbstractButton*>(find(EffectButtons[tag])))
            connect(b, &QAbstractButton::clicked, this, [this, tag] { EchoAToolButtonClick(tag); });
        if (auto* b = qobject_cast<QAbstractButton*>(find(SourceButtons[tag])))
            connect(b, &QAbstractButton::clicked, this, [this, tag] { HintMusBtnClick(tag); });
    }
}

// The chosen button of a group shows white text on an opaque face, the others the tab colour
// on a transparent face.
void PageSwitcher::highlightGroup(const char* const* names, int count, int chosen)
{
    for (int i = 0; i < count; ++i)
        if (QWidget* b = find(names[i]))
            SetStyleState(b, "chosen", i == chosen);
}

void PageSwitcher::highlightTab(Tab tab)
{
    highlightGroup(TabButtons, TabCount, static_cast<int>(tab));
    m_navigation.CurrentTab = tab;
    m_navigation.CurrentPage = SelectPage(tab);
}

PageRef PageSwitcher::SelectPage(Tab tab)
{
    const PageRef page = m_navigation.SelectPage(tab);
    applyLayout(m_navigation.layoutFor(tab));
    return page;
}

void PageSwitcher::applyLayout(const SharedControlsLayout& l)
{
    const bool chinese = m_language.isChinese();
    const auto show = [this](const char* name, bool visible) {
        if (QWidget* w = find(name))
            w->setVisible(visible);
    };
    const auto enable = [this](const char* name, bool enabled) {
        if (QWidget* w = find(name))
            w->setEnabled(enabled);
    };
    show("CopyGrop", l.copyGroupVisible);
    show("SingleDiscoGrop", l.sceneGroupVisible);
    for (const char* name : {"MainRmuteBtn", "Label157", "MainRdelayBar", "MainRdelayPane"})
        show(name, l.rightSideVisible);
    enable("CopyGrop", l.copyAndPassEnabled);
    enable("EQPassGrop", l.copyAndPassEnabled);
    enable("EqFileGrop", l.copyAndPassEnabled);
    Caption(find("LeftBtn"), l.leftButton, chinese);
    Caption(find("RightBtn"), l.rightButton, chinese);
    Caption(find("OutLimiteGroup"), l.outputLimiter, chinese);
    Caption(find("OutLHPGroup"), l.outputCrossover, chinese);
    Caption(find("OutLDelayLabel"), l.leftDelay, chinese);
    Caption(find("AdvGroupBox1"), l.micLimiter, chinese);
    Caption(find("AdvGroupBox16"), l.micNoiseGate, chinese);
    // The left mute button changes only its caption.
    if (auto* mute = qobject_cast<QAbstractButton*>(find("MainLmuteBtn")))
        Caption(mute, l.leftMute, chinese);
}

void PageSwitcher::FormMusTabBtnClick(Tab tab)
{
    if (m_locked) {
        if (tab != Tab::Music)
            highlightGroup(TabButtons, TabCount, static_cast<int>(m_navigation.CurrentTab));
        return;
    }
    highlightTab(tab);
    if (m_pages)
        m_pages->setCurrentIndex(static_cast<int>(m_navigation.CurrentPage.page));
    // The hidden EQ page opens with the source it shows marked.
    if (tab == Tab::Hidden)
        highlightGroup(SourceButtons, 3,
                       m_navigation.selection().CurrentHiddenBlock - Block::HiddenMusic);
    if (tab == Tab::Effect)
        EchoAToolButtonClick(m_navigation.LastEffectButton);
    else
        emit pageShown(m_navigation.CurrentPage);
    m_focus.disarmWheel();
    if (QWidget* sink = find("Examplexx"))
        sink->setFocus();
}

void PageSwitcher::EchoAToolButtonClick(int tag)
{
    highlightGroup(EffectButtons, 3, tag);
    int subPage = 0;
    m_navigation.ChooseEffect(tag, &subPage);
    if (auto* sub = qobject_cast<QStackedWidget*>(find("EffPageControl")))
        sub->setCurrentIndex(subPage);
    emit pageShown(m_navigation.CurrentPage);
}

void PageSwitcher::HintMusBtnClick(int tag)
{
    highlightGroup(SourceButtons, 3, tag);
    m_navigation.ChooseHiddenSource(tag);
    emit pageShown(m_navigation.CurrentPage);
}

} // namespace aec
