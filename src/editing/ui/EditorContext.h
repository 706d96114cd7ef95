#pragma once

#include "core/ParameterModel.h"
#include "editing/EditorState.h"
#include "editing/PageNavigation.h"
#include "editing/ui/ControlMap.h"

#include <functional>

class QWidget;

namespace aec {

class BandEditing;
class ControlHandlers;
class ControlValues;
class CurveDrawer;
class Language;
class LinkSession;
class MessageService;
class PageSwitcher;
class VolumeControls;
class WindowRefresh;

constexpr int AllBands = 100; // DrawBlockCurve: every band of the block

// What the main window's editing parts share: the tables, the navigation, the control map,
// the editing state and each other. The window creates it once.
struct EditorContext
{
    EditorContext(ParameterModel& model_, const Language& language_, QWidget* window_)
        : model(model_), navigation(model_.selection), language(language_), window(window_)
    {
    }

    ParameterModel& model;
    PageNavigation navigation;
    ControlMap map;
    EditorState state;
    const Language& language;
    QWidget* window;
    LinkSession* session = nullptr; // null before the link is attached, and in some tests
    MessageService* messages = nullptr;

    QWidget* CurrentEdit = nullptr;     // the edit that typing, spin buttons and the wheel act on
    QWidget* HighlightedEdit = nullptr; // the edit whose frame is highlighted

    // The system page's controls (modes, locks) in a refresh, and the panel lock after it.
    std::function<void()> refreshSystemControls;
    std::function<void()> applyPanelLock;
    // While the lock panel holds the window, the tab buttons are refused.
    std::function<bool()> lockPanelVisible = [] { return false; };
    // Redraws the curve of a block (the response chart attaches it; until then nothing).
    std::function<void(int band, int block)> DrawBlockCurve = [](int, int) {};

    ControlValues* values = nullptr;
    ControlHandlers* handlers = nullptr;
    BandEditing* bands = nullptr;
    WindowRefresh* refresh = nullptr;
    PageSwitcher* pages = nullptr;
    VolumeControls* volumes = nullptr;
    CurveDrawer* curve = nullptr; // the response chart's curve, once the chart is attached

    // The send-suppression flag of the link session (a local one while none is attached).
    int& SendSuppressed();
    // SetParameter through the model (the session sends or queues it).
    void SetParameter(ParamAddress viewAddress, std::int32_t value)
    {
        model.SetParameter(viewAddress, value);
    }
    QWidget* find(const char* name) const;

private:
    int m_localSuppressed = 0;
};

} // namespace aec
