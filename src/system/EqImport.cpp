#include "system/EqImport.h"

#include "core/ParameterTable.h"
#include "core/Scales.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace aec::EqImport {
namespace {

double GainOfStep(int step)
{
    return step / 5.0 - 24.0;
}

// The Q step nearest to a Q; the lower of two equally near.
int NearestQStep(double q)
{
    int best = 0;
    for (int step = 1; step < QStepCount; ++step)
        if (std::abs(QValue(step) - q) < std::abs(QValue(best) - q))
            best = step;
    return best;
}

// Differences below this (percent or dB) are those of binary fractions, not roundings.
constexpr double Negligible = 1e-4;

void Keep(Rounding& largest, double error, int line, const QString& asked, const QString& set)
{
    if (error > Negligible && error > largest.error + Negligible)
        largest = {error, line, asked, set};
}

double Percent(double asked, double set)
{
    return 100.0 * std::abs(set - asked) / asked;
}

QString Number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

// The five values of one band for one filter, with the roundings noted.
class BandMapper
{
public:
    BandMapper(const EqTarget& target, Result& result) : m_target(target), m_result(result) {}

    void map(const EqText::Filter& filter, int band)
    {
        const bool shelf = filter.type != EqText::FilterType::Peaking;
        int type = BandType::Peaking;
        if (filter.type == EqText::FilterType::LowShelf)
            type = BandType::LowShelf;
        else if (filter.type == EqText::FilterType::HighShelf)
            type = BandType::HighShelf;
        set(band, BandField::Type, filter.on ? type : BandType::Bypass);

        const QString where = QStringLiteral("line %1: ").arg(filter.line);
        const ParamRow& frequencyRow = m_target.row(band, BandField::Frequency);
        const int asked = static_cast<int>(ParseKindText(Kind::Frequency, filter.frequency));
        const int frequency = LimitToRow(frequencyRow, asked);
        const double hz = FreqValue(frequency);
        // The scale's ends are single-precision numbers: "19.7" is a hair above 19.7.
        if (filter.frequency < FreqValue(RowBottom(frequencyRow)) * (1.0 - 1e-6) ||
            filter.frequency > FreqValue(RowTop(frequencyRow)) * (1.0 + 1e-6))
            m_result.notes << where + QStringLiteral("%1 Hz is beyond the scale; set %2")
                                          .arg(Number(filter.frequency, 2),
                                               RowText(frequencyRow, frequency));
        Keep(m_result.frequency, Percent(filter.frequency, hz), filter.line,
             Number(filter.frequency, 2) + QStringLiteral(" Hz"), RowText(frequencyRow, frequency));
        set(band, BandField::Frequency, frequency);

        const ParamRow& gainRow = m_target.row(band, BandField::Gain);
        const int gainStep = static_cast<int>(ParseKindText(Kind::Gain, filter.gain));
        const int gain = LimitToRow(gainRow, gainStep);
        if (gain != gainStep)
            m_result.notes << where + QStringLiteral("%1 dB is beyond this page's gains; set %2")
                                          .arg(Number(filter.gain, 2), RowText(gainRow, gain));
        Keep(m_result.gain, std::abs(GainOfStep(gain) - filter.gain), filter.line,
             Number(filter.gain, 2) + QStringLiteral(" dB"), RowText(gainRow, gain));
        set(band, BandField::Gain, gain);

        const BandField qField = shelf ? BandField::ShelfQ : BandField::PeakQ;
        const ParamRow& qRow = m_target.row(band, qField);
        const int qStep = NearestQStep(filter.q);
        const int q = LimitToRow(qRow, qStep);
        if (q != qStep)
            m_result.notes << where +
                                  QStringLiteral("Q %1 is beyond a %2's; set %3")
                                      .arg(Number(filter.q, 3),
                                           shelf ? QStringLiteral("shelf") : QStringLiteral("band"),
                                           RowText(qRow, q));
        Keep(m_result.q, Percent(filter.q, QValue(q)), filter.line, Number(filter.q, 3),
             RowText(qRow, q));
        set(band, qField, q);
        const BandField other = shelf ? BandField::PeakQ : BandField::ShelfQ;
        set(band, other, m_target.flatValue(band, other));
    }

    void flat(int band)
    {
        for (int f = 0; f < 5; ++f)
            set(band, static_cast<BandField>(f),
                m_target.flatValue(band, static_cast<BandField>(f)));
    }

private:
    void set(int band, BandField field, int value)
    {
        m_result.changes.push_back({m_target.address(band, field), value});
    }

