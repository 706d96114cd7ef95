#include "core/ValueKind.h"

#include "core/Scales.h"

#include <algorithm>
#include <cmath>

namespace aec {
namespace {

QString FrequencyStep(int step)
{
    return FreqText(step);
}
QString BandTypeName(int step)
{
    static const char* const names[] = {"BYPSS", "PEQ", "LSEQ", "HSEQ"};
    return QLatin1String(names[std::clamp(step, 0, 3)]);
}
QString TriggerName(int step)
{
    static const char* const names[] = {"Off", "Below", "Above"};
    return QLatin1String(names[std::clamp(step, 0, 2)]);
}
QString OnOffName(int step)
{
    return step != 0 ? QStringLiteral("On") : QStringLiteral("Off");
}
QString FilterTypeName(int step)
{
    const QStringList& names = FilterTypeNames();
    return names[std::clamp(step, 0, int(names.size()) - 1)];
}
QString Number(int step)
{
    return QString::number(step);
}

struct KindRow
{
    Kind kind;
    KindTraits traits;
};

// Every kind's scale: top, offset, scale, decimals, unit, lookup.
const KindRow KindRows[] = {
    {Kind::Plain, {65535, 0, 1, 0, "", nullptr}},
    {Kind::BandType, {3, 0, 1, 0, "", BandTypeName}},
    {Kind::Frequency, {FreqTopStep, 0, 1, 0, "Hz", FrequencyStep}},
    {Kind::Gain, {180, -24, 0.2, 1, "dB", nullptr}},
    {Kind::Q, {QStepCount - 1, 0, 1, 0, "", QText}},
    {Kind::InputGain, {40, -10, 0.5, 1, "dB", nullptr}},
    {Kind::FilterFrequency, {FreqTopStep, 0, 1, 0, "Hz", FrequencyStep}},
    {Kind::Percent, {100, 0, 1, 0, "%", nullptr}},
    {Kind::MixLevel, {200, 0, 1, 0, "%", nullptr}},
    {Kind::OffsetPercent, {100, -50, 1, 0, "%", nullptr}},
    {Kind::DoubleMs, {250, 0, 2, 0, "ms", nullptr}},
    {Kind::ReverbTime, {80, 0, 62.5, 0, "ms", nullptr}},
    {Kind::OutputLimitLevel, {34, -20, 1, 0, "dBu", nullptr}},
    {Kind::Ratio, {RatioTopStep, 0, 1, 0, "", RatioText}},
    {Kind::Release, {ReleaseTopStep, 0, 1, 0, "", ReleaseText}},
    {Kind::Attack, {AttackTopStep, 0, 1, 0, "ms", AttackText}},
    {Kind::Delay, {500, 0, 0.1, 1, "ms", nullptr}},
    {Kind::DynamicThreshold, {60, -60, 1, 0, "dBu", nullptr}},
    {Kind::Pitch, {14, -7, 1, 0, "", nullptr}},
    {Kind::MicInputGain, {40, -10, 0.5, 0, "dB", nullptr}},
    {Kind::Feedback, {4, 0, 1, 0, "", nullptr}},
    {Kind::GateLevel, {60, -90, 1, 0, "dB", nullptr}},
    {Kind::MicLimitLevel, {34, -34, 1, 0, "dB", nullptr}},
    {Kind::PreDelay, {250, -100, 1, 0, "ms", nullptr}},
    {Kind::FilterType, {12, 0, 1, 0, "", FilterTypeName}},
    {Kind::Trigger, {2, 0, 1, 0, "", TriggerName}},
    {Kind::OnOff, {1, 0, 1, 0, "", OnOffName}},
    {Kind::Volume, {84, 0, 1, 0, "", nullptr}},
    {Kind::Choice, {65535, 0, 1, 0, "", Number}},
};

} // namespace

const KindTraits& TraitsOf(Kind kind)
{
    for (const KindRow& row : KindRows)
        if (row.kind == kind)
            return row.traits;
    return KindRows[0].traits;
}

QString KindText(Kind kind, int step, int factor)
{
    const KindTraits& traits = TraitsOf(kind);
    const int s = std::clamp(step, 0, traits.top);
    const QString number =
        traits.lookup ? traits.lookup(s)
                      : FormatNumber((traits.offset + s * traits.scale) * factor, traits.decimals);
    return number + QLatin1String(traits.unit);
}

double ParseKindText(Kind kind, double number)
{
    switch (kind) {
    case Kind::Frequency:
    case Kind::FilterFrequency: {
        int step = 0;
        while (step < FreqStepCount && FreqValue(step) < number)
            ++step;
        if (step >= FreqTopStep)
            return FreqTopStep;
        // Equally near: the lower step wins.
        if (step > 0 && FreqValue(step) - number >= number - FreqValue(step - 1))
            return step - 1;
        return step;
    }
    case Kind::Gain:
        return std::nearbyint((number + 24) * 5);
    case Kind::Q: {
        for (int step = 0; step < QStepCount; ++step)
            if (QValue(step) >= number)
                return step;
        return QStepCount;
    }
    case Kind::InputGain:
        return std::nearbyint((number + 10) * 2);
    default:
        return number;
    }
}

QString KeepNumberChars(const QString& text)
{
    QString kept;
    for (const QChar c : text)
        if (c == QLatin1Char('-') || c == QLatin1Char('.') ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            kept.append(c);
    return kept;
}

const QStringList& FilterTypeNames()
{
    // The processor's own names for its filters.
    static const QStringList names = {
        QStringLiteral("Bypass"),           QStringLiteral("6dB 1st "),
        QStringLiteral("12dB Besse"),       QStringLiteral("12dB Butterworth"),
        QStringLiteral("12dB Link-Riley"),  QStringLiteral("18dB Bessel"),
        QStringLiteral("18dB Butterworth"), QStringLiteral("24dB Bessel"),
        QStringLiteral("24dB Butterworth"), QStringLiteral("24dB Link-Riley"),
        QStringLiteral("36dB Bessel"),      QStringLiteral("36dB Butterworth"),
        QStringLiteral("36dB Link-Riley")};
    return names;
}

} // namespace aec
