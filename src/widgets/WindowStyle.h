#pragma once

#include <QString>

class QWidget;

namespace aec {

// The look of the main window: one style sheet for every control family, with the colours
// of the tab text, the curve and the online status that the product is known by.
QString MainWindowStyleSheet();

// A font that shows Chinese and Latin text alike.
void ApplyWindowFont(QWidget* window);

} // namespace aec
