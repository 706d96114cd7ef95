#pragma once

class QWidget;

namespace aec {

// The system page's link group: the automatic reconnect switch (AutoReconnectBox), the
// address of a processor on the network (NetworkPortEdit) and the button that opens the
// protocol console (ConsoleBtn). The window shell connects them to the link.
QWidget* BuildLinkGroup(QWidget* parent);

} // namespace aec
