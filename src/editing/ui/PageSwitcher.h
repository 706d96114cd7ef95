#pragma once

#include "editing/PageNavigation.h"

class QAbstractButton;
class QStackedWidget;

namespace aec {

struct EditorContext;

// Page switching: the ten tab buttons, the effect buttons and the hidden-EQ source buttons,
// each highlighted in its group; choosing a page sets the selection, lays out the controls
// the pages share, shows the page and refreshes it from the store.
class PageSwitcher
{
public:
    explicit PageSwitcher(EditorContext& context) : m_ctx(context) {}

    void connectControls();

    void FormMusTabBtnClick(int tab);
    void EchoAToolButtonClick(int tag);
    void HintMusBtnClick(int tag);

    // SelectPage for a tab, with the shared controls laid out for it.
    int SelectPage(int tab);
    // The tab highlight: the button chosen, CurrentTab and CurrentPage set.
    void highlightTab(int tab);

private:
    void highlightGroup(const char* const* names, int count, int chosen);
    void applyLayout(const SharedControlsLayout& layout);

    EditorContext& m_ctx;
};

} // namespace aec
