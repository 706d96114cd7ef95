#pragma once

#include <cstddef>
#include <cstdint>

namespace aec::fuzz {

// Reads one arbitrary preset file and checks that a refused file yields nothing and an
// accepted one sets only parameters that a save writes.
void ReadPresetFile(const std::uint8_t* data, std::size_t size);

} // namespace aec::fuzz
