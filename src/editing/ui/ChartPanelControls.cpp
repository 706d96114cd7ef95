#include "editing/ui/ChartPanelControls.h"

#include "core/ParameterModel.h"
#include "editing/LinkSides.h"
#include "widgets/BindingHub.h"
#include "widgets/ControlTags.h"
#include "widgets/OnOffBinding.h"
#include "widgets/PageKit.h"
#include "widgets/ParamWidgets.h"
#include "widgets/SliderBinding.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

namespace aec {
namespace {

constexpr ParamAddress OperationAddress = 160;
constexpr ParamAddress SceneAddress = 161;

const char* const SceneButtons[] = {"SingModeBtn", "DiscoModeBtn", "CodeModeBtn"};
const char* const LinkButtons[] = {"LeftBtn", "SameBtn", "RightBtn"};
const char* const OperationButtons[] = {"AutoModeBtn", "ManulModeBtn"};

QGroupBox* ButtonGroup(QWidget* parent, const char* name,
                       std::initializer_list<const char*> buttons)
{
    auto* group = new QGroupBox(parent);
    group->setObjectName(QLatin1String(name));
    auto* layout = new QHBoxLayout(group);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(3);
    int tag = 0;
    for (const char* b : buttons) {
        auto* button = PageKit::Button(group, QLatin1String(b));
        SetTag(button, tag++);
        layout->addWidget(button);
    }
    return group;
}

// Where each pair keeps whether its sides are linked, and which pair a page shows.
struct LinkPair
{
    LinkGroup group;
    ParamAddress address;
};

} // namespace

ChartPanelControls::ChartPanelControls(ParameterModel& model, PageNavigation& navigation,
                                       BindingHub& hub, QWidget* window)
    : QObject(window), m_model(model), m_navigation(navigation), m_hub(hub), m_window(window)
{
}

QWidget* ChartPanelControls::BuildButtons(QWidget* parent)
{
    auto* row = new QWidget(parent);
    row->setObjectName(QStringLiteral("ChartButtons"));
    auto* groups = new QHBoxLayout(row);
    groups->setContentsMargins(0, 0, 0, 0);
    groups->addWidget(ButtonGroup(row, "CopyGrop", {"LeftBtn", "SameBtn", "RightBtn"}));
    groups->addWidget(
        ButtonGroup(row, "SingleDiscoGrop",
                    {"AutoModeBtn", "ManulModeBtn", "SingModeBtn", "DiscoModeBtn", "CodeModeBtn"}));
    groups->addStretch();
    auto* passLabel = PageKit::Label(row, QStringLiteral("EQPassLabel"));
    passLabel->hide();
    groups->addWidget(passLabel);
    groups->addWidget(ButtonGroup(row, "EQPassGrop", {"EQResetBtn", "MusEQAllpassBtn"}));
    groups->addWidget(ButtonGroup(row, "EqFileGrop", {"EQImportBtn", "EQExportBtn"}));
    return row;
}

QWidget* ChartPanelControls::find(const char* name) const
{
    return m_window->findChild<QWidget*>(QLatin1String(name));
}

TwoStateButton* ChartPanelControls::button(const char* name) const
{
    return m_window->findChild<TwoStateButton*>(QLatin1String(name));
}

void ChartPanelControls::connectControls()
{
    for (int side = 0; side < 3; ++side)
        if (TwoStateButton* b = button(LinkButtons[side]))
            connect(b, &QPushButton::clicked, this, [this, side] { SameBtnClick(side); });
    for (int scene = 0; scene < 3; ++scene)
        if (TwoStateButton* b = button(SceneButtons[scene]))
            connect(b, &QPushButton::clicked, this, [this, scene] { SingModeBtnClick(scene); });
    if (TwoStateButton* b = button("AutoModeBtn"))
        connect(b, &QPushButton::clicked, this, [this] { AutoModeBtnClick(false); });
    if (TwoStateButton* b = button("ManulModeBtn"))
        connect(b, &QPushButton::clicked, this, [this] { AutoModeBtnClick(true); });
    if (TwoStateButton* b = button("MusEQAllpassBtn"))
        connect(b, &QPushButton::clicked, this, &ChartPanelControls::MusEQAllpassBtnClick);
    if (TwoStateButton* b = button("EQResetBtn"))
        connect(b, &QPushButton::clicked, this, &ChartPanelControls::resetRequested);
    for (const char* name : {"AutoModeBtn", "ManulModeBtn"})
        if (QWidget* b = find(name))
            SetTag(b, OperationAddress);
    for (const char* name : SceneButtons)
        if (QWidget* b = find(name))
            SetTag(b, SceneAddress);
}

void ChartPanelControls::showChoice(const char* const* names, int count, int chosen,
                                    const char* otherwise)
{
    for (int i = 0; i < count; ++i)
        if (TwoStateButton* b = button(names[i]))
            b->setLook(i == chosen ? QStringLiteral("pressed") : QLatin1String(otherwise));
}

void ChartPanelControls::SameBtnClick(int side)
{
    SelectionState& selection = m_model.selection;
    LinkPair pair{LinkGroup::Music, 8};
    if (m_navigation.ChartBlock == Block::Music)
        pair = {LinkGroup::Music, 8};
    else if (m_navigation.ChartBlock == Block::MicA)
        pair = {LinkGroup::Microphones, MakeAddress(Block::MicA, 13)};
    else if (m_navigation.CurrentTab == Tab::Main)
        pair = {LinkGroup::Main, 162};
    else if (m_navigation.CurrentTab == Tab::Surround)
        pair = {LinkGroup::Surround, 163};
    else
        return; // the link buttons are hidden on every other page
    int& current = selection.LinkSelection(pair.group);
    // Leaving the linked state copies the first side onto the second, as linking does.
    if (side != LinkSide::Both && current == LinkSide::Both)
        CopyFirstSide(m_model.store, m_navigation.ChartBlock, m_navigation.CurrentTab);
    current = side;
    if (pair.group == LinkGroup::Microphones)
        emit microphoneTabChosen(side == LinkSide::Second ? Tab::MicB : Tab::MicA);
    showChoice(LinkButtons, 3, side, "staydown");
    // The processor keeps only whether the sides are linked; the side chosen is ours.
    m_model.set(pair.address, side == LinkSide::Both ? 1 : 0, Origin::Person);
    if (side == LinkSide::Both)
        CopyFirstSide(m_model.store, m_navigation.ChartBlock, m_navigation.CurrentTab);
    emit selectionChanged();
}

void ChartPanelControls::SingModeBtnClick(int scene)
{
    showChoice(SceneButtons, 3, scene, "staydown");
    m_model.set(SceneAddress, scene, Origin::Person);
    m_model.selection.OutputMode = scene;
    emit selectionChanged();
}

void ChartPanelControls::AutoModeBtnClick(bool manual)
{
    m_model.set(OperationAddress, manual ? 1 : 0, Origin::Person);
    m_navigation.ManualOperation = manual;
    SetManualControlsEnabled(manual, true);
}

void ChartPanelControls::MusEQAllpassBtnClick()
{
    TwoStateButton* pass = button("MusEQAllpassBtn");
    if (!pass || m_navigation.ChartBlock == Block::DynamicEq)
        return;
    m_eqPassOn = !m_eqPassOn;
    OnOffBinding::ShowState(pass, m_eqPassOn, false);
    const auto address = static_cast<ParamAddress>(Tag(pass));
    m_model.EqPassFlag[static_cast<std::size_t>(BlockOf(address))] = m_eqPassOn ? 1 : 0;
    m_model.set(address, m_eqPassOn ? 1 : 0, Origin::Person);
    if (QWidget* label = find("EQPassLabel"))
        label->setVisible(m_eqPassOn);
    SetManualControlsEnabled(m_navigation.ManualOperation, false);
}

bool ChartPanelControls::eqPassOn() const
{
    return m_eqPassOn;
}

void ChartPanelControls::SetManualControlsEnabled(bool manual, bool full)
{
    showChoice(OperationButtons, 2, manual ? 1 : 0, "greyed");
    if (full) {
        // The output page's controls: in automatic operation the processor sets them.
        for (Binding* binding : m_hub.bindings())
            if (auto* slider = qobject_cast<SliderBinding*>(binding);
                slider && slider->row().block() == Block::MainLeft)
                slider->slider()->setEnabled(manual);
        for (const char* name :
             {"AutoModeBtn", "SingModeBtn", "DiscoModeBtn", "CodeModeBtn", "MainLmuteBtn",
              "MainRmuteBtn", "MainRdelayBar", "AdvGroupBox6", "OutLimiteGroup", "OutLHPGroup",
              "AdvGroupBox21", "MainPanScrollBar"})
            if (QWidget* w = find(name))
                w->setEnabled(manual);
        if (m_navigation.ChartBlock >= Block::MainLeft)
            for (const char* name : {"CopyGrop", "EQPassGrop", "EqFileGrop"})
                if (QWidget* w = find(name))
                    w->setEnabled(manual);
    }
    QWidget* passGroup = find("EQPassGrop");
    if (QWidget* reset = find("EQResetBtn"))
        reset->setEnabled(!m_eqPassOn && passGroup && passGroup->isEnabled());
}

void ChartPanelControls::refresh()
{
    // Link sides from the store: a stored link selects both sides; an unlinked pair keeps the
    // side chosen, or the first side if both were linked.
    SelectionState& selection = m_model.selection;
    const ViewValues& view = m_model.view;
    const LinkPair pairs[] = {{LinkGroup::Music, 8},
                              {LinkGroup::Microphones, MakeAddress(Block::MicA, 13)},
                              {LinkGroup::Main, 162},
                              {LinkGroup::Surround, 163}};
    for (const LinkPair& p : pairs) {
        int& side = selection.LinkSelection(p.group);
        if (view.at(p.address) == 1)
            side = LinkSide::Both;
        else if (side == LinkSide::Both)
            side = LinkSide::First;
    }
    m_navigation.ManualOperation = view.at(0, 160) != 0;

    const int block = m_navigation.ChartBlock;
    const Tab tab = m_navigation.CurrentTab;
    if (block == Block::Music)
        showChoice(LinkButtons, 3, selection.LinkSelection(LinkGroup::Music), "staydown");
    else if (block == Block::MicA)
        showChoice(LinkButtons, 3, selection.LinkSelection(LinkGroup::Microphones), "staydown");
    else if (tab == Tab::Main)
        showChoice(LinkButtons, 3, selection.LinkSelection(LinkGroup::Main), "staydown");
    else if (tab == Tab::Surround)
        showChoice(LinkButtons, 3, selection.LinkSelection(LinkGroup::Surround), "staydown");

    // The EQ pass button stands for the shown block's EQ pass; the dynamic EQ has none.
    TwoStateButton* pass = button("MusEQAllpassBtn");
    if (pass) {
        pass->setVisible(block != Block::DynamicEq);
        if (block == Block::DynamicEq) {
            m_eqPassOn = false;
        } else {
            const auto address = MakeAddress(block, EqPassSlot(block));
            SetTag(pass, address);
            m_eqPassOn = view.at(address) != 0;
            m_model.EqPassFlag[static_cast<std::size_t>(block)] = m_eqPassOn ? 1 : 0;
        }
        OnOffBinding::ShowState(pass, m_eqPassOn, false);
    }
    if (QWidget* label = find("EQPassLabel"))
        label->setVisible(m_eqPassOn);
    SetManualControlsEnabled(m_navigation.ManualOperation, true);
    showChoice(SceneButtons, 3, selection.OutputMode, "staydown");
}

} // namespace aec
