#pragma once

#include <QString>

namespace aec {

// The application's title in the window caption and message boxes. Its spelling is the
// product's own and also names the user's data folder, so it stays as it is.
inline QString ApplicationTitle()
{
    return QStringLiteral("Audio Effect Contrller");
}

// The name the desktop knows the program by: its desktop entry, AppStream metadata and icon
// carry it (packaging/CMakeLists.txt installs them under it), and Wayland matches the window
// to the entry by it.
inline QString DesktopFileId()
{
    return QStringLiteral("io.github.aeclab.AudioEffectController");
}

} // namespace aec
