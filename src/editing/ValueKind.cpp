#include "editing/ValueKind.h"

#include "core/BlockLayout.h"
#include "editing/Scales.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace aec {
namespace {

constexpr int GainTopStep = 180;
constexpr int DynamicEqGainFloor = 60; // -12.0 dB
constexpr int InputGainTopStep = 40;

int Truncated(double x)
{
    return static_cast<int>(std::trunc(x));
}

double Stepped(double x, StepCode step)
{
    switch (step) {
    case StepCode::Up:
        return x + 1;
    case StepCode::Down:
        return x - 1;
    case StepCode::None:
        break;
    }
    return x;
}

QString Decibels1(double dB)
{
    return FormatNumber(dB, 1) + QStringLiteral("dB");
}

// The text of a value pane (kinds 6 and 8 to 26) at index x.
QString PaneText(int kind, double x, const KindContext& context)
{
    const auto whole = [](double v, const char* unit) {
        return FormatNumber(v, 0) + QLatin1String(unit);
    };
    switch (kind) {
    case 6:
        return FreqText(Truncated(x)) + QStringLiteral("Hz");
    case 8:
        return whole(x, "%");
    case 9: {
        const bool sub = context.currentOutputBlock >= Block::Sub &&
                         context.currentOutputBlock <= Block::Sub + 2;
        return whole(sub && context.slot < 2 ? x * 2 : x, "%");
    }
    case 10:
        return whole(x - 50, "%");
    case 11:
        return whole(x * 2, "ms");
    case 12:
        return whole(x * 62.5, "ms");
    case 14:
        return whole(x - 20, "dBu");
    case 15:
        return RatioText(Truncated(x));
    case 16:
        return ReleaseText(Truncated(x));
    case 17:
        return AttackText(Truncated(x)) + QStringLiteral("ms");
    case 18:
        return FormatNumber(x / 10, 1) + QStringLiteral("ms");
    case 20:
        return whole(x - 60, "dBu");
    case 21:
        return whole(x - 7, "");
    case 22:
        return whole(x / 2 - 10, "dB");
    case 23:
        return whole(x, "");
    case 24:
        return whole(x - 90, "dB");
    case 25:
        return whole(x - 34, "dB");
    case 26:
        return whole(x - 100, "ms");
    default:
        return {};
    }
}

} // namespace

std::optional<int> KindMaximum(int kind)
{
    static constexpr std::array<int, Kind::LastPaneKind + 1> maxima = {
        -1, 3,  361, 180, 100, 40, 361, -1, 100, 200, 100, 250, 80, -1,
        34, 40, 7,   19,  500, -1, 60,  14, 40,  4,   60,  34,  250};
    if (kind < 0 || kind > Kind::LastPaneKind || maxima[kind] < 0)
        return std::nullopt;
    return maxima[kind];
}

std::optional<KindValue> ApplyKind(int kind, StepCode step, bool displayOnly, double x,
                                   const KindContext& context)
{
    switch (kind) {
    case Kind::Plain:
        return KindValue{x, {}};
    case Kind::BandType:
        return KindValue{std::min(x, 3.0), {}};
    case Kind::Frequency:
        x = displayOnly ? std::min(x, double(FreqTopStep))
                        : std::clamp(Stepped(x, step), 0.0, double(FreqTopStep));
        return KindValue{x, FreqText(Truncated(x)) + QStringLiteral("Hz")};
    case Kind::Gain: {
        const double floor = context.chartBlock == Block::DynamicEq ? DynamicEqGainFloor : 0;
        if (displayOnly)
            x = std::max(std::min(x, double(GainTopStep)), floor);
        else
            x = std::clamp(std::max(Stepped(x, step), floor), 0.0, double(GainTopStep));
        return KindValue{x, Decibels1(x / 5 - 24)};
    }
    case Kind::Q: {
        const int top = context.shelvingBand ? ShelfQTopStep : QStepCount - 1;
        x = displayOnly ? std::min(x, double(QStepCount - 1))
                        : std::clamp(Stepped(x, step), 0.0, double(top));
        return KindValue{x, QText(Truncated(x))};
    }
    case Kind::InputGain:
        x = displayOnly ? std::min(x, double(InputGainTopStep))
                        : std::clamp(Stepped(x, step), 0.0, double(InputGainTopStep));
        return KindValue{x, Decibels1(x / 2 - 10)};
    default:
        break;
    }
    const std::optional<int> top = KindMaximum(kind);
    if (!top)
        return std::nullopt;
    x = std::clamp(x, 0.0, double(*top));
    return KindValue{x, PaneText(kind, x, context)};
}

double ParseKindText(int kind, double number)
{
    switch (kind) {
    case Kind::Frequency: {
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

} // namespace aec
