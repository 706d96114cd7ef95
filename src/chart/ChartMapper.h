#pragma once

namespace aec {

// The response chart's axes: frequency logarithmic from 10 Hz to 24 000 Hz, level linear from
// -24 dB to +12 dB; response arrays hold one level per column, 463 columns whatever the image
// width.
namespace ChartAxis {
constexpr double LogSpan = 3.380211241711606; // log10(24000 / 10)
constexpr int MinDb = -24;
constexpr int MaxDb = 12;
constexpr int DesignWidth = 462; // response columns minus one
constexpr int Columns = DesignWidth + 1;
} // namespace ChartAxis

// Rounds halves to even, as the chart's coordinates always do.
int Nearest(double x);

// Converts frequencies and levels to image coordinates of a chart image of the given size, and
// back. Nothing is clamped: values outside the chart map outside the image.
class ChartMapper
{
public:
    ChartMapper(int imageWidth = 883, int imageHeight = 268) { resize(imageWidth, imageHeight); }

    void resize(int imageWidth, int imageHeight);
    int width() const { return m_width; }
    int height() const { return m_height; }
    double XScale() const { return m_xScale; }

    double FreqToX(double frequency) const;
    double XToFreq(double x) const;
    double DbToY(double dB) const;
    double YToDb(double y) const;
    // y of a linear spectrum level (0 to 128 full scale) above a floor of -64 dB (floorMode 1)
    // or -52 dB (any other).
    double LevelToY(int floorMode, double level) const;

    // The response column of a frequency, independent of the image width.
    static double FreqToColumn(double frequency);
    static double ColumnToFreq(double column);

private:
    int m_width = 0;
    int m_height = 0;
    double m_xScale = 1.0;
};

} // namespace aec