    const EqTarget& m_target;
    Result& m_result;
};

QString RoundingText(const char* what, const Rounding& r, const char* unit, int decimals)
{
    if (r.line == 0)
        return QStringLiteral("%1: exact").arg(QLatin1String(what));
    return QStringLiteral("%1: %2%3 (line %4: %5 -> %6)")
        .arg(QLatin1String(what), Number(r.error, decimals), QLatin1String(unit))
        .arg(r.line)
        .arg(r.asked, r.set);
}

} // namespace

QString Result::report() const
{
    QStringList lines;
    lines << QStringLiteral("%1 filters on the %2 bands of %3; the rest set flat")
                 .arg(filters)
                 .arg(bands)
                 .arg(page);
    lines << QStringLiteral("largest rounding:");
    lines << QStringLiteral("  ") + RoundingText("frequency", frequency, "%", 1);
    lines << QStringLiteral("  ") + RoundingText("gain", gain, " dB", 2);
    lines << QStringLiteral("  ") + RoundingText("Q", q, "%", 1);
    lines << notes;
    return lines.join(QLatin1Char('\n'));
}

Result Map(const EqText::Parsed& parsed, const EqTarget& target)
{
    Result result;
    result.errors = parsed.errors;
    if (parsed.filterLines == 0)
        result.errors << QStringLiteral("no filter lines (\"Filter 1: ON PK Fc ...\")");
    QStringList unplaced;
    for (std::size_t i = 0; i < parsed.filters.size(); ++i) {
        const EqText::Filter& filter = parsed.filters[i];
        if (filter.type == EqText::FilterType::Other)
            result.errors << QStringLiteral("line %1: %2 is not a band type of this processor "
                                            "(PK, LS/LSC, HS/HSC and None are)")
                                 .arg(filter.line)
                                 .arg(filter.typeName);
        if (static_cast<int>(i) >= target.bands())
            unplaced << QString::number(filter.line);
    }
    if (!unplaced.isEmpty())
        result.errors << QStringLiteral("%1 filters for the %2 bands of %3: no band for line %4")
                             .arg(parsed.filters.size())
                             .arg(target.bands())
                             .arg(target.key(), unplaced.join(QStringLiteral(", ")));
    if (!result.errors.isEmpty()) {
        // In the order of the text; the count of filters, which names several lines, last.
        const auto lineOf = [](const QString& error) {
            return error.startsWith(QLatin1String("line "))
                       ? error.mid(5, error.indexOf(QLatin1Char(':')) - 5).toInt()
                       : std::numeric_limits<int>::max();
        };
        std::stable_sort(result.errors.begin(), result.errors.end(),
                         [&](const QString& a, const QString& b) { return lineOf(a) < lineOf(b); });
        return result;
    }

    BandMapper mapper(target, result);
    for (int band = 0; band < target.bands(); ++band) {
        if (band < static_cast<int>(parsed.filters.size()))
            mapper.map(parsed.filters[std::size_t(band)], band);
        else
            mapper.flat(band);
    }
    result.filters = static_cast<int>(parsed.filters.size());
    result.bands = target.bands();
    result.page = target.key();
    if (parsed.preamp)
        result.notes << QStringLiteral("preamp %1 dB not applied: a page's EQ has none; lower "
                                       "the channel's level by as much if the filters boost")
                            .arg(Number(*parsed.preamp, 1));
    result.ok = true;
    return result;
}

QByteArray Export(const ValueTable& store, const EqTarget& target)
{
    QStringList lines = {
        QStringLiteral("Filter Settings file"), QString(), QStringLiteral("Equaliser: Generic"),
        QStringLiteral("Notes: %1 (%2)").arg(target.key(), target.title().english), QString()};
    for (int band = 0; band < target.bands(); ++band) {
        const auto value = [&](BandField field) { return store.at(target.address(band, field)); };
        const int type = value(BandField::Type);
        const bool shelf = type == BandType::LowShelf || type == BandType::HighShelf;
        const BandField qField = shelf ? BandField::ShelfQ : BandField::PeakQ;
        const QString name = type == BandType::LowShelf    ? QStringLiteral("LSC")
                             : type == BandType::HighShelf ? QStringLiteral("HSC")
                                                           : QStringLiteral("PK");
        const auto text = [&](BandField field) {
            const ParamRow& row = target.row(band, field);
            // The number without its unit: the line names the unit itself.
            return KeepNumberChars(RowText(row, value(field)));
        };
        lines << EqText::FilterLine(band + 1, type != BandType::Bypass, name,
                                    text(BandField::Frequency), text(BandField::Gain),
                                    text(qField));
    }
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

} // namespace aec::EqImport
