#pragma once

class QSettings;

namespace aec {

class TForm1;

// The window as the person left it: size and place, maximised or not, the side panel's tab
// and the caption language, kept between runs.
void SaveWindowState(QSettings& settings, const TForm1& window);
// Applied once the window is shown; a place off every screen is not taken.
void RestoreWindowState(const QSettings& settings, TForm1& window);

} // namespace aec
