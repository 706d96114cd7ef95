#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <optional>

namespace aec::ctl {

// What a script reads from aecctl's exit code.
namespace Exit {
constexpr int Success = 0;
constexpr int Refused = 1; // a difference, a refused file, a processor that failed
constexpr int Usage = 2;
} // namespace Exit

// aecctl's two streams and the subcommand being run.
struct Console
{
    QTextStream& out;
    QTextStream& err;
    QString command; // "show"
};

// Parses a subcommand's arguments with --help added. Returns an exit code when the command is
// done already: 0 after printing the help, 2 after naming a wrong use; nothing to go on.
// `positionals` is how many positional arguments it takes, -1 for one or more.
std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                                  int positionals, Console& console);

// Names a wrong use on the error stream and returns 2.
int UsageError(Console& console, const QString& message);

} // namespace aec::ctl
