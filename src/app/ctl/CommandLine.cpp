#include "app/ctl/CommandLine.h"

#include <QRegularExpression>

namespace aec::ctl {

int UsageError(Console& console, const QString& message)
{
    console.err << "aecctl " << console.command << ": " << message << Qt::endl;
    console.err << "Try 'aecctl " << console.command << " --help'." << Qt::endl;
    return Exit::Usage;
}

std::optional<int> ParseArguments(QCommandLineParser& parser, const QStringList& arguments,
                                  int positionals, Console& console)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Shows this help."));
    parser.addOption(help);
    if (!parser.parse(QStringList{QStringLiteral("aecctl")} + arguments))
        return UsageError(console, parser.errorText());
    if (parser.isSet(help)) {
        // The parser names the program as it was called; the help is the subcommand's.
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                     QStringLiteral("Usage: aecctl ") + console.command);
        console.out << text;
        console.out.flush();
        return Exit::Success;
    }
    const auto count = parser.positionalArguments().size();
    if ((positionals < 0 && count == 0) || (positionals >= 0 && count != positionals))
        return UsageError(console, count == 0 ? QStringLiteral("missing arguments")
                                              : QStringLiteral("wrong number of arguments"));
    return std::nullopt;
}

} // namespace aec::ctl
