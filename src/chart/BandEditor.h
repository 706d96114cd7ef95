#pragma once

#include "core/BlockLayout.h"
#include "core/ValueKind.h"

namespace aec {

// What the response chart asks of the page it shows: the block and the rules its markers obey,
// and the band edits that dragging and stepping on the chart make. The editing wing answers;
// the chart never reaches a page's controls.
class BandEditor
{
public:
    virtual ~BandEditor() = default;

    // The view block whose curve the chart shows, and its page's index.
    virtual int chartBlock() const = 0;
    virtual int chartPage() const = 0;
    // Nothing on the chart reacts (the output page in automatic operation).
    virtual bool markersLocked() const = 0;
    // The shown block's EQ is passed through.
    virtual bool eqPassOn() const = 0;

    // The person chose a band on the chart: its edit of `field` (frequency or Q) becomes the
    // current edit and the band the selected one. Entries 20 and 21 are the filters.
    virtual void selectBand(int entry, BandField field) = 0;
    // A step of a drag: the band's (or filter's) field takes the value, as the person's edit.
    virtual void setBandValue(int entry, BandField field, int value) = 0;
    // Steps the current edit (right-button stepping of a band's Q).
    virtual void stepCurrentEdit(StepCode step) = 0;
    // A drag (or a right-button stepping) from press to release is one edit.
    virtual void dragStarted() {}
    virtual void dragEnded() {}
};

} // namespace aec
