#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace aec::sim {

// Misbehaviour the simulated processor can be told to show. Every random choice comes from
// one generator seeded with `seed`, so a run can be repeated exactly.
struct FaultPlan
{
    std::uint32_t seed = 1;
    int stopAfterFrames = -1;          // answer nothing once this many frames have arrived
    int hangUpAfterFrames = -1;        // hang up the line once this many frames have arrived
    double dropAcknowledgements = 0.0; // share of acknowledgements left out
    double corruptChecksums = 0.0;     // share of data frames sent with a wrong checksum
    double insertGarbage = 0.0;        // share of answers preceded by stray bytes (some of them
                                       // a false frame start)
    int answerDelayMs = 0;             // every answer goes out this late
    int floodBytesPerSecond = 0;       // once online, unrequested frames at this rate
    int ignoreWritesToBlock = -1;      // acknowledge writes into this block but keep its values

    bool any() const
    {
        return stopAfterFrames >= 0 || hangUpAfterFrames >= 0 || dropAcknowledgements > 0 ||
               corruptChecksums > 0 || insertGarbage > 0 || answerDelayMs > 0 ||
               floodBytesPerSecond > 0 || ignoreWritesToBlock >= 0;
    }
};

} // namespace aec::sim
