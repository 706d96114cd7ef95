#pragma once

#include "core/BilingualText.h"
#include "core/SelectionState.h"

namespace aec {

// The ten tab buttons, by Tag.
namespace Tab {
constexpr int Music = 0;
constexpr int DynamicEq = 1;
constexpr int MicA = 2;
constexpr int MicB = 3;
constexpr int Effect = 4;
constexpr int Main = 5;
constexpr int Surround = 6;
constexpr int Centre = 7;
constexpr int Sub = 8;
constexpr int Hidden = 9;
constexpr int Count = 10;
} // namespace Tab

// Pages of the page control, by index.
namespace Page {
constexpr int Music = 0;
constexpr int Microphone = 1;
constexpr int Effect = 2;
constexpr int Output = 3;
constexpr int Hidden = 4;
constexpr int System = 7;
constexpr int DynamicEq = 8;
} // namespace Page

// How the controls that several pages share look on the page a tab shows: which groups are
// visible and enabled, and the captions that change with the page.
struct SharedControlsLayout
{
    bool copyGroupVisible = false;  // CopyGrop: left / same / right
    bool sceneGroupVisible = false; // SingleDiscoGrop: operation mode and scenes
    bool copyAndPassEnabled = true; // CopyGrop and EQPassGrop
    bool rightSideVisible = false;  // MainRmuteBtn, Label157, MainRdelayBar, MainRdelayPane
    int leftMuteX = 631;            // MainLmuteBtn's left edge
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

    int CurrentTab = Tab::Music;
    int CurrentPage = 0; // view block × 256 + page index
    int ChartBlock = 0;  // the view block whose curve the chart shows
    int LastEffectButton = 0;
    int ManualOperation = 1; // copy of block 0 slot 160: 1 manual, 0 automatic

    // Sets the selection for the tab and returns view block × 256 + page index; also sets
    // ChartBlock. Does not change CurrentTab or CurrentPage: the caller does.
    int SelectPage(int tab);
    SharedControlsLayout layoutFor(int tab) const;

    // Effect buttons (Tag 0 echo A, 1 echo B, 2 reverb): returns the view block (4 or 5) and
    // the effect sub-page through `subPage`.
    int ChooseEffect(int tag, int* subPage);
    // Source buttons of the hidden EQ page (Tag 0 music, 1 microphone A, 2 microphone B).
    void ChooseHiddenSource(int tag);

private:
    SelectionState& m_selection;
};

} // namespace aec
