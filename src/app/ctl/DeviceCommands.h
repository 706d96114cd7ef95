#pragma once

#include "app/ctl/CommandLine.h"

namespace aec::ctl {

// The subcommands that link to a processor. They run the event loop until the job is done.
int Dump(const QStringList& arguments, Console& console);
int Apply(const QStringList& arguments, Console& console);

} // namespace aec::ctl
