#pragma once

#include "editing/PageNavigation.h"

#include <QObject>

class QStackedWidget;
class QWidget;

namespace aec {

class EditFocus;
class Language;

// Page switching: the ten tab buttons, the effect buttons and the hidden-EQ source buttons,
// each highlighted in its group. Choosing a page sets the selection, lays out the controls the
// pages share and shows the page; whoever refreshes the window hears of it through pageShown.
class PageSwitcher : public QObject
{
    Q_OBJECT
public:
    PageSwitcher(PageNavigation& navigation, const Language& language, EditFocus& focus,
                 QWidget* window);

    // The tab row's ten tab buttons (Tags 0 to 9), and the edit that takes the focus away from
    // the pages' edit boxes.
    static QWidget* BuildTabButtons(QWidget* parent);

    // Connects the tab, effect and source buttons found under the window, and the page control.
    void connectControls(QStackedWidget* pages);

    void FormMusTabBtnClick(Tab tab);
    void EchoAToolButtonClick(int tag);
    void HintMusBtnClick(int tag);
    // The next (1) or previous (-1) page of the tab row, round the row's shown tabs.
    void stepTab(int direction);

    // SelectPage for a tab, with the shared controls laid out for it.
    PageRef SelectPage(Tab tab);
    // The tab highlight: the button chosen, CurrentTab and CurrentPage set.
    void highlightTab(Tab tab);
    // While the lock panel holds the window, the tab buttons are refused.
    void setLocked(bool locked) { m_locked = locked; }

signals:
    // A page, effect or source was chosen: its block is to be refreshed and drawn.
    void pageShown(aec::PageRef page);

private:
    void highlightGroup(const char* const* names, int count, int chosen);
    void applyLayout(const SharedControlsLayout& layout);
    QWidget* find(const char* name) const;

    PageNavigation& m_navigation;
    const Language& m_language;
    EditFocus& m_focus;
    QWidget* m_window;
    QStackedWidget* m_pages = nullptr;
    bool m_locked = false;
};

} // namespace aec
