#include "editing/ui/WindowEditor.h"

#include "editing/EqReset.h"
#include "editing/ui/BandEditing.h"
#include "editing/ui/ControlHandlers.h"
#include "editing/ui/ControlValues.h"
#include "editing/ui/PageSwitcher.h"
#include "editing/ui/VolumeControls.h"
#include "editing/ui/WindowRefresh.h"

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
