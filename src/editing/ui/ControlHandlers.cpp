#include "editing/ui/ControlHandlers.h"

#include "core/BlockLayout.h"
#include "editing/LinkSides.h"
#include "editing/ValueKind.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/ControlValues.h"
#include "editing/ui/EditorContext.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/WindowRefresh.h"

#include <QAbstractButton>
#include <QSignalBlocker>

namespace aec {
namespace {

constexpr ParamAddress OperationAddress = 160;
constexpr ParamAddress SceneAddress = 161;

const char* const SceneButtons[] = {"SingModeBtn", "DiscoModeBtn", "CodeModeBtn"};
const char* const LinkButtons[] = {"LeftBtn", "SameBtn", "RightBtn"};

QString Look(bool pressed, const char* otherwise)
{
    return pressed ? QStringLiteral("pressed") : QLatin1String(otherwise);
}

} // namespace

bool ControlHandlers::IsPhaseButton(const QWidget* button)
{
    return button && button->property("role").toString() == QLatin1String("phase");
}

int ControlHandlers::Toggle(TwoStateButton* button)
{
    const int state = Hint(button) == QLatin1String("1") ? 0 : 1;
    ShowState(button, state);
    return state;
}

void ControlHandlers::ShowState(TwoStateButton* button, int state)
{
    SetHint(button, QString::number(state));
    if (IsPhaseButton(button))
        button->setLook(state ? QStringLiteral("phase1") : QStringLiteral("phase0"));
    else
        button->setLook(Look(state == 1, "greyed"));
}

void ControlHandlers::connectControls()
{
    QWidget* w = m_ctx.window;
    for (ParamSlider* slider : w->findChildren<ParamSlider*>()) {
        const QString name = slider->objectName();
        if (name.startsWith(QLatin1String("Sys")) || name.contains(QLatin1String("PanScrollBar")))
            continue; // system volumes and column scrolling have their own handling
        if (name.contains(QLatin1String("EQGainBar")) ||
            name.startsWith(QLatin1String("DEQGainBar")))
            continue; // band gain sliders belong to band editing
        QObject::connect(slider, &QSlider::valueChanged, slider,
                         [this, slider] { MicHPFreBarChange(slider); });
    }
    for (ParamCombo* list : w->findChildren<ParamCombo*>()) {
        const int kind = Hint(list).isEmpty() ? -1 : Hint(list).toInt();
        if (kind == Kind::BandType)
            QObject::connect(list, &QComboBox::activated, list,
                             [this, list] { MusModeBox1Change(list); });
        else if (kind == Kind::HighPassList || kind == Kind::LowPassList)
            QObject::connect(list, &QComboBox::activated, list,
                             [this, list] { MainHPTypeBoxChange(list); });
    }
    for (TwoStateButton* button : w->findChildren<TwoStateButton*>()) {
        const QString name = button->objectName();
        void (ControlHandlers::*handler)(TwoStateButton*) = nullptr;
        if (IsPhaseButton(button))
            handler = &ControlHandlers::EchoEffPhaseBtnClick;
        else if (name == QLatin1String("MainLmuteBtn") || name == QLatin1String("MainRmuteBtn"))
            handler = &ControlHandlers::MainLmuteBtnClick;
        else if (name == QLatin1String("MusEQAllpassBtn"))
            handler = &ControlHandlers::MusEQAllpassBtnClick;
        else if (name.startsWith(QLatin1String("DEQTYpe")))
            handler = &ControlHandlers::DEQTYpeOffBtn1Click;
        else if (name == QLatin1String("AutoModeBtn") || name == QLatin1String("ManulModeBtn"))
            handler = &ControlHandlers::AutoModeBtnClick;
        else if (name == QLatin1String("SingModeBtn") || name == QLatin1String("DiscoModeBtn") ||
                 name == QLatin1String("CodeModeBtn"))
            handler = &ControlHandlers::SingModeBtnClick;
        else if (name == QLatin1String("LeftBtn") || name == QLatin1String("SameBtn") ||
                 name == QLatin1String("RightBtn"))
            handler = &ControlHandlers::SameBtnClick;
        if (handler)
            QObject::connect(button, &QPushButton::clicked, button,
                             [this, button, handler] { (this->*handler)(button); });
    }
    if (auto* reset = qobject_cast<QAbstractButton*>(m_ctx.find("EQResetBtn")))
        QObject::connect(reset, &QAbstractButton::clicked, reset,
                         [this] { m_ctx.refresh->EQResetBtnClick(); });
    // The operation and scene buttons carry the addresses they write.
    for (const char* name : {"AutoModeBtn", "ManulModeBtn"})
        if (QWidget* b = m_ctx.find(name))
            SetTag(b, OperationAddress);
    for (const char* name : SceneButtons)
        if (QWidget* b = m_ctx.find(name))
            SetTag(b, SceneAddress);
}

void ControlHandlers::MicHPFreBarChange(ParamSlider* slider)
{
    if (m_ctx.state.SettingPosition)
        return;
    QWidget* pane = m_ctx.map.ValuePane(static_cast<ParamAddress>(Tag(slider)));
    // During a refresh the slider only shows the store: nothing is stored, and the edit the
    // person chose stays the one the wheel acts on.
    const bool refreshing = m_ctx.state.ControlUpdateGuard != 0;
    if (qobject_cast<StatusPane*>(pane))
        m_ctx.values->SetControlValue(pane, StepCode::None, refreshing, slider->value());
    if (!refreshing)
        m_ctx.CurrentEdit = m_ctx.map.Example;
}

void ControlHandlers::showTriggerChoice(ParamCombo* list, int chosen)
{
    const auto address = static_cast<ParamAddress>(Tag(list));
    for (int k = 0; k < 3; ++k)
        if (auto* button = qobject_cast<TwoStateButton*>(m_ctx.map.AuxControl(address, k)))
            button->setLook(Look(k == chosen, "greyed"));
}

void ControlHandlers::showTypeChoice(ParamCombo* list, int chosen)
{
    const auto address = static_cast<ParamAddress>(Tag(list));
    for (int k = 0; k < ControlMap::AuxCount; ++k)
        if (auto* label = qobject_cast<TypeLabel*>(m_ctx.map.AuxControl(address, k)))
            label->setChosen(Hint(label).toInt() == chosen);
}

void ControlHandlers::MusModeBox1Change(ParamCombo* list)
{
    const auto a = static_cast<ParamAddress>(Tag(list));
    const int t = std::max(0, list->currentIndex());
    if (qobject_cast<TwoStateButton*>(
            m_ctx.map.AuxControl(a, std::min(t, ControlMap::AuxCount - 1))))
        showTriggerChoice(list, std::min(t, 2));
    if (qobject_cast<TypeLabel*>(m_ctx.map.AuxControl(a, std::min(t, 3))))
        showTypeChoice(list, std::min(t, 3));
    if (m_ctx.SendSuppressed() == 1)
        return;
    m_ctx.SetParameter(a, t);
    if (!list->objectName().startsWith(QLatin1String("DEQTypeBox"))) {
        const auto q = static_cast<ParamAddress>(a + (t <= 1 ? 3 : 4));
        QWidget* qEdit = m_ctx.map.PrimaryControl(q);
        m_ctx.CurrentEdit = qEdit;
        if (qEdit)
            m_ctx.values->SetControlValue(qEdit, StepCode::None, true, m_ctx.model.view.at(q));
    }
    m_ctx.state.LastEdit = {a, t};
}

void ControlHandlers::DEQTYpeOffBtn1Click(TwoStateButton* button)
{
    const int group = button->property("group").toInt();
    QWidget* named = m_ctx.find(QStringLiteral("DEQTypeBox%1").arg(group).toLatin1().constData());
    auto* list =
        qobject_cast<ParamCombo*>(m_ctx.map.PrimaryControl(static_cast<ParamAddress>(Tag(named))));
    if (!list)
        return;
    {
        const QSignalBlocker quiet(list);
        list->setCurrentIndex(Tag(button));
    }
    MusModeBox1Change(list);
}

void ControlHandlers::MainHPTypeBoxChange(ParamCombo* list)
{
    const auto a = static_cast<ParamAddress>(Tag(list));
    m_ctx.SetParameter(a, std::max(0, list->currentIndex()));
    const int band = EqBandCount[BlockOf(a)] + (Hint(list).toInt() == Kind::LowPassList ? 1 : 0);
    m_ctx.DrawBlockCurve(band, m_ctx.navigation.ChartBlock);
}

void ControlHandlers::EchoEffPhaseBtnClick(TwoStateButton* button)
{
    m_ctx.SetParameter(static_cast<ParamAddress>(Tag(button)), Toggle(button));
}

void ControlHandlers::MainLmuteBtnClick(TwoStateButton* button)
{
    m_ctx.SetParameter(static_cast<ParamAddress>(Tag(button)), Toggle(button));
}

void ControlHandlers::MusEQAllpassBtnClick(TwoStateButton* button)
{
    const int state = Toggle(button);
    const auto address = static_cast<ParamAddress>(Tag(button));
    m_ctx.model.EqPassFlag[static_cast<std::size_t>(BlockOf(address))] = state;
    m_ctx.SetParameter(address, state);
    if (QWidget* label = m_ctx.find("EQPassLabel"))
        label->setVisible(state != 0);
    SetManualControlsEnabled(m_ctx.navigation.ManualOperation, false);
}

void ControlHandlers::showOperationChoice(int manual)
{
    if (auto* automatic = qobject_cast<TwoStateButton*>(m_ctx.find("AutoModeBtn")))
        automatic->setLook(Look(manual == 0, "greyed"));
    if (auto* manualButton = qobject_cast<TwoStateButton*>(m_ctx.find("ManulModeBtn")))
        manualButton->setLook(Look(manual != 0, "greyed"));
}

void ControlHandlers::AutoModeBtnClick(TwoStateButton* button)
{
    const int state = button->objectName() == QLatin1String("ManulModeBtn") ? 1 : 0;
    showOperationChoice(state);
    m_ctx.SetParameter(OperationAddress, state);
    m_ctx.navigation.ManualOperation = state;
    SetManualControlsEnabled(state, true);
}

void ControlHandlers::SetManualControlsEnabled(int manual, bool full)
{
    const bool enabled = manual != 0;
    if (full) {
        for (int slot = 0; slot <= 70; ++slot)
            if (auto* slider = qobject_cast<ParamSlider*>(m_ctx.map.PrimaryControl(6, slot)))
                slider->setEnabled(enabled);
        for (const char* name :
             {"AutoModeBtn", "SingModeBtn", "DiscoModeBtn", "CodeModeBtn", "MainLmuteBtn",
              "MainRmuteBtn", "MainRdelayBar", "AdvGroupBox6", "OutLimiteGroup", "OutLHPGroup",
              "AdvGroupBox21", "MainPanScrollBar"})
            if (QWidget* w = m_ctx.find(name))
                w->setEnabled(enabled);
        if (m_ctx.navigation.ChartBlock >= Block::MainLeft)
            for (const char* name : {"CopyGrop", "EQPassGrop"})
                if (QWidget* w = m_ctx.find(name))
                    w->setEnabled(enabled);
    }
    QWidget* passGroup = m_ctx.find("EQPassGrop");
    QWidget* passButton = m_ctx.find("MusEQAllpassBtn");
    const int passBlock = m_ctx.navigation.ChartBlock == Block::DynamicEq
                              ? -1
                              : BlockOf(static_cast<ParamAddress>(Tag(passButton)));
    const bool passOn =
        passBlock >= 0 && m_ctx.model.EqPassFlag[static_cast<std::size_t>(passBlock)] != 0;
    if (QWidget* reset = m_ctx.find("EQResetBtn"))
        reset->setEnabled(!passOn && passGroup && passGroup->isEnabled());
}

void ControlHandlers::showSceneChoice(int outputMode)
{
    for (int i = 0; i < 3; ++i)
        if (auto* b = qobject_cast<TwoStateButton*>(m_ctx.find(SceneButtons[i])))
            b->setLook(Look(i == outputMode, "staydown"));
}

void ControlHandlers::showLinkChoice(int linkSelection)
{
    for (int i = 0; i < 3; ++i)
        if (auto* b = qobject_cast<TwoStateButton*>(m_ctx.find(LinkButtons[i])))
            b->setLook(Look(i == linkSelection, "staydown"));
}

void ControlHandlers::SingModeBtnClick(TwoStateButton* button)
{
    int state = 0;
    while (state < 2 && button->objectName() != QLatin1String(SceneButtons[state]))
        ++state;
    showSceneChoice(state);
    m_ctx.SetParameter(SceneAddress, state);
    m_ctx.model.selection.OutputMode = state;
    redrawAfterSelection();
}

// A new selection on the shown page: select it again, refresh it and redraw its curve.
void ControlHandlers::redrawAfterSelection()
{
    PageNavigation& nav = m_ctx.navigation;
    nav.CurrentPage = m_ctx.pages->SelectPage(nav.CurrentTab);
    m_ctx.refresh->RefreshBlock(nav.CurrentPage / 256);
    m_ctx.DrawBlockCurve(m_ctx.state.SelectedBand[static_cast<std::size_t>(nav.CurrentPage % 256)],
                         nav.CurrentPage / 256);
}

void ControlHandlers::SameBtnClick(TwoStateButton* button)
{
    const int s = Tag(button);
    PageNavigation& nav = m_ctx.navigation;
    SelectionState& sel = m_ctx.model.selection;
    ParamAddress address = 0;
    LinkGroup group = LinkGroup::Music;
    if (nav.ChartBlock == Block::Music) {
        address = 8;
    } else if (nav.ChartBlock == Block::MicA) {
        address = 525;
        group = LinkGroup::Microphones;
    } else if (nav.CurrentTab == Tab::Main) {
        address = 162;
        group = LinkGroup::Main;
    } else if (nav.CurrentTab == Tab::Surround) {
        address = 163;
        group = LinkGroup::Surround;
    } else {
        return; // the link buttons are hidden on every other page
    }
    // Leaving the linked state copies the first side onto the second, as linking does.
    if (s != LinkSide::Both && sel.LinkSelection(group) == LinkSide::Both)
        CopyFirstSide(m_ctx.model.store, nav.ChartBlock, nav.CurrentTab);
    sel.LinkSelection(group) = s;
    if (group == LinkGroup::Microphones)
        m_ctx.pages->highlightTab(s == LinkSide::Second ? Tab::MicB : Tab::MicA);

    showLinkChoice(s);
    // The processor keeps only whether the sides are linked; the side chosen is ours.
    m_ctx.SetParameter(address, s == LinkSide::Both ? 1 : 0);
    if (s == LinkSide::Both)
        CopyFirstSide(m_ctx.model.store, nav.ChartBlock, nav.CurrentTab);
    redrawAfterSelection();
}

} // namespace aec
