#pragma once

#include "core/DevicePort.h"

#include <QString>

namespace aec {

// Why a port could not be opened, or why the connection it started broke before it was up.
struct PortFailure
{
    enum class Kind {
        None,
        Absent, // no such device, or nobody listening: it may come (back) later
        Busy,   // another program has it open
        Denied, // the user may not open it
        Other,
    };
    Kind kind = Kind::None;
    QString detail; // the system's own words

    bool operator==(const PortFailure& other) const
    {
        return kind == other.kind && detail == other.detail;
    }
};

// The serial port as the link session drives it while searching for the processor. A name
// "tcp://host:port" reaches a processor behind a serial-to-network server the same way.
class SerialLine : public DevicePort
{
public:
    // Opens the named port at 115200 baud, 8N1; false when it cannot be opened.
    virtual bool open(const QString& portName) = 0;
    virtual void close() = 0;
    // Why the last open() failed or its connection broke before it was up; None otherwise.
    virtual PortFailure openFailure() const { return {}; }
};

} // namespace aec
