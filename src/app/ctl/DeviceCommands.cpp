#include "app/ctl/DeviceCommands.h"

#include "app/ctl/PresetArguments.h"
#include "platform/LinkPort.h"
#include "platform/TcpLineAdapter.h"
#include "platform/TerminationSignals.h"
#include "system/PresetFormat.h"
#include "system/PresetPages.h"
#include "system/PresetTransfer.h"

#include <QCoreApplication>

#include <algorithm>

namespace aec::ctl {
namespace {

const QString PortHelp =
    QStringLiteral("The processor's port, as the window takes it: a device path such as "
                   "/dev/ttyUSB0 or a pseudo-terminal of processor-sim, or tcp://HOST:PORT for "
                   "a processor behind a serial-to-network server.");

// A network address that cannot be read is a wrong use, not a processor that failed.
bool Readable(const QString& port, Console& console)
{
    if (TcpLineAdapter::IsTcpName(port) && !TcpLineAdapter::ParseName(port)) {
        UsageError(console,
                   QStringLiteral("%1: not a network address; write tcp://HOST:PORT").arg(port));
        return false;
    }
    return true;
}

// Runs a job on the processor behind `port` until it ends; an interrupt (SIGINT, SIGTERM)
// ends it too, unlinking the processor first.
bool Run(PresetTransfer& transfer, LinkPort& line, Console& console,
         const std::function<void()>& start)
{
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &transfer,
                     [&] { transfer.abort(QStringLiteral("interrupted")); });
    QObject::connect(&line, &LinkPort::bytesReceived, &transfer,
                     [&](const QByteArray& bytes) { transfer.receive(bytes); });
    QObject::connect(&line, &LinkPort::lineLost, &transfer, &PresetTransfer::lineLost);
    QObject::connect(&transfer, &PresetTransfer::progress, &transfer, [&](const QString& step) {
        console.err << "aecctl " << console.command << ": " << step << Qt::endl;
    });
    QObject::connect(&transfer, &PresetTransfer::finished, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    start();
    // finished() always comes through the event loop, even for a port that does not open.
    QCoreApplication::exec();
    // Let the unlink leave before the port closes.
    line.drain(200);
    line.close();
    if (!transfer.succeeded())
        console.err << "aecctl " << console.command << ": " << transfer.error() << Qt::endl;
    return transfer.succeeded();
}

QCommandLineOption PortOption()
{
    return {QStringLiteral("port"), PortHelp, QStringLiteral("PORT")};
}

} // namespace

int Dump(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Links to a processor, reads its whole parameter set and writes it as a preset (a "
        "backup), then unlinks. Exit 1 when the processor cannot be reached or stops "
        "answering."));
    const QCommandLineOption port = PortOption();
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The preset to write (.json or .Nddt)."),
                                    QStringLiteral("FILE"));
    parser.addOptions({port, output});
    if (const auto done = ParseArguments(parser, arguments, 0, console))
        return *done;
    if (!parser.isSet(port) || !parser.isSet(output))
        return UsageError(console, QStringLiteral("--port and -o are needed"));
    const auto format = OutputFormat(parser.value(output), console);
    if (!format)
        return Exit::Usage;
    if (!Readable(parser.value(port), console))
        return Exit::Usage;

    LinkPort line;
    PresetTransfer transfer(line);
    if (!Run(transfer, line, console, [&] { transfer.startDump(parser.value(port)); }))
        return Exit::Refused;
    const DeviceValues values = PresetFormat::ValuesOf(transfer.store());
    if (!SavePreset(parser.value(output), values, *format, console))
        return Exit::Refused;
    console.out << "wrote " << parser.value(output) << " (" << values.size() << " parameters)"
                << Qt::endl;
    return Exit::Success;
}

int Apply(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Links to a processor, writes a preset to it, reads every block back and compares, "
        "then unlinks. Exit 0 only when the processor holds exactly the preset's values; "
        "otherwise the values that differ are listed (\"name: preset -> processor\") and the "
        "exit code is 1."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The preset to write."));
    const QCommandLineOption port = PortOption();
    parser.addOption(port);
    if (const auto done = ParseArguments(parser, arguments, 1, console))
        return *done;
    if (!parser.isSet(port))
        return UsageError(console, QStringLiteral("--port is needed"));
    if (!Readable(parser.value(port), console))
        return Exit::Usage;
    const QString file = parser.positionalArguments().constFirst();
    const auto values = LoadPreset(file, console);
    if (!values)
        return Exit::Refused;
    // The processor keeps 16 bits a value; a file may hold more than it can be given.
    const auto outside = std::find_if(values->begin(), values->end(), [](const DeviceValue& v) {
        return v.value < 0 || v.value > 0xFFFF;
    });
    if (outside != values->end()) {
        console.err << file << ": refused: " << ParameterKey(outside->address) << " is "
                    << outside->value << ", beyond the processor's 0 to 65535" << Qt::endl;
        return Exit::Refused;
    }

    LinkPort line;
    PresetTransfer transfer(line);
    if (!Run(transfer, line, console, [&] { transfer.startApply(parser.value(port), *values); }))
        return Exit::Refused;
    const auto& differences = transfer.differences();
    if (differences.empty()) {
        const int unsent = transfer.notKept();
        console.out << "the processor holds " << file << " (" << transfer.compared()
                    << " values compared";
        if (unsent > 0)
            console.out << "; " << unsent << (unsent == 1 ? " value" : " values")
                        << " the processor does not keep, not sent";
        console.out << ")" << Qt::endl;
        return Exit::Success;
    }
    console.out << "the processor differs from " << file << " in " << differences.size() << " of "
                << transfer.compared() << " values (preset -> processor):" << Qt::endl;
    for (const PresetDifference& d : differences)
        console.out << DifferenceLine(d) << Qt::endl;
    return Exit::Refused;
}

} // namespace aec::ctl
