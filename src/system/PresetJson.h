#pragma once

#include "core/DeviceValue.h"

#include <QByteArray>
#include <QString>

namespace aec {

// The readable preset: a JSON document with every parameter by its stable name, raw value and
// value text, grouped by page. It carries exactly what a scrambled preset carries, so either
// converts to the other without loss. docs/preset-json.md describes it for other programs.
namespace PresetJson {

constexpr const char* FormatName = "aec-preset";
constexpr int Version = 1;
constexpr const char* Extension = ".json";

// The document for these values (each address once, in a save's order, grouped by page): one
// parameter a line, so that text tools can compare two files.
QByteArray Encode(const DeviceValues& values);

// Reads and checks a whole document before anything is applied: it must be the format and a
// version this program reads, every name known and one a save writes (the names that are not
// are listed), every value a whole 32-bit number, every text (where given) the value's own,
// no name twice. Only a document that passes everything yields values.
struct DecodeResult
{
    bool ok = false;
    QString detail; // every problem found, one a line
    DeviceValues values;
};
DecodeResult Decode(const QByteArray& document);

} // namespace PresetJson
} // namespace aec
