#pragma once

#include <QByteArray>
#include <QString>

#include <array>

namespace aec {

// Texts the processor reports besides its parameters.
struct DeviceTexts
{
    static constexpr int ModeCount = 22; // 16 user modes, 6 factory modes
    static constexpr int ModeNameLength = 20;

    std::array<QString, ModeCount> ModeNames;
    QByteArray DeviceCodeText;     // the four-digit panel code
    QByteArray DevicePasswordText; // the six-digit system password
    QString DeviceIdentity;        // eight hexadecimal digits, shown in DeviceIDLabel
};

} // namespace aec
