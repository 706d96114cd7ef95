#include "system/PresetFolder.h"

#include "core/DiagnosticLog.h"
#include "core/WholeFile.h"
#include "system/PresetFile.h"
#include "system/PresetFormat.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace aec {

PresetFolder::PresetFolder(const QString& programFolder, const QString& fallbackFolder)
    : m_programFolder(programFolder), m_fallbackFolder(fallbackFolder)
{
    usePaths(programFolder);
}

void PresetFolder::usePaths(const QString& base)
{
    m_modeFolder = QDir(base).filePath(QStringLiteral("Mode"));
    m_presetFolder = QDir(m_modeFolder).filePath(QStringLiteral("KMode"));
}

QString PresetFolder::fileFor(const QString& name) const
{
    return QDir(m_presetFolder).filePath(name + QLatin1String(PresetFormat::Extension));
}

bool PresetFolder::StaysInFolder(const QString& name)
{
    return std::none_of(name.cbegin(), name.cend(), [](QChar c) {
        return c == QLatin1Char('/') || c == QLatin1Char('\\') ||
               c.category() == QChar::Other_Control;
    });
}

bool PresetFolder::IsValidNewName(const QString& name)
{
    return !name.trimmed().isEmpty() && name.size() <= MaxNameLength &&
           !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1String("..")) &&
           StaysInFolder(name);
}

void PresetFolder::EnsurePresetFolders()
{
    const auto writable = [](const QString& folder) {
        return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
    };
    if (writable(m_presetFolder))
        return;
    usePaths(m_fallbackFolder);
    writable(m_presetFolder);
}

QStringList PresetFolder::RefreshPresetList() const
{
    QDir folder(m_presetFolder);
    folder.setNameFilters({QStringLiteral("*.Nddt*")});
    // Hidden files too: a preset copied in under a leading dot is shown (saves refuse one).
    folder.setFilter(QDir::Files | QDir::Hidden);
    folder.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList names;
    for (const QString& file : folder.entryList())
        names << PresetFormat::StripPresetExtension(file);
    return names;
}

PresetFolder::Outcome PresetFolder::SavePreset(const QString& name, const ParamStore& store) const
{
    if (!IsValidNewName(name))
        return {false, PresetText::InvalidName, QStringLiteral("name refused")};
    QString error;
    if (!WriteWholeFile(fileFor(name), PresetFormat::Encode(store), &error))
        return {false, PresetText::CannotSave, error};
    return {true, {}, {}};
}

PresetFolder::Outcome PresetFolder::LoadPreset(const QString& name, ParamStore& store,
                                               DiagnosticLog* log) const
{
    if (!StaysInFolder(name))
        return {false, PresetText::InvalidName, QStringLiteral("name leaves the preset folder")};
    // Looked at before it is opened: opening a FIFO waits for a writer and a device may read
    // without end. A link to a regular file is followed.
    const PresetFile::Bytes bytes = PresetFile::ReadBytes(fileFor(name), PresetFormat::MaxFileSize);
    switch (bytes.status) {
    case PresetFile::ReadStatus::Ok:
        break;
    case PresetFile::ReadStatus::NotFound:
    case PresetFile::ReadStatus::Unreadable:
        return {false, PresetText::NotFound, bytes.detail};
    case PresetFile::ReadStatus::NotRegular:
    case PresetFile::ReadStatus::TooLarge:
        return {false, PresetText::FormatError, bytes.detail};
    }
    const QByteArray& content = bytes.content;
    const PresetFormat::DecodeResult decoded = PresetFormat::Decode(content);
    switch (decoded.error) {
    case PresetFormat::DecodeError::Format:
        return {false, PresetText::FormatError, decoded.detail};
    case PresetFormat::DecodeError::Corrupted:
        return {false, PresetText::Corrupted, decoded.detail};
    case PresetFormat::DecodeError::None:
        break;
    }
    if (log) {
        log->clear();
        for (const PresetFormat::PresetValue& v : decoded.values)
            log->append(QStringLiteral("%1 %2").arg(v.address).arg(v.value));
    }
    PresetFormat::Apply(decoded.values, store);
    return {true, {}, {}};
}

} // namespace aec
