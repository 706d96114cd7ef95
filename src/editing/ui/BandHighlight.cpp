#include "editing/ui/BandHighlight.h"

#include "widgets/BandBox.h"
#include "widgets/BandColumn.h"
#include "widgets/BandColumnBinding.h"
#include "widgets/Binder.h"
#include "widgets/EditBinding.h"
#include "widgets/EditFocus.h"
#include "widgets/ParamWidgets.h"

#include <QLabel>

namespace aec {

BandHighlight::BandHighlight(Binder& binder, EditFocus& focus, QObject* parent)
    : QObject(parent), m_binder(binder)
{
    for (BandColumnBinding* column : binder.columns())
        for (EditBinding* edit : {column->frequency(), column->gain(), column->q()})
            m_columnOf.insert(edit, column);
    connect(&focus, &EditFocus::selected, this, &BandHighlight::selected);
}

void BandHighlight::selected(EditBinding* edit)
{
    BandColumnBinding* chosen = m_columnOf.value(edit);
    if (!chosen)
        return; // an input gain: no band
    const BandColumn* column = chosen->column();
    const int block = column->family().viewBlock;
    const int band = column->band();
    m_selected.insert(block, band);

    if (edit->edit() != m_highlighted) {
        for (BandColumnBinding* other : m_binder.columns())
            if (&other->column()->family() == &column->family())
                SetStyleState(other->column()->pointLabel, "selected",
                              other->column()->band() == band);
        if (m_highlighted)
            m_highlighted->setHighlighted(false);
        edit->edit()->setHighlighted(true);
        m_highlighted = edit->edit();
    }
    for (QWidget* w = column->parentWidget(); w; w = w->parentWidget())
        if (auto* box = qobject_cast<BandBox*>(w)) {
            box->bringIntoView(band);
            break;
        }
    emit bandSelected(block, band);
}

} // namespace aec
