#pragma once

#include "core/BilingualText.h"
#include "core/SelectionState.h"

#include <QMetaType>

namespace aec {

// The ten tab buttons, by Tag.
enum class Tab : int {
    Music = 0,
    DynamicEq = 1,
    MicA = 2,
    MicB = 3,
    Effect = 4,
    Main = 5,
    Surround = 6,
    Centre = 7,
    Sub = 8,
    Hidden = 9,
};
constexpr int TabCount = 10;

// Pages of the page control, by index.
enum class Page : int {
    Music = 0,
    Microphone = 1,
    Effect = 2,
    Output = 3,
    Hidden = 4,
    System = 7,
    DynamicEq = 8,
};

// A page shown and the view block its controls edit.
struct PageRef
{
    int block = 0;
    Page page = Page::Music;
    friend bool operator==(PageRef a, PageRef b) { return a.block == b.block && a.page == b.page; }
};

// How the controls that several pages share look on the page a tab shows: which groups are
// visible and enabled, and the captions that change with the page.
struct SharedControlsLayout
{
    bool copyGroupVisible = false;  // CopyGrop: left / same / right
    bool sceneGroupVisible = false; // SingleDiscoGrop: operation mode and scenes
    bool copyAndPassEnabled = true; // CopyGrop and EQPassGrop
    bool rightSideVisible = false;  // MainRmuteBtn, Label157, MainRdelayBar, MainRdelayPane
    BilingualText leftButton;       // LeftBtn
    BilingualText rightButton;      // RightBtn
    BilingualText outputLimiter;    // OutLimiteGroup
    BilingualText outputCrossover;  // OutLHPGroup
    BilingualText leftMute;         // MainLmuteBtn
    BilingualText leftDelay;        // OutLDelayLabel
    BilingualText micLimiter;       // AdvGroupBox1 on the microphone page
    BilingualText micNoiseGate;     // AdvGroupBox16
};

// The page shown and the selection the shared controls stand for. SelectPage sets the
// processor blocks for a tab; the effect and source buttons choose among echo A, echo B and
// reverb, and among the three hidden EQs.
class PageNavigation
{
public:
    explicit PageNavigation(SelectionState& selection) : m_selection(selection) {}
    const SelectionState& selection() const { return m_selection; }

    Tab CurrentTab = Tab::Music;
    PageRef CurrentPage;
    int ChartBlock = 0; // the view block whose curve the chart shows
    int LastEffectButton = 0;
    bool ManualOperation = true; // block 0 slot 160 is not 0

    // Sets the selection for the tab and returns its page; also sets ChartBlock. Does not
    // change CurrentTab or CurrentPage: the caller does.
    PageRef SelectPage(Tab tab);
    SharedControlsLayout layoutFor(Tab tab) const;

    // Effect buttons (Tag 0 echo A, 1 echo B, 2 reverb): returns the view block (4 or 5) and
    // the effect sub-page through `subPage`.
    int ChooseEffect(int tag, int* subPage);
    // Source buttons of the hidden EQ page (Tag 0 music, 1 microphone A, 2 microphone B).
    void ChooseHiddenSource(int tag);

private:
    SelectionState& m_selection;
};

} // namespace aec
