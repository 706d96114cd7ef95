#include "system/EqText.h"

#include <QRegularExpression>

#include <cmath>

namespace aec::EqText {
namespace {

const QRegularExpression FilterStart(QStringLiteral("^filter\\s*\\d*\\s*:(.*)$"),
                                     QRegularExpression::CaseInsensitiveOption);
const QRegularExpression PreampStart(QStringLiteral("^preamp\\s*:(.*)$"),
                                     QRegularExpression::CaseInsensitiveOption);
// "6dB" and "100Hz" read as a number and its unit.
const QRegularExpression GluedUnit(QStringLiteral("(\\d)([A-Za-z])"));

bool Number(const QString& token, double* number)
{
    QString text = token;
    if (text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('.')))
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    *number = value;
    return true;
}

FilterType TypeOf(const QString& name)
{
    if (name == QLatin1String("PK"))
        return FilterType::Peaking;
    if (name == QLatin1String("LS") || name == QLatin1String("LSC"))
        return FilterType::LowShelf;
    if (name == QLatin1String("HS") || name == QLatin1String("HSC"))
        return FilterType::HighShelf;
    if (name == QLatin1String("NONE"))
        return FilterType::Empty;
    return FilterType::Other;
}

// Reads the words after "Filter n:"; returns the problem, or nothing when the filter reads.
QString ReadFilter(const QString& words, Filter& filter)
{
    QString spaced = words;
    spaced.replace(GluedUnit, QStringLiteral("\\1 \\2"));
    const QStringList t =
        spaced.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (t.isEmpty() ||
        (t[0].toUpper() != QLatin1String("ON") && t[0].toUpper() != QLatin1String("OFF")))
        return QStringLiteral("expected ON or OFF after the colon");
    filter.on = t[0].toUpper() == QLatin1String("ON");
    if (t.size() < 2)
        return QStringLiteral("no filter type");
    filter.typeName = t[1].toUpper();
    filter.type = TypeOf(filter.typeName);
    if (filter.type == FilterType::Empty || filter.type == FilterType::Other)
        return {}; // nothing more to read: no band, or a type the mapping refuses
    const bool shelf = filter.type != FilterType::Peaking;

    std::optional<double> slope, q, frequency, gain;
    int i = 2;
    double value = 0.0;
    // A shelf's slope stands right after its type: "LSC 6 dB", "LS 12dB".
    if (shelf && i + 1 < t.size() && Number(t[i], &value) &&
        t[i + 1].toUpper() == QLatin1String("DB")) {
        slope = value;
        i += 2;
    }
    while (i < t.size()) {
        const QString key = t[i].toUpper();
        if (key == QLatin1String("BW") && i + 1 < t.size() &&
            t[i + 1].toUpper() == QLatin1String("OCT"))
            ++i; // "BW Oct 1.0": a bandwidth in octaves
        if (i + 1 >= t.size() || !Number(t[i + 1], &value))
            return QStringLiteral("no number after \"%1\"").arg(t[i]);
        const QString unit = i + 2 < t.size() ? t[i + 2].toUpper() : QString();
        if (key == QLatin1String("FC")) {
            frequency = value * (unit == QLatin1String("KHZ") ? 1000.0 : 1.0);
            i += unit == QLatin1String("HZ") || unit == QLatin1String("KHZ") ? 3 : 2;
        } else if (key == QLatin1String("GAIN")) {
            gain = value;
            i += unit == QLatin1String("DB") ? 3 : 2;
        } else if (key == QLatin1String("Q")) {
            q = value;
            i += 2;
        } else if (key == QLatin1String("BW") || key == QLatin1String("OCT")) {
            const double ratio = std::pow(2.0, value);
            if (value <= 0.0)
                return QStringLiteral("a bandwidth must be above 0");
            q = std::sqrt(ratio) / (ratio - 1.0);
            i += 2;
        } else {
            return QStringLiteral("unexpected \"%1\"").arg(t[i]);
        }
    }
    if (!frequency || *frequency <= 0.0)
        return QStringLiteral("no frequency (Fc)");
    if (!gain)
        return QStringLiteral("no gain");
    if (q && *q <= 0.0)
        return QStringLiteral("Q must be above 0");
    if (q && slope)
        return QStringLiteral("both a slope and a Q");
    filter.frequency = *frequency;
    filter.gain = *gain;
    if (!shelf) {
        if (!q)
            return QStringLiteral("no Q");
        filter.q = *q;
        return {};
    }
    if (slope) {
        q = ShelfQFromSlope(*slope, *gain);
        if (!q)
            return QStringLiteral("a slope of %1 dB per octave is too steep for this gain")
                .arg(*slope);
    }
    filter.q = q.value_or(std::sqrt(0.5));
    return {};
}

} // namespace

std::optional<double> ShelfQFromSlope(double slopeDb, double gainDb)
{
    if (slopeDb <= 0.0)
        return std::nullopt;
    const double a = std::pow(10.0, gainDb / 40.0);
    const double s = slopeDb / 12.0;
    const double inverseSquared = (a + 1.0 / a) * (1.0 / s - 1.0) + 2.0;
    if (inverseSquared <= 0.0)
        return std::nullopt;
    return 1.0 / std::sqrt(inverseSquared);
}

Parsed Parse(const QByteArray& text)
{
    Parsed parsed;
    QString all = QString::fromUtf8(text);
    if (all.startsWith(QChar(0xFEFF)))
        all.remove(0, 1);
    const QStringList lines = all.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        const QString line = lines[n].trimmed(); // drops the CR of CR LF too
        const QString where = QStringLiteral("line %1: ").arg(n + 1);
        if (const auto preamp = PreampStart.match(line); preamp.hasMatch()) {
            double gain = 0.0;
            QString words = preamp.captured(1);
            words.replace(GluedUnit, QStringLiteral("\\1 \\2"));
            const QStringList t =
                words.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            if (t.isEmpty() || !Number(t[0], &gain))
                parsed.errors << where + QStringLiteral("no number after \"Preamp:\"");
            else
                parsed.preamp = gain;
            continue;
        }
        const auto match = FilterStart.match(line);
        if (!match.hasMatch())
            continue; // headers, notes, blank lines
        ++parsed.filterLines;
        Filter filter;
        filter.line = n + 1;
        if (const QString problem = ReadFilter(match.captured(1), filter); !problem.isEmpty())
            parsed.errors << where + problem;
        else if (filter.type != FilterType::Empty)
            parsed.filters.push_back(filter);
    }
    return parsed;
}

QString FilterLine(int number, bool on, const QString& type, const QString& frequency,
                   const QString& gain, const QString& q)
{
    return QStringLiteral("Filter %1: %2 %3 Fc %4 Hz  Gain %5 dB  Q %6")
        .arg(number, 2)
        .arg(on ? QStringLiteral("ON ") : QStringLiteral("OFF"))
        .arg(type, -4)
        .arg(frequency, 7)
        .arg(gain, 5)
        .arg(q, 6);
}

} // namespace aec::EqText
