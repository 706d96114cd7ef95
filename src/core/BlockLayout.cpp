#include "core/BlockLayout.h"

namespace aec {

int LowPassFrequencySlot(int block)
{
    switch (block) {
    case Block::Music:
        return 7;
    case Block::MicA:
    case Block::MicB:
    case Block::EchoA:
    case Block::EchoB:
        return 12;
    case Block::Reverb:
        return 9;
    default:
        return block >= Block::MainLeft && block <= Block::Sub + 2 ? 19 : -1;
    }
}

} // namespace aec
