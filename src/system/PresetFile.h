#pragma once

#include "core/BilingualText.h"
#include "core/DeviceValue.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace aec {

// A preset file anywhere on disk, in either format: the scrambled one the preset folder holds
// and the readable JSON one. Reads whole files and checks them before anything is applied.
namespace PresetFile {

enum class Format { Scrambled, Json };

// By extension: ".json" for JSON, ".Nddt" (any letter case) for scrambled, else nothing.
std::optional<Format> FormatOfPath(const QString& path);
// By content: a JSON document begins with "{", a scrambled file with hexadecimal digits.
Format FormatOfContent(const QByteArray& content);
QString FormatName(Format format);

// A whole file read only if it is a regular file (a link to one is followed) of at most
// `limit` bytes: a FIFO or a device is refused without being opened, since reading one may
// wait or never end.
enum class ReadStatus { Ok, NotFound, NotRegular, TooLarge, Unreadable };
struct Bytes
{
    ReadStatus status = ReadStatus::Ok;
    QByteArray content;
    QString detail;
};
Bytes ReadBytes(const QString& path, qint64 limit);

struct Loaded
{
    bool ok = false;
    Format format = Format::Scrambled;
    DeviceValues values;
    BilingualText message; // what to tell the person when not ok
    QString detail;        // what failed where
};
// Reads, recognises and checks a preset file of either format.
Loaded Load(const QString& path);

QByteArray Encode(const DeviceValues& values, Format format);
// Writes the file in one step: a failed write leaves an earlier file as it was.
bool Save(const QString& path, const DeviceValues& values, Format format, QString* error);

} // namespace PresetFile

namespace PresetText {
inline const BilingualText JsonRefused{QStringLiteral("JSON参数文件无效!"),
                                       QStringLiteral("The JSON preset is refused!")};
} // namespace PresetText

} // namespace aec
