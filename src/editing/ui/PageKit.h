#pragma once

#include "core/BilingualText.h"

#include <QStringList>

class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

namespace aec {

class ParamCombo;
class ParamEdit;
class ParamSlider;
class SpinButtons;
class StatusPane;
class TwoStateButton;

// Builders of the window's controls: each gets its design name, its value kind (Hint) and,
// where it has one, its caption pair.
namespace PageKit {

// The grid of a parameter group: caption, control and value pane per row.
QGridLayout* ParameterGrid(QWidget* group);

ParamSlider* Slider(QWidget* parent, const QString& name, int maximum, bool vertical = false);
StatusPane* Pane(QWidget* parent, const QString& name, int kind);
ParamEdit* Edit(QWidget* parent, const QString& name, int kind);
// A list; kind NoKind leaves its hint empty (a plain choice stored as its item index).
constexpr int NoKind = -1;
ParamCombo* Combo(QWidget* parent, const QString& name, const QStringList& items, int kind);
SpinButtons* Spin(QWidget* parent, const QString& name);
// Buttons, labels and groups show the caption the caption table gives their name.
TwoStateButton* Button(QWidget* parent, const QString& name);
QLabel* Label(QWidget* parent, const QString& name);
QGroupBox* Group(QWidget* parent, const QString& name);

// A row of a parameter grid: caption (the label stem + "Label"), slider and value pane;
// returns the slider.
ParamSlider* SliderRow(QGridLayout* grid, int row, const QString& stem, int maximum, int paneKind,
                       const QString& sliderSuffix = QStringLiteral("Bar"),
                       const QString& paneSuffix = QStringLiteral("Pane"));

// The high- and low-pass filter: type list above frequency slider and pane.
void FilterRows(QGridLayout* grid, int row, const QString& prefix, const QString& freqStem,
                const QString& paneStem);

// The filter types a high- or low-pass list offers.
const QStringList& FilterTypeItems();

} // namespace PageKit
} // namespace aec
