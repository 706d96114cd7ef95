#pragma once

#include "core/BlockLayout.h"
#include "core/ParamAddress.h"

#include <QHash>
#include <QList>
#include <QString>

#include <array>

class QWidget;

namespace aec {

class ParamStore;

// The controls that edit and show each parameter, by view address: the control that edits
// the slot (PrimaryControl), the pane that shows its value (ValuePane) and up to four
// companions (AuxControls: a band's type labels, its gain slider, the spin buttons of a Q or
// gain edit). Cells refer to the window's controls and never own them; cells of slots without
// a control of their own hold the hidden placeholder edit `Example`; unbound cells are null.
class ControlMap
{
public:
    static constexpr int AuxCount = 4;

    QWidget* PrimaryControl(int block, int slot) const { return cell(block, slot).primary; }
    QWidget* ValuePane(int block, int slot) const { return cell(block, slot).pane; }
    QWidget* AuxControl(int block, int slot, int k) const { return cell(block, slot).aux[k]; }
    QWidget* PrimaryControl(ParamAddress a) const { return PrimaryControl(BlockOf(a), SlotOf(a)); }
    QWidget* ValuePane(ParamAddress a) const { return ValuePane(BlockOf(a), SlotOf(a)); }
    QWidget* AuxControl(ParamAddress a, int k) const
    {
        return AuxControl(BlockOf(a), SlotOf(a), k);
    }

    QWidget* Example = nullptr;

    // Fills the tables from the parameter map, finding controls by name under `window`;
    // stamps every bound control's Tag with its address and the type labels' Hints with the
    // type they choose; sets the initial low-pass values of the store. A second run changes
    // nothing. Names the window does not (yet) have are returned.
    QStringList BuildControlMap(QWidget* window, ParamStore& store);

    // Controls by name, as BuildControlMap found them.
    QWidget* find(const QString& name) const { return m_byName.value(name); }

private:
    struct Cell
    {
        QWidget* primary = nullptr;
        QWidget* pane = nullptr;
        std::array<QWidget*, AuxCount> aux{};
    };
    static bool inTable(int block, int slot)
    {
        return block >= 0 && block < BlockCount && slot >= 0 && slot < RowLength;
    }
    const Cell& cell(int block, int slot) const
    {
        static const Cell none;
        return inTable(block, slot) ? m_cells[block][slot] : none;
    }

    std::array<std::array<Cell, RowLength>, BlockCount> m_cells{};
    QHash<QString, QWidget*> m_byName;
};

} // namespace aec
