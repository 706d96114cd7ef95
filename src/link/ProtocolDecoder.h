#pragma once

#include "link/ProtocolRecord.h"

#include <QByteArrayView>
#include <QString>

namespace aec {

// What the bytes on the link mean, for the protocol console: link requests and keep-alives,
// block and name requests, block writes, parameter writes with the parameter's name and value
// text from the parameter table, data replies with their block, slot and count, and
// acknowledgements; a reply whose checksum is wrong is marked. Written from the frame layouts
// alone, so it reads a recording of any session.
class ProtocolDecoder
{
public:
    // The kind of an item as it is recorded (a wrong checksum makes a reply an error).
    static ProtocolRecord::Kind KindOf(ProtocolRecord::Direction direction, QByteArrayView bytes);
    // The meaning in the language (true: Chinese).
    static QString Describe(const ProtocolRecord& record, bool chinese);
    // "12:03:04.120  →  keep-alive  [F5 B1 06 B7 1E 30 66 00 60]": time of day, direction,
    // meaning and, for bytes, their hexadecimal dump.
    static QString Line(const ProtocolRecord& record, bool chinese);
    // The caption of a kind, for the console's filters.
    static BilingualText KindCaption(ProtocolRecord::Kind kind);
};

} // namespace aec
