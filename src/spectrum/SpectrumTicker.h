#pragma once

#include <cstdint>

namespace aec {

// The spectrum's share of the main window's 10 ms tick while it is on: the transform on the
// 5th tick, the drawing on the 11th, then from the start; one refresh every 110 ms, with the
// work of the two halves on different ticks.
class SpectrumTicker
{
public:
    enum class Step { None, Compute, Draw };

    Step tick()
    {
        ++SpectrumTick;
        if (SpectrumTick == 5)
            return Step::Compute;
        if (SpectrumTick > 10) {
            SpectrumTick = 0;
            return Step::Draw;
        }
        return Step::None;
    }

    std::int32_t SpectrumTick = 0;
};

} // namespace aec
