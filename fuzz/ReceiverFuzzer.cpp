// libFuzzer entry: arbitrary bytes, in arbitrary chunks, to one receiver kept across inputs.
#include "ReceiverFuzzHarness.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    aec::fuzz::FeedReceiver(data, size);
    return 0;
}
