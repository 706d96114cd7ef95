// aecctl: presets from the command line. Checks, shows, compares and converts preset files,
// puts EQ from measurement tools onto their pages, and backs up and provisions processors.
// Exit codes: 0 success, 1 a difference, a refused file or a failed processor, 2 wrong usage.
#include "app/ctl/CommandLine.h"
#include "app/ctl/DeviceCommands.h"
#include "app/ctl/FileCommands.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

using Command = int (*)(const QStringList&, aec::ctl::Console&);

struct Subcommand
{
    const char* name;
    Command run;
    const char* summary;
};

const Subcommand Subcommands[] = {
    {"check", aec::ctl::Check, "check FILE...          whether each preset loads, or why not"},
    {"show", aec::ctl::Show, "show FILE [--json]     every parameter by name, page by page"},
    {"diff", aec::ctl::Diff, "diff A B               the parameters that differ (exit 1 if any)"},
    {"convert", aec::ctl::Convert, "convert IN OUT         scrambled <-> JSON by OUT's extension"},
    {"import-eq", aec::ctl::ImportEq,
     "import-eq TEXT --page NAME [--side left|right] --into PRESET -o OUT\n"
     "                         EQ text from a measurement tool onto a page's bands"},
    {"export-eq", aec::ctl::ExportEq,
     "export-eq PRESET --page NAME [--side left|right] [-o OUT]\n"
     "                         a page's bands as EQ text"},
    {"dump", aec::ctl::Dump,
     "dump --port PORT -o FILE\n"
     "                         a processor's parameters as a preset"},
    {"apply", aec::ctl::Apply, "apply FILE --port PORT  write a preset, read it back, compare"},
};

QString Usage()
{
    QString text = QStringLiteral(
        "Usage: aecctl COMMAND [ARGUMENTS]\n\n"
        "Presets of the audio-effect processor from the command line. Presets may be\n"
        "scrambled (.Nddt, as the window saves them) or JSON (.json).\n\nCommands:\n");
    for (const Subcommand& s : Subcommands)
        text += QStringLiteral("  ") + QLatin1String(s.summary) + QLatin1Char('\n');
    text += QStringLiteral(
        "\n'aecctl COMMAND --help' describes a command.\n"
        "Exit codes: 0 success, 1 a difference, a refused file or a failed processor,\n"
        "2 wrong usage.\n");
    return text;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("aecctl"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        err << Usage();
        return aec::ctl::Exit::Usage;
    }
    const QString command = arguments.takeFirst();
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        out << Usage();
        return aec::ctl::Exit::Success;
    }
    if (command == QLatin1String("--version")) {
        out << "aecctl " << QCoreApplication::applicationVersion() << Qt::endl;
        return aec::ctl::Exit::Success;
    }
    for (const Subcommand& s : Subcommands) {
        if (command == QLatin1String(s.name)) {
            aec::ctl::Console console{out, err, command};
            return s.run(arguments, console);
        }
    }
    err << "aecctl: no command \"" << command << "\"\n\n" << Usage();
    return aec::ctl::Exit::Usage;
}
