#include "editing/ui/WindowRefresh.h"

#include "core/BlockLayout.h"
#include "editing/EqReset.h"
#include "editing/ui/ControlHandlers.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/ControlValues.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/ParamWidgets.h"
#include "link/LinkSession.h"

#include <QSignalBlocker>

namespace aec {
namespace {

// The view blocks a refresh walks, in order.
constexpr int RefreshedBlocks[] = {0, 1, 2, 4, 5, 6, 25, 26, 27, 28, 29, 30};

} // namespace

// A two-state button shows whether the stored value is on; the store keeps the value itself.
void WindowRefresh::setTwoState(QWidget* control, int stored)
{
    if (auto* button = qobject_cast<TwoStateButton*>(control))
        ControlHandlers::ShowState(button, stored != 0 ? 1 : 0);
}

void WindowRefresh::refreshControl(int block, int slot)
{
    QWidget* c = m_ctx.map.PrimaryControl(block, slot);
    // The placeholder stands for slots without a control: there is nothing to show, and
    // writing through it would store this slot's value under another address.
    if (!c || c == m_ctx.map.Example)
        return;
    const int value = m_ctx.model.view.at(block, slot);
    if (auto* slider = qobject_cast<ParamSlider*>(c)) {
        const bool unchanged = slider->value() == value;
        slider->setValue(value);
        // The output page's panes follow a change of output block even at equal positions.
        if (unchanged && block == Block::MainLeft)
            m_ctx.handlers->MicHPFreBarChange(slider);
        // Any other pane is shown again too (display only), so that no pane keeps a text
        // from before the first load.
        else if (unchanged)
            m_ctx.values->SetControlValue(m_ctx.map.ValuePane(block, slot), StepCode::None, true,
                                          value);
    } else if (auto* button = qobject_cast<TwoStateButton*>(c)) {
        if (button->objectName() != QLatin1String("MusEQAllpassBtn"))
            setTwoState(button, value);
    } else if (auto* list = qobject_cast<ParamCombo*>(c)) {
        {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(std::clamp(value, 0, list->count() - 1));
        }
        QWidget* first = m_ctx.map.AuxControl(block, slot, 0);
        if (qobject_cast<TypeLabel*>(first) || qobject_cast<TwoStateButton*>(first))
            m_ctx.handlers->MusModeBox1Change(list);
    } else if (qobject_cast<ParamEdit*>(c)) {
        m_ctx.values->SetControlValue(c, StepCode::None, true, value);
    }
}

void WindowRefresh::refreshRightSide()
{
    const int shown = m_ctx.model.selection.CurrentOutputBlock;
    int rightRow = 0;
    if (shown >= 6 && shown <= 11)
        rightRow = 9;
    else if (shown >= 12 && shown <= 17)
        rightRow = 15;
    else
        return;
    if (auto* delay = qobject_cast<ParamSlider*>(m_ctx.find("MainRdelayBar"))) {
        delay->setValue(m_ctx.model.view.at(rightRow, 10));
        m_ctx.values->SetControlValue(m_ctx.find("MainRdelayPane"), StepCode::None, true,
                                      delay->value());
    }
    setTwoState(m_ctx.find("MainRmuteBtn"), m_ctx.model.view.at(rightRow, 11));
}

void WindowRefresh::refreshLinkState()
{
    SelectionState& sel = m_ctx.model.selection;
    const struct
    {
        LinkGroup group;
        int block;
        int slot;
    } links[] = {{LinkGroup::Music, 0, 8},
                 {LinkGroup::Microphones, 2, 13},
                 {LinkGroup::Main, 0, 162},
                 {LinkGroup::Surround, 0, 163}};
    for (const auto& l : links) {
        int& side = sel.LinkSelection(l.group);
        if (m_ctx.model.view.at(l.block, l.slot) == 1)
            side = LinkSide::Both;
        else if (side == LinkSide::Both)
            side = LinkSide::First;
    }
    m_ctx.navigation.ManualOperation = m_ctx.model.view.at(0, 160) != 0 ? 1 : 0;

    PageNavigation& nav = m_ctx.navigation;
    if (nav.ChartBlock == Block::Music)
        m_ctx.handlers->showLinkChoice(sel.LinkSelection(LinkGroup::Music));
    else if (nav.ChartBlock == Block::MicA)
        m_ctx.handlers->showLinkChoice(sel.LinkSelection(LinkGroup::Microphones));
    else if (nav.CurrentTab == Tab::Main)
        m_ctx.handlers->showLinkChoice(sel.LinkSelection(LinkGroup::Main));
    else if (nav.CurrentTab == Tab::Surround)
        m_ctx.handlers->showLinkChoice(sel.LinkSelection(LinkGroup::Surround));
}

void WindowRefresh::refreshEqPass()
{
    auto* button = qobject_cast<TwoStateButton*>(m_ctx.find("MusEQAllpassBtn"));
    QWidget* label = m_ctx.find("EQPassLabel");
    const int block = m_ctx.navigation.ChartBlock;
    if (!button)
        return;
    if (block == Block::DynamicEq) {
        // The dynamic EQ has no EQ pass.
        SetHint(button, QStringLiteral("0"));
        button->setLook(QStringLiteral("greyed"));
        if (label)
            label->hide();
        return;
    }
    const auto address = MakeAddress(block, EqPassSlot(block));
    SetTag(button, address);
    const int stored = m_ctx.model.view.at(address) != 0 ? 1 : 0;
    SetHint(button, stored ? QStringLiteral("1") : QStringLiteral("0"));
    button->setLook(stored ? QStringLiteral("pressed") : QStringLiteral("greyed"));
    m_ctx.model.EqPassFlag[static_cast<std::size_t>(block)] = stored;
    if (label)
        label->setVisible(stored != 0);
}

void WindowRefresh::RefreshBlock(int selector)
{
    ++m_ctx.state.ControlUpdateGuard;
    int& suppressed = m_ctx.SendSuppressed();
    suppressed = 1;

    ParameterModel& model = m_ctx.model;
    model.RebuildViewValues();
    // The right-side delay and mute reach the right block of the family shown.
    const int shown = model.selection.CurrentOutputBlock;
    const int family = shown >= 6 && shown <= 11 ? 6 : shown >= 12 && shown <= 17 ? 12 : 0;
    if (family != 0) {
        for (const char* name : {"MainRdelayBar", "MainRdelayPane"})
            if (QWidget* w = m_ctx.find(name))
                SetTag(w, MakeAddress(family + 3, 10));
        if (QWidget* w = m_ctx.find("MainRmuteBtn"))
            SetTag(w, MakeAddress(family + 3, 11));
    }
    const int mode = model.store.at(Block::Music, 161);
    model.selection.OutputMode = mode < 3 ? mode : 0;

    for (const int block : RefreshedBlocks)
        if (selector == AllViewBlocks || selector == block)
            for (int slot = 0; slot < SlotCount[block]; ++slot)
                refreshControl(block, slot);

    refreshRightSide();
    refreshLinkState();
    refreshEqPass();
    m_ctx.handlers->showOperationChoice(m_ctx.navigation.ManualOperation);
    m_ctx.handlers->SetManualControlsEnabled(m_ctx.navigation.ManualOperation, true);
    m_ctx.handlers->showSceneChoice(model.selection.OutputMode);
    if (m_ctx.refreshSystemControls)
        m_ctx.refreshSystemControls();

    --m_ctx.state.ControlUpdateGuard;
    m_ctx.DrawBlockCurve(AllBands, m_ctx.navigation.CurrentPage / 256);
    suppressed = 0;
    if (m_ctx.applyPanelLock)
        m_ctx.applyPanelLock();
}

void WindowRefresh::ResetEq(int selector)
{
    const auto sendPaced = [this](ParamAddress address, std::int32_t value) {
        if (m_ctx.session)
            m_ctx.session->SetParameterPaced(address, value);
        else
            m_ctx.SetParameter(address, value);
    };
    RefreshBlock(aec::ResetEq(m_ctx.model, selector, sendPaced));
}

void WindowRefresh::EQResetBtnClick()
{
    PageNavigation& nav = m_ctx.navigation;
    ResetEq(nav.ChartBlock);
    nav.CurrentPage = m_ctx.pages->SelectPage(nav.CurrentTab);
    RefreshBlock(nav.CurrentPage / 256);
    m_ctx.DrawBlockCurve(m_ctx.state.SelectedBand[static_cast<std::size_t>(nav.CurrentPage % 256)],
                         nav.CurrentPage / 256);
}

} // namespace aec
