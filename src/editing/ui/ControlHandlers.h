#pragma once

class QAbstractButton;
class QWidget;

namespace aec {

class ParamCombo;
class ParamSlider;
class TwoStateButton;
struct EditorContext;

// What each family of parameter controls does when a person operates it: sliders with value
// panes, band type lists with their type labels, dynamic-EQ triggers, filter types, phase,
// mute and EQ pass buttons, operation mode, scenes, and the left/same/right link buttons.
class ControlHandlers
{
public:
    explicit ControlHandlers(EditorContext& context) : m_ctx(context) {}

    // Connects every control of each family under the window to its handler.
    void connectControls();

    void MicHPFreBarChange(ParamSlider* slider);
    void MusModeBox1Change(ParamCombo* list);
    void DEQTYpeOffBtn1Click(TwoStateButton* button);
    void MainHPTypeBoxChange(ParamCombo* list);
    void EchoEffPhaseBtnClick(TwoStateButton* button);
    void MainLmuteBtnClick(TwoStateButton* button);
    void MusEQAllpassBtnClick(TwoStateButton* button);
    void AutoModeBtnClick(TwoStateButton* button);
    void SetManualControlsEnabled(int manual, bool full);
    void SingModeBtnClick(TwoStateButton* button);
    void SameBtnClick(TwoStateButton* button);

    // Looks shared with the window refresh.
    void showTriggerChoice(ParamCombo* list, int chosen);
    void showTypeChoice(ParamCombo* list, int chosen);
    void showLinkChoice(int linkSelection);
    void showSceneChoice(int outputMode);
    void showOperationChoice(int manual);
    // The two-state toggle: "1" becomes "0" and back, with the look of its kind.
    static int Toggle(TwoStateButton* button);
    // Shows a two-state button in `state` (hint and picture) without storing anything.
    static void ShowState(TwoStateButton* button, int state);
    static bool IsPhaseButton(const QWidget* button);

private:
    void redrawAfterSelection();

    EditorContext& m_ctx;
};

} // namespace aec
