// processor-sim: a simulated audio-effect processor on a pseudo-terminal or a loopback TCP
// port. Prints the path (or tcp:// address) to open as its first line, then serves until
// SIGINT or SIGTERM.
#include "platform/TerminationSignals.h"
#include "sim/SimulatorHost.h"
#include "sim/SimulatorOptions.h"
#include "sim/TcpSimulatorHost.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <memory>

namespace {

std::unique_ptr<aec::sim::ProcessorHost> MakeHost(const aec::sim::SimulatorOptions& options)
{
    if (options.tcpPort >= 0)
        return std::make_unique<aec::sim::TcpSimulatorHost>(static_cast<quint16>(options.tcpPort),
                                                            options.faults);
    auto host = std::make_unique<aec::sim::SimulatorHost>(options.faults);
    host->setLinkPath(options.linkPath);
    return host;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("processor-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A simulated audio-effect processor on a pseudo-terminal or a TCP port.\n"
                       "Prints the path of the serial device (or the tcp:// address) to open on "
                       "its first line and answers the controller there until interrupted."));
    parser.addHelpOption();
    parser.addVersionOption();
    aec::sim::AddSimulatorOptions(parser);
    parser.process(app);

    QString error;
    const auto options = aec::sim::ReadSimulatorOptions(parser, &error);
    QTextStream err(stderr);
    if (!options) {
        err << "processor-sim: " << error << Qt::endl;
        return 2;
    }

    const std::unique_ptr<aec::sim::ProcessorHost> host = MakeHost(*options);
    options->applyTo(host->processor().memory());
    host->setReopenAfter(options->reopenAfterMs);
    if (!host->start()) {
        err << "processor-sim: cannot open the line: " << host->errorString() << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    out << host->portPath() << Qt::endl;

    aec::TerminationSignals termination;
    QObject::connect(&termination, &aec::TerminationSignals::terminationRequested, &app,
                     &QCoreApplication::quit);
    QObject::connect(host.get(), &aec::sim::ProcessorHost::lineHungUp, &app,
                     [&] { err << "processor-sim: hung up the line as asked" << Qt::endl; });
    QObject::connect(host.get(), &aec::sim::ProcessorHost::lineReopened, &app,
                     [&] { err << "processor-sim: the line is back" << Qt::endl; });
    return QCoreApplication::exec();
}
