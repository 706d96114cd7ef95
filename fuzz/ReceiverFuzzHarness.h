#pragma once

#include <cstddef>
#include <cstdint>

namespace aec::fuzz {

// Feeds one input to a frame receiver that lives across inputs, in chunk sizes that the
// input's first byte chooses, and checks what the receiver and the frame store did with it.
// The second byte sets the mode-name counter, so name replies land at every index. The chunk
// generator also lets the line fall quiet between some chunks.
void FeedReceiver(const std::uint8_t* data, std::size_t size);

} // namespace aec::fuzz
