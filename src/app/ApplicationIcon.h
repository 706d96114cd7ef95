#pragma once

#include <QIcon>

namespace aec {

// The program's own icon at every rendered size, from the resources compiled into the program,
// for the windows' title bars and task switchers. The installed desktop entry shows the same
// drawing.
QIcon ApplicationIcon();

} // namespace aec
