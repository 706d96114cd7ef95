#include "app/ctl/PresetArguments.h"

namespace aec::ctl {

QString Refusal(const QString& path, const PresetFile::Loaded& loaded)
{
    QString reason = loaded.message.english;
    if (reason.endsWith(QLatin1Char('!')))
        reason.chop(1);
    QString detail = loaded.detail;
    detail.replace(QLatin1Char('\n'), QStringLiteral("\n  "));
    return QStringLiteral("%1: refused: %2:\n  %3").arg(path, reason, detail);
}

std::optional<DeviceValues> LoadPreset(const QString& path, Console& console)
{
    PresetFile::Loaded loaded = PresetFile::Load(path);
    if (!loaded.ok) {
        console.err << Refusal(path, loaded) << Qt::endl;
        return std::nullopt;
    }
    return std::move(loaded.values);
}

std::optional<PresetFile::Format> OutputFormat(const QString& path, Console& console)
{
    const auto format = PresetFile::FormatOfPath(path);
    if (!format)
        UsageError(console,
                   QStringLiteral("%1 must end in .json (JSON) or .Nddt (scrambled)").arg(path));
    return format;
}

bool SavePreset(const QString& path, const DeviceValues& values, PresetFile::Format format,
                Console& console)
{
    QString error;
    if (PresetFile::Save(path, values, format, &error))
        return true;
    console.err << "aecctl " << console.command << ": cannot write " << path << ": " << error
                << Qt::endl;
    return false;
}

} // namespace aec::ctl
