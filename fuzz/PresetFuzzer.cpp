// libFuzzer entry: arbitrary preset file contents.
#include "PresetFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    aec::fuzz::ReadPresetFile(data, size);
    return 0;
}
