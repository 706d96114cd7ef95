#pragma once

#include <QString>

namespace aec {

// The application's title in the window caption and message boxes. Its spelling is the
// product's own and also names the user's data folder, so it stays as it is.
inline QString ApplicationTitle()
{
    return QStringLiteral("Audio Effect Contrller");
}

} // namespace aec
