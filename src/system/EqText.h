#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace aec {

// Parametric EQ as room measurement programs and headphone EQ lists write it, one filter a
// line: "Filter  1: ON  PK  Fc 28.55 Hz  Gain -4.30 dB  Q 4.914", unnumbered "Filter: ...",
// shelves "LS", "LSC", "HS", "HSC" with a Q, a slope ("LSC 6 dB") or neither, "BW Oct" for a
// bandwidth, "Filter 8: ON None", a "Preamp: -6.0 dB" line; other lines (headers, notes) are
// passed over. docs/eq-text.md describes what is read.
namespace EqText {

enum class FilterType { Peaking, LowShelf, HighShelf, Empty, Other };

struct Filter
{
    int line = 0; // from 1
    bool on = true;
    FilterType type = FilterType::Empty;
    QString typeName;       // as written, upper case: "PK", "LSC", "BP"
    double frequency = 0.0; // Hz
    double gain = 0.0;      // dB
    double q = 0.0;         // given, from a bandwidth or a slope, or a shelf's default
};

struct Parsed
{
    std::vector<Filter> filters; // every filter line but "None" ones
    std::optional<double> preamp;
    int filterLines = 0; // "None" lines included
    QStringList errors;  // "line 4: no frequency (Fc)"
};

// Reads every line, CR LF or LF, with or without a byte order mark; decimal commas are read as
// points. A shelf without Q or slope gets Q 0.71, the 12 dB per octave shelf.
Parsed Parse(const QByteArray& text);

// The Q of a shelf of `slopeDb` per octave and `gainDb`, as the usual biquad shelf relates
// them (a slope of 12 dB per octave is Q 0.71 at any gain); nothing for a slope too steep.
std::optional<double> ShelfQFromSlope(double slopeDb, double gainDb);

// One filter line in the common layout, numbers already as text.
QString FilterLine(int number, bool on, const QString& type, const QString& frequency,
                   const QString& gain, const QString& q);

} // namespace EqText
} // namespace aec
