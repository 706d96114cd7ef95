#pragma once

#include "core/DevicePort.h"

#include <QString>

namespace aec {

// The serial port as the link session drives it while searching for the processor.
class SerialLine : public DevicePort
{
public:
    // Opens the named port at 115200 baud, 8N1; false when it cannot be opened.
    virtual bool open(const QString& portName) = 0;
    virtual void close() = 0;
};

} // namespace aec
