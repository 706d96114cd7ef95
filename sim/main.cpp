// processor-sim: a simulated audio-effect processor on a pseudo-terminal. Prints the device
// path to open as its first line, then serves until SIGINT or SIGTERM.
#include "platform/TerminationSignals.h"
#include "sim/SimulatorHost.h"
#include "sim/SimulatorOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("processor-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A simulated audio-effect processor on a pseudo-terminal.\n"
                       "Prints the path of the serial device to open on its first line and "
                       "answers the controller there until interrupted."));
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

    aec::sim::SimulatorHost host(options->faults);
    options->applyTo(host.processor().memory());
    if (!host.start()) {
        err << "processor-sim: cannot open a pseudo-terminal: " << host.errorString() << Qt::endl;
        return 1;
    }
    QTextStream out(stdout);
    out << host.portPath() << Qt::endl;

    aec::TerminationSignals termination;
    QObject::connect(&termination, &aec::TerminationSignals::terminationRequested, &app,
                     &QCoreApplication::quit);
    QObject::connect(&host.processor(), &aec::sim::SimulatedProcessor::hangUpRequested, &app,
                     [&] { err << "processor-sim: hung up the line as asked" << Qt::endl; });
    return QCoreApplication::exec();
}
