#include "system/PresetFile.h"

#include "core/WholeFile.h"
#include "system/PresetFolder.h"
#include "system/PresetFormat.h"
#include "system/PresetJson.h"

#include <QFile>
#include <QFileInfo>

namespace aec::PresetFile {

std::optional<Format> FormatOfPath(const QString& path)
{
    if (path.endsWith(QLatin1String(PresetJson::Extension), Qt::CaseInsensitive))
        return Format::Json;
    if (path.endsWith(QLatin1String(PresetFormat::Extension), Qt::CaseInsensitive))
        return Format::Scrambled;
    return std::nullopt;
}

Format FormatOfContent(const QByteArray& content)
{
    // A UTF-8 byte order mark may stand before a JSON document written on Windows.
    const QByteArray start = content.startsWith("\xEF\xBB\xBF") ? content.mid(3) : content;
    // An array is JSON too, if not a preset: its reader says so rather than the hex one.
    const QByteArray trimmed = start.trimmed();
    return trimmed.startsWith('{') || trimmed.startsWith('[') ? Format::Json : Format::Scrambled;
}

QString FormatName(Format format)
{
    return format == Format::Json ? QStringLiteral("JSON") : QStringLiteral("scrambled");
}

Bytes ReadBytes(const QString& path, qint64 limit)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {ReadStatus::NotFound, {}, QStringLiteral("no such file")};
    if (!info.isFile())
        return {ReadStatus::NotRegular, {}, QStringLiteral("not a regular file")};
    if (info.size() > limit)
        return {ReadStatus::TooLarge, {}, QStringLiteral("larger than %1 bytes").arg(limit)};
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {ReadStatus::Unreadable, {}, file.errorString()};
    // Read no further than the limit, should the file have grown since.
    Bytes bytes{ReadStatus::Ok, file.read(limit + 1), {}};
    if (bytes.content.size() > limit)
        return {ReadStatus::TooLarge, {}, QStringLiteral("larger than %1 bytes").arg(limit)};
    return bytes;
}

Loaded Load(const QString& path)
{
    Loaded loaded;
    const Bytes bytes = ReadBytes(path, PresetFormat::MaxFileSize);
    loaded.detail = bytes.detail;
    switch (bytes.status) {
    case ReadStatus::Ok:
        break;
    case ReadStatus::NotFound:
    case ReadStatus::Unreadable:
        loaded.message = PresetText::NotFound;
        return loaded;
    case ReadStatus::NotRegular:
    case ReadStatus::TooLarge:
        loaded.message = PresetText::FormatError;
        return loaded;
    }
    loaded.format = FormatOfContent(bytes.content);
    if (loaded.format == Format::Json) {
        PresetJson::DecodeResult decoded = PresetJson::Decode(bytes.content);
        loaded.ok = decoded.ok;
        loaded.detail = decoded.detail;
        loaded.message = PresetText::JsonRefused;
        loaded.values = std::move(decoded.values);
        return loaded;
    }
    PresetFormat::DecodeResult decoded = PresetFormat::Decode(bytes.content);
    loaded.ok = decoded.error == PresetFormat::DecodeError::None;
    loaded.detail = decoded.detail;
    loaded.message = decoded.error == PresetFormat::DecodeError::Format ? PresetText::FormatError
                                                                        : PresetText::Corrupted;
    loaded.values = PresetFormat::Canonical(decoded.values);
    return loaded;
}

QByteArray Encode(const DeviceValues& values, Format format)
{
    if (format == Format::Json)
        return PresetJson::Encode(values);
    return PresetFormat::EncodeValues(PresetFormat::Canonical(values));
}

bool Save(const QString& path, const DeviceValues& values, Format format, QString* error)
{
    return WriteWholeFile(path, Encode(values, format), error);
}

} // namespace aec::PresetFile
