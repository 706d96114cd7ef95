#include "platform/PseudoTerminal.h"

namespace aec {

PseudoTerminal::PseudoTerminal(QObject* parent) : QObject(parent) {}
PseudoTerminal::~PseudoTerminal() = default;

bool PseudoTerminal::isOpen() const
{
    return false;
}

bool PseudoTerminal::open()
{
    m_error = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
}

void PseudoTerminal::write(QByteArrayView) {}
void PseudoTerminal::readAvailable() {}
void PseudoTerminal::hangUp() {}

} // namespace aec
