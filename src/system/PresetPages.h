#pragma once

#include "core/BilingualText.h"
#include "core/DeviceValue.h"

#include <QString>

#include <vector>

namespace aec {

// The values of a preset as the window's pages show them: one page per processor block (its
// instance: "music", "micB", "main.right.disco"), the input selection on the system page.
struct PresetPage
{
    QString key;
    BilingualText title;
    DeviceValues values; // in address order
};

// Each address once (the last of several wins), grouped by page in the order of the window's
// tabs: music, dynamic EQ, microphones, echoes, reverb, outputs, then the rest.
std::vector<PresetPage> GroupByPage(const DeviceValues& values);

// The stable key of a processor address ("music.eq.5.gain").
QString ParameterKey(ParamAddress address);

} // namespace aec
