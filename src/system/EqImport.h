#pragma once

#include "core/DeviceValue.h"
#include "core/ValueTable.h"
#include "system/EqTarget.h"
#include "system/EqText.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace aec {

// Filters from a measurement tool put onto a page's bands, and a page's bands written out in
// the same text.
namespace EqImport {

// The largest rounding of one quantity: where, from what, to what.
struct Rounding
{
    double error = 0.0; // frequency and Q: percent of the asked value; gain: dB
    int line = 0;       // 0 when nothing was rounded
    QString asked;
    QString set;
};

struct Result
{
    bool ok = false;
    QStringList errors;   // every line refused, "line 5: ..."
    DeviceValues changes; // all five fields of every band of the page
    int filters = 0;      // the bands the filters took
    int bands = 0;        // the page's bands
    QString page;
    Rounding frequency;
    Rounding gain;
    Rounding q;
    QStringList notes; // values held to a range, a preamp the page has no place for

    // The report for a person: filters used, largest roundings, notes.
    QString report() const;
};

// Filter n takes band n in the order written ("None" lines take none); an OFF filter gives a
// bypassed band that keeps its values. Each value goes to the nearest step of its scale and
// within its row's range; the bands the filters leave are set flat. More filters than bands, a
// type the processor lacks or a line that does not read refuses the whole text.
Result Map(const EqText::Parsed& parsed, const EqTarget& target);

// The page's bands as the store holds them, in the text Map reads: shelves as LSC / HSC with
// their Q, a bypassed band as an OFF filter.
QByteArray Export(const ValueTable& store, const EqTarget& target);

} // namespace EqImport
} // namespace aec
