#include "editing/ui/ControlMap.h"

#include "core/ParameterTable.h"
#include "editing/ui/ControlTags.h"
#include "editing/ui/ParamWidgets.h"
#include "editing/ui/ParameterMap.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QWidget>

namespace aec {
namespace {

bool TakesPrimaryTag(QWidget* w)
{
    return qobject_cast<QComboBox*>(w) || qobject_cast<QSlider*>(w) ||
           qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w);
}

bool TakesPaneTag(QWidget* w)
{
    return qobject_cast<QComboBox*>(w) || qobject_cast<StatusPane*>(w) ||
           qobject_cast<TwoStateButton*>(w);
}

} // namespace

QStringList ControlMap::BuildControlMap(QWidget* window, ParamStore& store)
{
    m_byName.clear();
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            m_byName.insert(w->objectName(), w);
    Example = find(QStringLiteral("Example"));

    QStringList missing;
    const auto lookup = [&](const char* name) -> QWidget* {
        if (!*name)
            return nullptr;
        QWidget* w = find(QLatin1String(name));
        if (!w)
            missing << QLatin1String(name);
        return w;
    };

    m_cells = {};
    for (const ParameterBinding& b : ParameterMap()) {
        Cell& c = m_cells[b.block][b.slot];
        const bool placeholder = !*b.primary && !*b.pane;
        c.primary = placeholder ? Example : lookup(b.primary);
        c.pane = lookup(b.pane);
        for (int k = 0; k < AuxCount; ++k)
            c.aux[k] = lookup(b.aux[k]);
    }

    // Stamp in block and slot order: a control bound at several slots keeps the last one, and
    // slots at SlotCount (the last band's shelving Q of some blocks) are not visited.
    for (int block = 0; block < BlockCount; ++block) {
        for (int slot = 0; slot < SlotCount[block]; ++slot) {
            const Cell& c = m_cells[block][slot];
            const int address = MakeAddress(block, slot);
            if (c.primary && TakesPrimaryTag(c.primary))
                SetTag(c.primary, address);
            if (c.pane && TakesPaneTag(c.pane))
                SetTag(c.pane, address);
            if (qobject_cast<TypeLabel*>(c.aux[0])) {
                for (int k = 0; k < AuxCount; ++k) {
                    if (c.aux[k]) {
                        SetTag(c.aux[k], address);
                        SetHint(c.aux[k], QString::number(k));
                    }
                }
            } else if (qobject_cast<QSlider*>(c.aux[0]) || qobject_cast<SpinButtons*>(c.aux[0])) {
                // Trigger buttons keep their design Tags: the trigger each one chooses.
                SetTag(c.aux[0], address);
            }
        }
    }
    store.setInitialLowPassValues();
    missing.removeDuplicates();
    return missing;
}

} // namespace aec
