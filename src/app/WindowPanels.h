#pragma once

class QWidget;

namespace aec {

class Binder;
class EditingWing;
class ResponseChart;

// The fixed regions of the main window around the pages, assembled from the parts that fill
// them.

// Title strip: the version label, what the settings came from, the hidden access field, the
// undo and A/B buttons and the window buttons.
QWidget* BuildTitleStrip(QWidget* parent, QWidget* historyButtons);

// Tab-button row RzGroupBox17: the wing's tab buttons and the language button. The link
// controls are added when the link is attached.
QWidget* BuildTabRow(QWidget* parent, QWidget* tabButtons);

// Chart panel AdvPanel1, filled: the spectrum buttons and the wing's buttons above the response
// chart (created on the panel, which holds its axis labels).
void FillChartPanel(QWidget* panel, QWidget* spectrumButtons, QWidget* chartButtons,
                    ResponseChart* chart);

// Side panel AdvPageControl1: "Main Volume", "Volume Set" and "System setting".
QWidget* BuildSidePanel(QWidget* parent, EditingWing& wing, Binder& binder);

} // namespace aec
