#pragma once

#include <QString>

namespace aec {

// The application's title, as the processor's makers have always spelled it.
inline QString ApplicationTitle()
{
    return QStringLiteral("Audio Effect Contrller");
}

} // namespace aec
