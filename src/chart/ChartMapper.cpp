#include "chart/ChartMapper.h"

#include <algorithm>
#include <cmath>

namespace aec {

int Nearest(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

void ChartMapper::resize(int imageWidth, int imageHeight)
{
    m_width = imageWidth;
    m_height = imageHeight;
    m_xScale = double(imageWidth) / ChartAxis::DesignWidth;
}

double ChartMapper::FreqToX(double f) const
{
    return (std::log10(f) - 1) / ChartAxis::LogSpan * ChartAxis::DesignWidth * m_xScale;
}

double ChartMapper::XToFreq(double x) const
{
    return std::pow(10.0, x * ChartAxis::LogSpan / (ChartAxis::DesignWidth * m_xScale) + 1);
}

double ChartMapper::DbToY(double d) const
{
    return (ChartAxis::MaxDb - d) / (ChartAxis::MaxDb - ChartAxis::MinDb) * (m_height - 1);
}

double ChartMapper::YToDb(double y) const
{
    return ChartAxis::MaxDb - y / (m_height - 1) * (ChartAxis::MaxDb - ChartAxis::MinDb);
}

double ChartMapper::LevelToY(int floorMode, double v) const
{
    const double floor = floorMode == 1 ? -64.0 : -52.0;
    v = std::min(v, 120.0);
    if (v == 0.0)
        v = 0.001;
    const double dB = std::clamp(20 * std::log10(v / 128), floor, 0.0);
    return (m_height - 2) - (dB - floor) / (0 - floor) * (m_height - 1);
}

double ChartMapper::FreqToColumn(double f)
{
    return (std::log10(std::max(f, 1.0)) - 1) / ChartAxis::LogSpan * ChartAxis::DesignWidth;
}

double ChartMapper::ColumnToFreq(double c)
{
    return std::pow(10.0, c * ChartAxis::LogSpan / ChartAxis::DesignWidth + 1);
}

} // namespace aec
