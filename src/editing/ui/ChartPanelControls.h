#pragma once

#include "editing/PageNavigation.h"

#include <QObject>

class QWidget;

namespace aec {

class BindingHub;
class ParameterModel;
class TwoStateButton;

// The button groups above the chart that act on the page shown: left / same / right (which
// side of a pair the page edits, and the copy of one side onto the other), automatic or manual
// operation, the three scenes, the EQ pass of the shown block and the EQ reset.
class ChartPanelControls : public QObject
{
    Q_OBJECT
public:
    ChartPanelControls(ParameterModel& model, PageNavigation& navigation, BindingHub& hub,
                       QWidget* window);

    // CopyGrop, SingleDiscoGrop, the EQ pass label and EQPassGrop, in a row.
    static QWidget* BuildButtons(QWidget* parent);
    void connectControls();

    void SameBtnClick(int side);
    void SingModeBtnClick(int scene);
    void AutoModeBtnClick(bool manual);
    void MusEQAllpassBtnClick();
    void SetManualControlsEnabled(bool manual, bool full);

    // The part of a refresh: link sides, operation, EQ pass and scene as the store holds them.
    void refresh();
    bool eqPassOn() const;

signals:
    // The side or scene changed: the page is to be selected and refreshed again.
    void selectionChanged();
    // The microphone side chosen selects microphone A's or B's tab.
    void microphoneTabChosen(aec::Tab tab);
    void resetRequested();

private:
    void showChoice(const char* const* names, int count, int chosen, const char* otherwise);
    TwoStateButton* button(const char* name) const;
    QWidget* find(const char* name) const;

    ParameterModel& m_model;
    PageNavigation& m_navigation;
    BindingHub& m_hub;
    QWidget* m_window;
    bool m_eqPassOn = false;
};

} // namespace aec
