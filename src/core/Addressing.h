#pragma once

#include "core/ParamAddress.h"
#include "core/SelectionState.h"

namespace aec {

// Maps the address a control carries to the processor block of the current selections;
// the slot is unchanged.
ParamAddress ResolveBlock(ParamAddress viewAddress, const SelectionState& selection);

// Adds the right-bank offset for the music EQ (block 0) and the dynamic EQ (block 1) while
// the second side is selected.
int BankSlot(int block, int slot, const SelectionState& selection);

// ResolveBlock followed by BankSlot: the processor address a control edits.
ParamAddress ViewToDeviceAddress(ParamAddress viewAddress, const SelectionState& selection);

} // namespace aec
