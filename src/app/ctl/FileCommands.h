#pragma once

#include "app/ctl/CommandLine.h"

namespace aec::ctl {

// The subcommands that work on files only. Each takes the arguments after its name and
// returns the exit code.
int Check(const QStringList& arguments, Console& console);
int Show(const QStringList& arguments, Console& console);
int Diff(const QStringList& arguments, Console& console);
int Convert(const QStringList& arguments, Console& console);
int ImportEq(const QStringList& arguments, Console& console);
int ExportEq(const QStringList& arguments, Console& console);

} // namespace aec::ctl
