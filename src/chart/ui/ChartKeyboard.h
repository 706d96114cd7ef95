#pragma once

#include "chart/ChartKeys.h"
#include "core/BlockLayout.h"

#include <QObject>

#include <vector>

namespace aec {

class BandEditor;
class CurveDrawer;
class Language;
class ParameterModel;
class ResponseChart;

// Editing on the chart by keys alone: choosing a marker, stepping its band's frequency, gain
// and Q one scale step a press, and resetting the band, under the rules a drag obeys. Each
// press is one edit through the page's BandEditor, as a drag is. Keeps the chart's accessible
// name and key list in the caption language.
class ChartKeyboard : public QObject
{
    Q_OBJECT
public:
    ChartKeyboard(const ParameterModel& model, ResponseChart& chart, CurveDrawer& curve,
                  BandEditor& editor, const Language& language);

    void apply(const ChartKeyCommand& command);
    // The markers keys may choose on the page shown: shown, and free to move.
    std::vector<int> selectableMarkers() const;

private:
    int currentMarker() const;
    void select(int marker);
    void step(BandField field, int delta);
    int valueSlot(int marker, BandField field) const;
    void showTexts();

    const ParameterModel& m_model;
    ResponseChart& m_chart;
    CurveDrawer& m_curve;
    BandEditor& m_editor;
    const Language& m_language;
};

} // namespace aec
