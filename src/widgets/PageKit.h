#pragma once

#include "core/BilingualText.h"
#include "core/ParameterTable.h"

#include <QString>
#include <QStringList>

class QGridLayout;
class QGroupBox;
class QLabel;
class QWidget;

namespace aec {

class BandBox;
class Binder;
class ParamCombo;
class ParamEdit;
class ParamSlider;
class SpinButtons;
class StatusPane;
class TwoStateButton;

// Builders of the window's controls. Controls of a parameter are built from its row of the
// parameter table and bound at once; the others take the caption the caption table gives their
// name.
namespace PageKit {

// A group box of the parameter table with its caption, and the grid its rows go in.
QGroupBox* Group(QWidget* parent, GroupId group);
QGridLayout* ParameterGrid(QWidget* group);

// The rows of a group, one line each: caption label, control, value pane or spin buttons; a
// phase button goes at the end of the line before it. Rows whose control is placed by the page
// (two-state buttons, pairs, triggers, band fields) are left out. Returns the next free line.
int AddRows(QGridLayout* grid, GroupId group, Binder& binder, int firstLine = 0);
// A group box holding its rows.
QGroupBox* BuildGroup(QWidget* parent, GroupId group, Binder& binder);
// The band columns of a family in a scrolled box; with a scroll slider when more columns than
// `visibleColumns` exist.
BandBox* BuildBands(QWidget* parent, GroupId family, int visibleColumns, Binder& binder,
                    const QString& scrollSliderName = {});

// One control of a row, bound.
TwoStateButton* BoundButton(QWidget* parent, const ParamRow& row, Binder& binder);

// Controls that are not parameters.
TwoStateButton* Button(QWidget* parent, const QString& name);
QLabel* Label(QWidget* parent, const QString& name);
QLabel* CaptionLabel(QWidget* parent, const QString& name, const BilingualText& caption);
QGroupBox* NamedGroup(QWidget* parent, const QString& name);
ParamCombo* Combo(QWidget* parent, const QString& name, const QStringList& items);
ParamSlider* Slider(QWidget* parent, const QString& name, int maximum);
StatusPane* Pane(QWidget* parent, const QString& name);

} // namespace PageKit
} // namespace aec
