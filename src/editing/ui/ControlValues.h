#pragma once

#include "editing/ValueKind.h"

class QWidget;

namespace aec {

struct EditorContext;

// The one way a value reaches a control: SetControlValue limits it to the control's kind,
// steps it, shows it, keeps the companion slider in line, stores it and (for a user edit)
// sends it. Every edit, refresh and chart drag passes here.
class ControlValues
{
public:
    explicit ControlValues(EditorContext& context) : m_ctx(context) {}

    void SetControlValue(QWidget* control, StepCode step, bool displayOnly, double value);

    // Marks the band of an edit as the selected band of its label group: its point label is
    // marked, its edit framed, and the page's columns scrolled to it. Returns the band.
    int HighlightBand(QWidget* control, int group);

    // The point label of band `band` in group `group` (the effects group shows the reverb's
    // labels while the reverb is selected).
    QWidget* PointLabel(int group, int band) const;
    static int GroupBandCount(int group);

private:
    EditorContext& m_ctx;
};

} // namespace aec
