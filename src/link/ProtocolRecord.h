#pragma once

#include "core/BilingualText.h"

#include <QByteArray>
#include <QString>

namespace aec {

// One line of the protocol console as it was recorded: when, which way, what kind, and the
// bytes (of a frame, an acknowledgement, a resync) or the words (of the diagnostic log, of the
// session). It is put into words only when shown, in the language of that moment.
struct ProtocolRecord
{
    enum class Direction { Out, In, Resync, Log, Session };
    // What the console filters by.
    enum class Kind { Link, Transfer, Parameter, Acknowledgement, Error, Log, Session };
    static constexpr int KindCount = 7;

    qint64 timeMs = 0; // since the epoch
    Direction direction = Direction::Out;
    Kind kind = Kind::Session;
    QByteArray bytes;
    BilingualText words; // a log line (the same in both) or a session event; a resync's reason
};

} // namespace aec
