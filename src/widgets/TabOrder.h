#pragma once

#include <QList>

class QWidget;

namespace aec {

// Puts the Tab key's path through a window in the order a person reads it: the regions in the
// order given, and within each region the controls in the order of its layouts (a box layout's
// items one after the other, a grid's row by row, a tab widget's bar before its pages). Widgets
// built early and placed late otherwise keep the place in the path that their building gave
// them. Controls outside any layout follow the others of their region.
void ChainTabOrder(const QList<QWidget*>& regions);

} // namespace aec
