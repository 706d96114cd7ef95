#pragma once

#include "link/FrameSender.h"
#include "link/LinkFlags.h"
#include "link/SessionState.h"

namespace aec {

// The steps of a bulk transfer, one decision per tick of the transfer timer (Timer2, 100 ms).
// A load requests blocks 0 to 29, the 22 mode names and the eight system items, each step
// once the previous one's own answer has arrived; a download writes blocks 0 to 29, each once
// the previous one is acknowledged. A step left unanswered is sent again after 3.2 s and
// abandoned 10 s after that. Works on the session's variables.
class TransferSequence
{
public:
    static constexpr int LoadTotal = 38;
    static constexpr int DownloadTotal = 29;
    enum class Outcome { Running, Complete, Abandoned };

    TransferSequence(SessionState& state, LinkFlags& flags, FrameSender& sender);

    // Step 0 of a load or a download.
    void start(TransferDirection direction);
    Outcome tick();

    // Steps sent again because their answer did not come.
    int repeats() const { return m_repeats; }

private:
    bool stepAnswered() const;
    void requestStep(int times);
    void advance();

    SessionState& m_state;
    LinkFlags& m_flags;
    FrameSender& m_sender;
    int m_repeats = 0;
};

} // namespace aec
