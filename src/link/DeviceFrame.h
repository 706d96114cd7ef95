#pragma once

#include "core/ParamAddress.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

namespace aec {

// The bytes of the serial protocol. A frame is
//   F5 B1 L command address-high address-low data... checksum
// with L = data count + 4; addresses travel high byte first, 16-bit values low byte first.
// The processor acknowledges with the two bytes EE BB or EE AA.
namespace Frame {
constexpr std::uint8_t Header1 = 0xF5;
constexpr std::uint8_t Header2 = 0xB1;
constexpr std::uint8_t WriteCommand = 0xB7; // also the command of the processor's data replies
constexpr std::uint8_t ReadCommand = 0xB0;
constexpr std::uint8_t AckLead = 0xEE;
constexpr std::uint8_t AckCode1 = 0xBB;
constexpr std::uint8_t AckCode2 = 0xAA;

constexpr int HeaderSize = 6;     // F5 B1 L command address-high address-low
constexpr int OverheadSize = 7;   // header and checksum
constexpr int LengthOverhead = 4; // L counts command, address, data and checksum
constexpr int MaxDataSize = 230;  // the write of a 114-slot block
constexpr int ParameterFrameSize = 9;
} // namespace Frame

// Values sent at LinkCommandAddress.
namespace LinkCode {
constexpr std::uint8_t Link = 0x11;
constexpr std::uint8_t KeepAlive = 0x66;
constexpr std::uint8_t Unlink = 0xAA;
} // namespace LinkCode

// Addresses of the system block that act as commands or special items.
namespace CommandAddress {
constexpr ParamAddress ModeName = 0x1E00;   // read with (mode index, 0): name at slot 0
constexpr ParamAddress ModeRecord = 0x1E01; // 22 text bytes: store the current set as a mode
constexpr ParamAddress ModeRecall = 0x1E02; // the mode to recall; writing it loads the mode
constexpr ParamAddress MusicInputLevel = 0x1E03;
constexpr ParamAddress PanelSwitch = 0x1E04;
constexpr ParamAddress PanelCode = 0x1E05;
constexpr ParamAddress SystemPassword = 0x1E07;
constexpr ParamAddress UserOrManager = 0x1E08;
constexpr ParamAddress BlockWrite = 0x1E0F; // bulk write: block, byte offset, values
constexpr ParamAddress BlockRead = 0x1E10;  // request of one block, the block as the value
constexpr ParamAddress InputSelect = 0x1E14;
constexpr ParamAddress LinkCommand = 0x1E30;
} // namespace CommandAddress

// The low 8 bits of the sum of byte 0 and of every byte from the command on; the second
// header byte and the length byte are not summed. `frame` runs up to the last data byte.
std::uint8_t FrameChecksum(QByteArrayView frame);

// Two-digit upper-case hexadecimal bytes separated by single spaces: "F5 B1 06".
QString HexDump(QByteArrayView bytes);

} // namespace aec
