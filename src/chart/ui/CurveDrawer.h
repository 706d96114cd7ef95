#pragma once

#include "chart/BandTable.h"

#include <QColor>
#include <QObject>
#include <QPoint>

#include <array>
#include <functional>
#include <memory>

namespace aec {

class BandEditor;
class ParameterModel;
class ResponseChart;
struct ParamChange;

// Draws the block on display: gathers its bands and filters from the model's view, evaluates
// each one's response, places their markers and the info label of the selected band, and draws
// the summed response as one smooth curve over the chart's background. A band the person edits
// in the block shown is drawn again at once.
class CurveDrawer : public QObject
{
    Q_OBJECT
public:
    CurveDrawer(const ParameterModel& model, ResponseChart& chart, const BandEditor& editor);

    // selector: a band index 0 to 21, or AllBands for the whole block.
    void DrawBlockCurve(int selector, int block);
    // A band chosen by the person shows its values, unless it is the band shown last: choosing
    // it again (its edit clicked as a drag ends) leaves its marker where the pointer put it.
    void showBand(int band, int block);

    // The other set of an A/B comparison, drawn faintly behind the curve; null for none.
    void setGhost(const ParamStore* other);
    bool hasGhost() const { return m_ghost != nullptr; }

    const BandTable& bandTable() const { return m_table; }
    const std::array<QPoint, ChartAxis::Columns>& CurvePoints() const { return m_points; }

    QColor CurveColor = QColor(255, 102, 0);
    QColor GhostColor = QColor(176, 186, 201);
    bool MarkerDragActive = false; // a marker is being dragged: it stays where it is
    // Draws the spectrum under the curve, when the spectrum display is on.
    std::function<void()> spectrumOverlay;

private:
    void changed(const ParamChange& change);
    void placeMarker(int entry, int markerIndex);
    void showInfoLabel(int entry);
    // The summed response of the bands of a table, as the chart's points.
    void sumCurve(const BandTable& table, std::array<QPoint, ChartAxis::Columns>& points) const;
    void computeGhost(int block);

    const ParameterModel& m_model;
    ResponseChart& m_chart;
    const BandEditor& m_editor;
    BandTable m_table;
    int m_shownBand = -1; // the band whose values the info label shows
    std::array<QPoint, ChartAxis::Columns> m_points{};
    const ParamStore* m_ghost = nullptr;
    std::unique_ptr<ViewValues> m_ghostView;
    std::array<QPoint, ChartAxis::Columns> m_ghostPoints{};
    bool m_ghostValid = false; // the ghost points are those of the block drawn last
};

} // namespace aec
