#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace aec {

// Every parameter control carries a Tag (its view address, or a button's index in its group)
// and a Hint (its value kind, a two-state button's state "0"/"1", or a caption in the other
// language), as the window's design gives them.
inline int Tag(const QObject* control)
{
    return control ? control->property("tag").toInt() : 0;
}
inline void SetTag(QObject* control, int tag)
{
    control->setProperty("tag", tag);
}

inline QString Hint(const QObject* control)
{
    return control ? control->property("hint").toString() : QString();
}
inline void SetHint(QObject* control, const QString& hint)
{
    control->setProperty("hint", hint);
}

} // namespace aec
