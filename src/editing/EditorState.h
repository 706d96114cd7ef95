#pragma once

#include "core/ParamAddress.h"

#include <QString>

#include <array>
#include <cstdint>

namespace aec {

// The last band-related edit: the chart redraws a band when it changes.
struct LastEditRecord
{
    ParamAddress address = 0;
    std::int32_t value = 0;
    friend bool operator==(LastEditRecord a, LastEditRecord b)
    {
        return a.address == b.address && a.value == b.value;
    }
    friend bool operator!=(LastEditRecord a, LastEditRecord b) { return !(a == b); }
};

// State the control handlers share while the window is edited.
struct EditorState
{
    // Raised while the control map is built and while the window is refreshed from the store:
    // handlers then neither record edits nor highlight bands nor redraw.
    int ControlUpdateGuard = 0;
    // Raised while a value is written into a slider: its change handler does nothing then.
    bool SettingPosition = false;
    LastEditRecord LastEdit;
    // Per band-label group (0 music .. 4 hidden EQ, 8 dynamic EQ), the band last selected.
    std::array<int, 9> SelectedBand{};
    // A band edit was clicked since the last page change: the mouse wheel steps it.
    bool WheelArmed = false;
    // A key went to a band edit since its value was last applied.
    bool EditTyped = false;
    // The text of the current edit when it was selected or last applied.
    QString LastGoodText;
};

// Only "-", "." and the digits of a typed text, in their order: "1000Hz" gives "1000".
QString KeepNumberChars(const QString& text);

} // namespace aec
