#pragma once

#include <QString>

namespace aec {

// Whether the program runs from an installed tree: its folder (<prefix>/bin) lies beside
// <prefix>/share/applications holding the program's desktop entry. A run from the build folder
// or from a copied folder is not installed.
bool RunsFromInstalledTree(const QString& programFolder);

// The folder under which presets live ("Mode/KMode" below it). Beside the program when it runs
// from its build or a copied folder; the user's data folder when it runs installed, even for a
// person who may write into the system's folders (root), so that an installed program never
// writes into bin/. PresetFolder still falls back to the user's data folder where it cannot
// write beside the program.
QString PresetBaseFolder(const QString& programFolder, const QString& userDataFolder);

} // namespace aec
