#pragma once

#include "editing/ValueKind.h"

#include <QObject>

class QKeyEvent;
class QWidget;

namespace aec {

class ParamEdit;
class ParamSlider;
class SpinButtons;
class TypeLabel;
struct EditorContext;

// Editing a band by its column: clicking a frequency, gain or Q edit selects it, typed numbers
// are applied on Enter or when the edit is left, arrow keys, spin buttons and the mouse wheel
// step it, the gain slider sets the gain, and the type labels choose the type.
class BandEditing : public QObject
{
    Q_OBJECT
public:
    explicit BandEditing(EditorContext& context);

    void connectControls();

    void bandEditClick(QWidget* edit);
    void StepCurrentEdit(StepCode step);
    void spinStepped(SpinButtons* spin, bool up);
    void gainSliderMoved(ParamSlider* slider);
    void typeLabelClicked(TypeLabel* label);
    void pointLabelClicked(QWidget* label);
    // The main window's mouse wheel; true when it stepped the current edit.
    bool wheel(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(ParamEdit* edit, QKeyEvent* event);
    void leaveEdit();

    EditorContext& m_ctx;
};

} // namespace aec
