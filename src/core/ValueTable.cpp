#include "core/ValueTable.h"

namespace aec {

void ParamStore::setInitialLowPassValues()
{
    for (int block = 0; block < BlockCount; ++block) {
        const int slot = LowPassFrequencySlot(block);
        if (slot >= 0)
            at(block, slot) = LowPassStartValue;
    }
}

} // namespace aec
