#include "editing/EditorState.h"

namespace aec {

QString KeepNumberChars(const QString& text)
{
    QString kept;
    for (const QChar c : text)
        if (c == QLatin1Char('-') || c == QLatin1Char('.') ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            kept.append(c);
    return kept;
}

} // namespace aec
