#pragma once

#include "core/BilingualText.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <vector>

namespace aec {

class Binding;
class ParameterModel;

// What a screen reader reads for the controls built from the parameter table: the parameter as
// people name it, in the caption language and for the page's current selections ("MIC B, EQ
// band 3, gain"); and fixed names for controls that stand for no parameter. Two-state buttons
// tell their state and sliders their value text (see InstallAccessibleInterfaces).
class AccessibleNames
{
public:
    static constexpr int AllBlocks = -1;

    // What a control is of its binding's parameter.
    enum class Piece {
        Control,  // the slider, edit, list or button that edits it
        Pane,     // its value pane: the name followed by the value shown
        Increase, // a spin button
        Decrease,
        Option, // one choice of it (a pair's button, a type label): the name and its text
    };

    void add(QWidget* widget, const Binding* binding, Piece piece);
    void add(QWidget* widget, const BilingualText& name);

    // Names the controls of a view block (with the side panel's and the fixed ones), or all.
    void nameControls(const ParameterModel& model, bool chinese, int viewBlock = AllBlocks) const;

private:
    struct Entry
    {
        QPointer<QWidget> widget;
        const Binding* binding = nullptr;
        Piece piece = Piece::Control;
        BilingualText fixed;
    };
    std::vector<Entry> m_entries;
};

// A value pane's text, with the name it stands for, for screen readers.
void ShowPaneValue(QWidget* pane, const QString& text);
// A slider's value as its pane shows it ("125.0Hz"), for screen readers.
void ShowSliderValue(QWidget* slider, const QString& text);
// Two-state buttons report whether they are on; sliders report their value text. Installed
// once, before any control is asked for its accessible interface.
void InstallAccessibleInterfaces();

} // namespace aec
