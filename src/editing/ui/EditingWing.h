#pragma once

#include "chart/BandEditor.h"
#include "core/DeviceValue.h"
#include "editing/CompareSets.h"
#include "editing/PageNavigation.h"

#include <QObject>

#include <memory>

class QStackedWidget;
class QWidget;

namespace aec {

class BandHighlight;
class Binder;
class BindingHub;
class ChartPanelControls;
class EditFocus;
class EditHistory;
class Language;
class PageSwitcher;
class ParameterModel;
class VolumeControls;

// The editing wing of the main window: builds the parameter pages, the tab buttons, the buttons
// above the chart and the volume controls from the parameter table, binds them to the model,
// switches pages and keeps the window in line with the store. It keeps the person's edits as
// undoable steps and the A/B sets. It answers the chart's questions as its BandEditor and asks
// for curves through curveRequested.
class EditingWing : public QObject, public BandEditor
{
    Q_OBJECT
public:
    static constexpr int AllViewBlocks = -1;

    EditingWing(ParameterModel& model, const Language& language, QWidget* window);
    ~EditingWing() override;

    // The wing's widgets, for the window to place.
    QWidget* tabButtons() const { return m_tabButtons; }
    QWidget* chartButtons() const { return m_chartButtons; }
    QWidget* volumeChannels() const { return m_volumeChannels; }
    QWidget* volumeLimits() const { return m_volumeLimits; }
    // The parameter pages for the page control: music, microphones, effects, outputs, hidden
    // EQ and dynamic EQ.
    QWidget* page(Page page) const;
    // Once the window has placed the widgets: the page control, and the buttons connected.
    void connectControls(QStackedWidget* pageControl);

    // Brings the controls of a view block (or of all) in line with the store, without sending,
    // together with the link, operation, EQ pass and scene buttons; then the chart's curve.
    void RefreshBlock(int selector);
    // After a load from the processor: the whole window, then the page shown again.
    void refreshAfterLoad();
    // The start-up EQ: defaults in every band, nothing sent, and the window refreshed.
    void resetAllEq();
    void EQResetBtnClick();
    // Values an EQ import sets (processor addresses, every field of the page's bands), as the
    // person's edits: stored, announced and sent one per acknowledgement; then the page is
    // shown again. The one entry of an import, so that it can be undone as one step.
    void applyImportedBands(const DeviceValues& changes);

    ParameterModel& model() const { return m_model; }
    PageNavigation& navigation() { return m_navigation; }
    PageSwitcher& pages() const { return *m_pages; }
    EditFocus& focus() const { return *m_focus; }
    BindingHub& hub() const { return *m_hub; }
    Binder& binder() const { return *m_binder; }
    ChartPanelControls& chartPanel() const { return *m_chartPanel; }
    BandHighlight& highlight() const { return *m_highlight; }
    VolumeControls& volumes() const { return *m_volumes; }
    EditHistory& history() const { return *m_history; }
    CompareSets& compare() { return m_compare; }

    // Undo and redo of the person's last step, and the window brought in line with it.
    void undo();
    void redo();
    // Shows the set of a letter: the first press of the other letter copies the current
    // settings into it, later presses switch, as one undoable step.
    void compareLetter(CompareSets::Letter letter);

    // BandEditor: the chart's view of the page shown.
    int chartBlock() const override;
    int chartPage() const override;
    bool markersLocked() const override;
    bool eqPassOn() const override;
    void selectBand(int entry, BandField field) override;
    void setBandValue(int entry, BandField field, int value) override;
    void stepCurrentEdit(StepCode step) override;
    void dragStarted() override;
    void dragEnded() override;

signals:
    // DrawBlockCurve: a band (or AllBands, -1) of a view block is to be drawn again.
    void curveRequested(int band, int block);
    // The person chose a band of the block shown: the chart is to show its values.
    void bandChosen(int band, int block);
    // A refresh is done: the system page's controls and the panel lock follow.
    void refreshed();
    // The letter shown or the other letter's set changed: the ghost curve follows.
    void compareChanged();

private:
    void selectionChanged();
    void retargetRightSide();
    BilingualText chartInstance() const;
    class EditBinding* bandEdit(int entry, BandField field) const;

    ParameterModel& m_model;
    PageNavigation m_navigation;
    std::unique_ptr<BindingHub> m_hub;
    std::unique_ptr<EditFocus> m_focus;
    std::unique_ptr<Binder> m_binder;
    std::unique_ptr<EditHistory> m_history;
    CompareSets m_compare;
    bool m_dragging = false;
    PageSwitcher* m_pages;
    ChartPanelControls* m_chartPanel;
    BandHighlight* m_highlight;
    VolumeControls* m_volumes;
    QWidget* m_tabButtons;
    QWidget* m_chartButtons;
    QWidget* m_volumeChannels;
    QWidget* m_volumeLimits;
    QList<QWidget*> m_pageWidgets;
};

} // namespace aec
