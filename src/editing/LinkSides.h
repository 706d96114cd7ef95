#pragma once

#include "core/ValueTable.h"
#include "editing/PageNavigation.h"

namespace aec {

// Copies the first side of the shown pair onto the second, in the store only (the refresh
// that follows shows it; nothing is sent): the music left bank onto the right bank,
// microphone A's EQ bands onto microphone B's, or the main or surround left outputs of all
// three scenes onto the right outputs. `chartBlock` and `currentTab` say which pair is shown.
void CopyFirstSide(ParamStore& store, int chartBlock, Tab currentTab);

} // namespace aec
