#include "PresetFuzzHarness.h"

#include "system/PresetFormat.h"

#include <QtGlobal>

namespace aec::fuzz {

void ReadPresetFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PresetFormat::DecodeResult result = PresetFormat::Decode(file);
    if (result.error != PresetFormat::DecodeError::None && !result.values.empty())
        qFatal("a refused preset file yielded values");
    ParamStore store;
    for (const PresetFormat::PresetValue& v : result.values)
        if (!ParameterTable::Contains(v.address))
            qFatal("an accepted preset file addresses %d, outside the store", int(v.address));
    PresetFormat::Apply(result.values, store);
    // Header, line count and checksum need four lines at least.
    if (result.error == PresetFormat::DecodeError::None && result.plainLines.size() < 4)
        qFatal("a file shorter than four lines was accepted");
}

} // namespace aec::fuzz
