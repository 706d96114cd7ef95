#include "editing/ui/WindowEditor.h"

#include "chart/ui/ChartInteraction.h"
#include "chart/ui/CurveDrawer.h"
#include "chart/ui/ResponseChart.h"
#include "editing/EqReset.h"
#include "editing/ui/BandEditing.h"
#include "editing/ui/ControlHandlers.h"
#include "editing/ui/ControlValues.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/VolumeControls.h"
#include "editing/ui/WindowRefresh.h"
#include "spectrum/ui/SpectrumDisplay.h"

namespace aec {

WindowEditor::WindowEditor(ParameterModel& model, const Language& language, QWidget* window)
    : m_ctx(model, language, window), m_values(std::make_unique<ControlValues>(m_ctx)),
      m_handlers(std::make_unique<ControlHandlers>(m_ctx)),
      m_bands(std::make_unique<BandEditing>(m_ctx)),
      m_refresh(std::make_unique<WindowRefresh>(m_ctx)),
      m_pages(std::make_unique<PageSwitcher>(m_ctx)),
      m_volumes(std::make_unique<VolumeControls>(m_ctx))
{
    m_ctx.values = m_values.get();
    m_ctx.handlers = m_handlers.get();
    m_ctx.bands = m_bands.get();
    m_ctx.refresh = m_refresh.get();
    m_ctx.pages = m_pages.get();
    m_ctx.volumes = m_volumes.get();

    if (auto* chart = window->findChild<ResponseChart*>()) {
        m_curve = std::make_unique<CurveDrawer>(m_ctx, *chart);
        m_chartInteraction = std::make_unique<ChartInteraction>(m_ctx, *chart, *m_curve);
        m_ctx.curve = m_curve.get();
        // The spectrum's buffers, then the sound capture, as the window is created; without
        // a sound input only the spectrum goes without.
        m_spectrum = std::make_unique<SpectrumDisplay>(m_ctx, *chart, *m_curve);
        m_spectrum->StartCapture();
        m_ctx.DrawBlockCurve = [this](int band, int block) {
            m_curve->DrawBlockCurve(band, block);
        };
        // A new size: the whole block, then the selected band so its label shows again.
        QObject::connect(chart, &ResponseChart::resized, chart, [this] {
            const PageNavigation& nav = m_ctx.navigation;
            m_ctx.DrawBlockCurve(AllBands, nav.ChartBlock);
            m_ctx.DrawBlockCurve(
                m_ctx.state.SelectedBand[static_cast<std::size_t>(nav.CurrentPage % 256)],
                nav.ChartBlock);
        });
    }
}

WindowEditor::~WindowEditor() = default;

QStringList WindowEditor::bind()
{
    ++m_ctx.state.ControlUpdateGuard;
    const QStringList missing = m_ctx.map.BuildControlMap(m_ctx.window, m_ctx.model.store);
    m_ctx.CurrentEdit = m_ctx.map.find(QStringLiteral("MusFreEdit1"));
    m_ctx.HighlightedEdit = m_ctx.map.Example;
    if (!m_connected) {
        m_handlers->connectControls();
        m_bands->connectControls();
        m_pages->connectControls();
        m_volumes->connectControls();
        m_connected = true;
    }
    --m_ctx.state.ControlUpdateGuard;
    return missing;
}

void WindowEditor::tick()
{
    if (m_chartInteraction)
        m_chartInteraction->tick();
    if (m_spectrum)
        m_spectrum->SpectrumTimerTick();
}

void WindowEditor::resetAllEq()
{
    m_refresh->ResetEq(AllBlocks);
}

void WindowEditor::refreshAfterLoad()
{
    m_refresh->RefreshBlock(WindowRefresh::AllViewBlocks);
    PageNavigation& nav = m_ctx.navigation;
    nav.CurrentPage = m_pages->SelectPage(nav.CurrentTab);
    m_refresh->RefreshBlock(nav.CurrentPage / 256);
}

} // namespace aec
