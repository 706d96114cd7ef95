#pragma once

#include <array>
#include <vector>

namespace aec {

// Where every parameter lives on the window: for a block and slot, the names of the control
// that edits it, of the pane that shows it, and of up to four companion controls. An empty
// primary name with no other names marks a slot that has no control of its own (the hidden
// placeholder edit stands in). Band fields follow one rule per page.
struct ParameterBinding
{
    int block;
    int slot;
    const char* primary;
    const char* pane = "";
    std::array<const char*, 4> aux = {"", "", "", ""};
};

// The parameter map of the main window: every bound slot, bands expanded, in block and slot
// order.
const std::vector<ParameterBinding>& ParameterMap();

// The name stems of a page's band columns ("Mus" gives MusModeBox1, MusFreEdit1, ...).
struct BandColumnNames
{
    int block;
    const char* prefix;
    const char* qSpinStem; // the spin buttons of the Q edit
    int bands;
};
const std::vector<BandColumnNames>& BandColumnPages();

} // namespace aec
