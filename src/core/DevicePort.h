#pragma once

#include <QByteArrayView>

namespace aec {

// The narrow side of the serial port that frames are written through. Tests replace it with
// an in-memory fake; the program with a QSerialPort adapter.
class DevicePort
{
public:
    virtual ~DevicePort() = default;
    virtual bool isOpen() const = 0;
    // Hands the bytes to the port in one call; false when the port refuses them.
    virtual bool write(QByteArrayView bytes) = 0;
};

} // namespace aec
