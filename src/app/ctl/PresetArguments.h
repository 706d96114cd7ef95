#pragma once

#include "app/ctl/CommandLine.h"
#include "core/DeviceValue.h"
#include "system/PresetFile.h"

#include <optional>

namespace aec::ctl {

// Loads a preset named on the command line, telling why it is refused.
std::optional<DeviceValues> LoadPreset(const QString& path, Console& console);
// The format a file to be written takes from its extension; a wrong use without one.
std::optional<PresetFile::Format> OutputFormat(const QString& path, Console& console);
// Writes a preset, telling why it could not.
bool SavePreset(const QString& path, const DeviceValues& values, PresetFile::Format format,
                Console& console);
// "FILE: refused: ..." for a preset that does not load.
QString Refusal(const QString& path, const PresetFile::Loaded& loaded);

} // namespace aec::ctl
