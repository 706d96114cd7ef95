#pragma once

#include "core/DeviceValue.h"
#include "core/ValueTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace aec {

// The preset file: one scrambled text line per parameter of blocks 0 to 24 (slots 0 up to and
// including SlotCount), then the input selection, a line count and a checksum, CR LF after
// every line. docs/preset-format.md describes it for other programs.
namespace PresetFormat {

constexpr std::array<std::uint8_t, 8> LineKey = {0x6E, 0x1D, 0xC4, 0x37, 0xA9, 0x52, 0xF8, 0x0B};
// Masks the two header numbers; fixed for every file this program writes and reads.
constexpr std::uint8_t HeaderMask = 0x5A;
constexpr int R3Header = 0xB1;
constexpr int TovikHeader = 0x01;
constexpr int LastPresetBlock = 24;
constexpr int InputSelectAddress = 7700; // block 30 slot 20
constexpr const char* Extension = ".Nddt";
// The largest file a load reads. A save writes at most 62,484 bytes (every value a ten-digit
// negative number), under 40 KB with 16-bit values; anything far larger is not a preset.
constexpr qint64 MaxFileSize = 1 << 20;

// Whether a save writes this address: blocks 0 to 24, slots 0 up to and including SlotCount,
// and the input selection. A file may set nothing else (7688, for one, is manager mode).
bool CarriesAddress(std::int32_t address);

// Each byte XOR the key byte of its position (restarting on every line), as two upper-case
// hexadecimal digits.
QString ScrambleLine(const QByteArray& plain);
// The reverse; false (and nothing) when a character pair is not hexadecimal. A last single
// character of an odd-length line is ignored.
bool UnscrambleLine(const QString& scrambled, QByteArray* plain);
// The pieces of a line cut at each single space.
QStringList SplitFields(const QString& line);
// A file name without a final five-character extension such as ".Nddt".
QString StripPresetExtension(const QString& fileName);
// The checksum of the 32-bit sum of the values: ((S XOR 0xFFFF) + 1) rem 256, signed.
std::int32_t PresetChecksum(std::int32_t sum);

// A parameter carried by a file.
using PresetValue = DeviceValue;

// Every value a save writes, in the order it writes them (ascending address).
std::vector<PresetValue> ValuesOf(const ParamStore& store);
// Each address once (the last of several wins, as a load would leave it), in a save's order.
std::vector<PresetValue> Canonical(const std::vector<PresetValue>& values);

// The whole file for a store.
QByteArray Encode(const ParamStore& store);
// A file carrying exactly these values, in the order given. Every value must be at an address
// a save writes. For the values of a store this is the file Encode writes, byte for byte.
QByteArray EncodeValues(const std::vector<PresetValue>& values);

enum class DecodeError { None, Format, Corrupted };

// Reads and checks a whole file before anything is applied: header, line count, every line's
// hexadecimal text, both numbers of every line, every address one a save writes, and the
// checksum. Only a file that passes everything yields values.
struct DecodeResult
{
    DecodeError error = DecodeError::None;
    QString detail; // for the diagnostic log: what failed where
    std::vector<PresetValue> values;
    QStringList plainLines;
};
DecodeResult Decode(const QByteArray& file);

// Writes decoded values into the store.
void Apply(const std::vector<PresetValue>& values, ParamStore& store);

} // namespace PresetFormat
} // namespace aec
