#include "platform/TerminationSignals.h"

namespace aec {

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent) {}
TerminationSignals::~TerminationSignals() = default;

} // namespace aec
