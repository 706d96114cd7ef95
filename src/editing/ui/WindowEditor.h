#pragma once

#include "editing/ui/EditorContext.h"

#include <memory>

namespace aec {

class BandEditing;
class ChartInteraction;
class ControlHandlers;
class CurveDrawer;
class ControlValues;
class PageSwitcher;
class SpectrumDisplay;
class VolumeControls;
class WindowRefresh;

// The editing behaviour of the main window: owns the shared editing context and the parts
// that act on the controls, binds the controls to their parameters and wires their events.
class WindowEditor
{
public:
    WindowEditor(ParameterModel& model, const Language& language, QWidget* window);
    ~WindowEditor();

    EditorContext& context() { return m_ctx; }
    ControlValues& values() { return *m_values; }
    ControlHandlers& handlers() { return *m_handlers; }
    BandEditing& bands() { return *m_bands; }
    WindowRefresh& refresh() { return *m_refresh; }
    PageSwitcher& pages() { return *m_pages; }

    // Binds every control to its parameter (BuildControlMap) and connects the handlers;
    // returns the names of bound controls the window lacks. Run once after the window's
    // controls exist.
    QStringList bind();
    // The all-blocks EQ reset of the first showing: defaults everywhere, nothing sent.
    void resetAllEq();
    // Event 1 of the link: the whole window from the store, then the current page again.
    void refreshAfterLoad();
    // The main window's 10 ms tick: a pending chart drag, the curve after an edit, the
    // spectrum.
    void tick();

    CurveDrawer* curve() { return m_curve.get(); }
    ChartInteraction* chartInteraction() { return m_chartInteraction.get(); }
    SpectrumDisplay* spectrum() { return m_spectrum.get(); }

private:
    EditorContext m_ctx;
    std::unique_ptr<ControlValues> m_values;
    std::unique_ptr<ControlHandlers> m_handlers;
    std::unique_ptr<BandEditing> m_bands;
    std::unique_ptr<WindowRefresh> m_refresh;
    std::unique_ptr<PageSwitcher> m_pages;
    std::unique_ptr<VolumeControls> m_volumes;
    std::unique_ptr<CurveDrawer> m_curve;
    std::unique_ptr<ChartInteraction> m_chartInteraction;
    std::unique_ptr<SpectrumDisplay> m_spectrum;
    bool m_connected = false;
};

} // namespace aec
