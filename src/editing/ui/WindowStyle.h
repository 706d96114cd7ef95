#pragma once

#include <QString>

class QWidget;

namespace aec {

// The look of the main window: one style sheet for every control family, with the colours
// the processor's makers chose for tab text, the curve and the online status.
QString MainWindowStyleSheet();

// A font that shows Chinese and Latin text alike.
void ApplyWindowFont(QWidget* window);

} // namespace aec
