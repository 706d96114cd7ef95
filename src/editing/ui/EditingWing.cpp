#include "editing/ui/EditingWing.h"

#include "chart/BandTable.h"
#include "core/Language.h"
#include "core/ParameterModel.h"
#include "core/ParameterNames.h"
#include "editing/EditHistory.h"
#include "editing/EqReset.h"
#include "editing/ui/BandHighlight.h"
#include "editing/ui/ChartPanelControls.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/ParameterPages.h"
#include "editing/ui/VolumeControls.h"
#include "widgets/BandColumn.h"
#include "widgets/BandColumnBinding.h"
#include "widgets/Binder.h"
#include "widgets/BindingHub.h"
#include "widgets/EditBinding.h"
#include "widgets/EditFocus.h"
#include "widgets/OnOffBinding.h"
#include "widgets/ParamWidgets.h"
#include "widgets/SliderBinding.h"

#include <QStackedWidget>

#include <utility>
#include <vector>

namespace aec {

EditingWing::EditingWing(ParameterModel& model, const Language& language, QWidget* window)
    : QObject(window), m_model(model), m_language(language), m_navigation(model.selection),
      m_hub(std::make_unique<BindingHub>(model)), m_focus(std::make_unique<EditFocus>()),
      m_binder(std::make_unique<Binder>(model, *m_hub, *m_focus)),
      m_history(std::make_unique<EditHistory>(model))
{
    m_tabButtons = PageSwitcher::BuildTabButtons(window);
    m_chartButtons = ChartPanelControls::BuildButtons(window);
    m_pageWidgets = {BuildMusicPage(window, *m_binder),    BuildMicrophonePage(window, *m_binder),
                     BuildEffectPage(window, *m_binder),   BuildOutputPage(window, *m_binder),
                     BuildHiddenEqPage(window, *m_binder), BuildDynamicEqPage(window, *m_binder)};
    m_volumes = new VolumeControls(model, *m_binder, language, this);
    m_volumeChannels = m_volumes->BuildChannels(window);
    m_volumeLimits = m_volumes->BuildLimits(window);

    m_pages = new PageSwitcher(m_navigation, language, *m_focus, window);
    m_chartPanel = new ChartPanelControls(model, m_navigation, *m_hub, window);
    m_highlight = new BandHighlight(*m_binder, *m_focus, this);

    // As the binding pass leaves them: the low-pass filters open, the first music frequency the
    // edit the wheel would step.
    model.store.setInitialLowPassValues();
    m_focus->setCurrent(m_binder->find<EditBinding>(QStringLiteral("MusFreEdit1")));

    // Screen readers hear the new language at once, not only after the next refresh.
    connect(&language, &Language::changed, this, [this] {
        m_binder->names().nameControls(m_model, m_language.isChinese(), AccessibleNames::AllBlocks);
    });

    // Moving a slider with a value pane leaves no band edit for the wheel.
    for (Binding* binding : m_hub->bindings())
        if (auto* slider = qobject_cast<SliderBinding*>(binding);
            slider && slider->pane() && slider->row().block() != Block::SystemVolume)
            connect(slider, &Binding::edited, m_focus.get(), &EditFocus::clear);
}

EditingWing::~EditingWing()
{
    dragEnded();
}

QWidget* EditingWing::page(Page page) const
{
    switch (page) {
    case Page::Music:
        return m_pageWidgets[0];
    case Page::Microphone:
        return m_pageWidgets[1];
    case Page::Effect:
        return m_pageWidgets[2];
    case Page::Output:
        return m_pageWidgets[3];
    case Page::Hidden:
        return m_pageWidgets[4];
    case Page::DynamicEq:
        return m_pageWidgets[5];
    case Page::System:
        break;
    }
    return nullptr;
}

void EditingWing::connectControls(QStackedWidget* pageControl)
{
    m_pages->connectControls(pageControl);
    m_chartPanel->connectControls();
    connect(m_pages, &PageSwitcher::pageShown, this,
            [this](PageRef page) { RefreshBlock(page.block); });
    connect(m_chartPanel, &ChartPanelControls::selectionChanged, this,
            &EditingWing::selectionChanged);
    connect(m_chartPanel, &ChartPanelControls::microphoneTabChosen, m_pages,
            &PageSwitcher::highlightTab);
    connect(m_chartPanel, &ChartPanelControls::resetRequested, this, &EditingWing::EQResetBtnClick);
    connect(m_highlight, &BandHighlight::bandSelected, this, [this](int block, int band) {
        if (block == m_navigation.ChartBlock)
            emit bandChosen(band, block);
    });
}

// The right-side delay and mute stand for the right block of the main or surround family shown.
void EditingWing::retargetRightSide()
{
    const int shown = m_model.selection.CurrentOutputBlock;
    const int family = shown >= 6 && shown <= 11 ? 6 : shown >= 12 && shown <= 17 ? 12 : 0;
    if (family == 0)
        return;
    for (const char* name : {"MainRdelayBar", "MainRmuteBtn"})
        if (Binding* binding = m_binder->find(QLatin1String(name)))
            m_hub->retarget(binding, MakeAddress(family + 3, binding->row().slot()));
}

void EditingWing::RefreshBlock(int selector)
{
    m_model.RebuildViewValues();
    const int mode = m_model.store.at(Block::Music, 161);
    m_model.selection.OutputMode = mode < 3 ? mode : 0;
    retargetRightSide();
    if (selector == AllViewBlocks) {
        m_hub->showAll();
    } else {
        m_hub->showBlock(selector);
        m_hub->showBlock(9);
        m_hub->showBlock(15);
        m_hub->showBlock(Block::SystemVolume);
        m_hub->showBlock(Block::System);
        m_hub->showFixed();
    }
    m_chartPanel->refresh();
    m_binder->names().nameControls(m_model, m_language.isChinese(),
                                   selector == AllViewBlocks ? AccessibleNames::AllBlocks
                                                             : selector);
    emit curveRequested(AllBands, m_navigation.CurrentPage.block);
    emit refreshed();
}

void EditingWing::refreshAfterLoad()
{
    RefreshBlock(AllViewBlocks);
    m_navigation.CurrentPage = m_pages->SelectPage(m_navigation.CurrentTab);
    RefreshBlock(m_navigation.CurrentPage.block);
}

void EditingWing::resetAllEq()
{
    ResetAllEq(m_model);
    RefreshBlock(AllViewBlocks);
}

void EditingWing::EQResetBtnClick()
{
    m_history->labelStep({QStringLiteral("EQ重置：") + chartInstance().chinese,
                          QStringLiteral("EQ reset: ") + chartInstance().english});
    {
        ChangeBatch batch(m_model);
        ResetEq(m_model, m_navigation.ChartBlock);
    }
    selectionChanged();
}

void EditingWing::applyImportedBands(const DeviceValues& changes)
{
    m_history->labelStep({QStringLiteral("导入EQ：") + chartInstance().chinese,
                          QStringLiteral("Import EQ: ") + chartInstance().english});
    {
        ChangeBatch batch(m_model);
        for (const DeviceValue& change : changes)
            m_model.setDevice(change.address, change.value, Origin::Person, nullptr, true);
    }
    selectionChanged();
}

// The processor block the chart's page edits, as people name it ("MIC B").
BilingualText EditingWing::chartInstance() const
{
    const ParamAddress first = m_model.ViewToDeviceAddress(MakeAddress(m_navigation.ChartBlock, 0));
    return InstanceOf(BlockOf(first)).caption;
}

void EditingWing::undo()
{
    m_history->undo();
    RefreshBlock(m_navigation.CurrentPage.block);
}

void EditingWing::redo()
{
    m_history->redo();
    RefreshBlock(m_navigation.CurrentPage.block);
}

void EditingWing::compareLetter(CompareSets::Letter letter)
{
    const CompareSets::Letter before = m_compare.shown();
    const std::optional<ParamStore> target = m_compare.press(letter, m_model.store);
    if (!target)
        return;
    const QString name =
        letter == CompareSets::Letter::A ? QStringLiteral("A") : QStringLiteral("B");
    m_history->applySet(*target,
                        {QStringLiteral("切换到 ") + name, QStringLiteral("Switch to ") + name},
                        [this, letter, before](bool done) {
                            m_compare.show(done ? letter : before);
                            emit compareChanged();
                        });
    RefreshBlock(m_navigation.CurrentPage.block);
    emit compareChanged();
}

void EditingWing::dragStarted()
{
    if (!std::exchange(m_dragging, true))
        m_model.beginBatch();
}

void EditingWing::dragEnded()
{
    if (std::exchange(m_dragging, false))
        m_model.endBatch();
}

// A new side or scene on the shown page: select it again, refresh it and redraw its curve.
void EditingWing::selectionChanged()
{
    m_navigation.CurrentPage = m_pages->SelectPage(m_navigation.CurrentTab);
    const int block = m_navigation.CurrentPage.block;
    RefreshBlock(block);
    emit curveRequested(m_highlight->selectedBand(block), block);
}

// ---- The chart's view ------------------------------------------------------------------------

int EditingWing::chartBlock() const
{
    return m_navigation.ChartBlock;
}

int EditingWing::chartPage() const
{
    return static_cast<int>(m_navigation.CurrentPage.page);
}

bool EditingWing::markersLocked() const
{
    return m_navigation.CurrentPage.page == Page::Output &&
           m_model.store.at(Block::Music, 160) == 0;
}

bool EditingWing::eqPassOn() const
{
    return m_chartPanel->eqPassOn();
}

EditBinding* EditingWing::bandEdit(int entry, BandField field) const
{
    for (BandColumnBinding* column : m_binder->columns()) {
        if (column->column()->family().viewBlock != m_navigation.ChartBlock ||
            column->column()->band() != entry)
            continue;
        switch (field) {
        case BandField::Frequency:
            return column->frequency();
        case BandField::Gain:
            return column->gain();
        case BandField::PeakQ:
        case BandField::ShelfQ:
            return column->q();
        case BandField::Type:
            break;
        }
    }
    return nullptr;
}

void EditingWing::selectBand(int entry, BandField field)
{
    EditBinding* edit = bandEdit(entry, field);
    if (edit && edit->edit()->isEnabled())
        edit->click();
}

void EditingWing::setBandValue(int entry, BandField field, int value)
{
    const int block = m_navigation.ChartBlock;
    if (entry >= HighPassEntry) {
        // A filter marker moves the filter's frequency slider.
        int highPass = -1;
        int lowPass = -1;
        if (!FilterTypeSlots(block, &highPass, &lowPass))
            return;
        const int slot = (entry == HighPassEntry ? highPass : lowPass) + 1;
        for (Binding* binding : m_hub->bindingsAt(MakeAddress(block, slot)))
            if (auto* slider = qobject_cast<SliderBinding*>(binding))
                slider->slider()->setValue(value);
        return;
    }
    if (EditBinding* edit = bandEdit(entry, field)) {
        if (field == BandField::Frequency)
            m_focus->setCurrent(edit);
        edit->SetControlValue(StepCode::None, value);
    }
}

void EditingWing::stepCurrentEdit(StepCode step)
{
    if (EditBinding* edit = m_focus->current())
        edit->StepCurrentEdit(step);
}

void EditingWing::resetBand(int entry)
{
    const int block = m_navigation.ChartBlock;
    if (entry < 0 || entry >= EqBandCount[std::size_t(block)])
        return;
    // Only the fields away from their defaults, as a drag sends only what it changes.
    std::vector<std::pair<ParamAddress, int>> changes;
    for (int f = 0; f < 5; ++f) {
        const auto field = static_cast<BandField>(f);
        const ParamAddress address = MakeAddress(block, BandSlot(block, entry, field));
        const int value = DefaultBandValue(block, entry, field);
        if (m_model.view.at(address) != value)
            changes.emplace_back(address, value);
    }
    // A label without changes would name the next step instead.
    if (changes.empty())
        return;
    const BilingualText where = chartInstance();
    m_history->labelStep({QStringLiteral("频段%1复位：").arg(entry + 1) + where.chinese,
                          QStringLiteral("Band %1 reset: ").arg(entry + 1) + where.english});
    ChangeBatch batch(m_model);
    for (const auto& [address, value] : changes)
        m_model.set(address, value, Origin::Person);
}

} // namespace aec
