#pragma once

#include "link/FrameSender.h"

namespace aec {

// The session's variables, kept as plain integers under the names the link's timers and
// handlers use for them.
// Whether the link is online and idle: only then are parameters sent.
enum class LinkPhase { NotOnline, Online };

// What waits for the processor's acknowledgement before it happens.
enum class Pending { None, Reload, ModeStored, Download };

struct SessionState
{
    LinkPhase LinkState = LinkPhase::NotOnline;
    int InFlightEntry = 0; // queue index of the parameter sent last
    Pending PendingAction = Pending::None;
    int HoldTick = 0;
    int RetryCount = 0;
    int TransferStep = 0;
    int TransferTotal = 38;
    TransferDirection Direction = TransferDirection::Load;
    int TransferTicks = 0;
    int TransferRepeats = 0; // 1 once the unanswered step has been sent again
    int PanelLockState = 0;  // 0 not yet linked this run, 1 linked; 2 is set by the panel lock
};

} // namespace aec
