#include "PresetFuzzHarness.h"

#include "system/PresetFormat.h"

#include <QtGlobal>

namespace aec::fuzz {
namespace {

// Every cell holds this before a file is applied, so a cell the file set stands out.
constexpr std::int32_t Untouched = -123456789;

ParamStore MarkedStore()
{
    ParamStore store;
    for (int block = 0; block < BlockCount; ++block)
        store.row(block).fill(Untouched);
    return store;
}

} // namespace

void ReadPresetFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const PresetFormat::DecodeResult result = PresetFormat::Decode(file);
    if (result.error != PresetFormat::DecodeError::None && !result.values.empty())
        qFatal("a refused preset file yielded values");
    ParamStore store = MarkedStore();
    for (const PresetFormat::PresetValue& v : result.values)
        if (!ValueTable::Contains(v.address))
            qFatal("an accepted preset file addresses %d, outside the store", int(v.address));
    PresetFormat::Apply(result.values, store);
    // Header, line count and checksum need four lines at least.
    if (result.error == PresetFormat::DecodeError::None && result.plainLines.size() < 4)
        qFatal("a file shorter than four lines was accepted");
    if (result.error != PresetFormat::DecodeError::None)
        return;
    // A loaded file sets only what a save writes back: saving the store and loading that into
    // a fresh store gives the same cells.
    const PresetFormat::DecodeResult again = PresetFormat::Decode(PresetFormat::Encode(store));
    ParamStore reloaded = MarkedStore();
    PresetFormat::Apply(again.values, reloaded);
    if (again.error != PresetFormat::DecodeError::None || reloaded != store)
        qFatal("an accepted preset file set a parameter that a save does not write");
}

} // namespace aec::fuzz
