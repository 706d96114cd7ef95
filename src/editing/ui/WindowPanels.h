#pragma once

#include <QWidget>

namespace aec {

// The fixed regions of the main window around the pages.

// Title strip: the version label and the minimise, maximise and close buttons.
QWidget* BuildTitleStrip(QWidget* parent);

// Tab-button row RzGroupBox17: the ten tab buttons, the language button and Examplexx. The
// link controls are added by the window.
QWidget* BuildTabRow(QWidget* parent);

// Chart panel AdvPanel1: the place of the response chart and its four button groups.
QWidget* BuildChartPanel(QWidget* parent);

// Side panel AdvPageControl1: "Main Volume", "Volume Set" and "System setting".
QWidget* BuildSidePanel(QWidget* parent);

} // namespace aec
