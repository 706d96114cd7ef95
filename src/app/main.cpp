#include "app/ApplicationIcon.h"
#include "app/ApplicationInfo.h"
#include "app/Controller.h"
#include "app/TForm1.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>
#include <memory>

namespace {

void DescribeOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Controller of the karaoke and audio-effect processor. Searches the "
                       "serial ports for the processor, loads its parameters and sends every "
                       "edit."));
    parser.addHelpOption();
    parser.addVersionOption();
    aec::AddControllerOptions(parser);
}

// --help and --version answer in a terminal without a display.
bool AsksForTextOnly(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(aec::ApplicationTitle());
    QCoreApplication::setOrganizationName(aec::ApplicationTitle()); // where settings are kept
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));
    if (AsksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCommandLineParser parser;
        DescribeOptions(parser);
        parser.process(app); // prints and exits
        return 0;
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(aec::ApplicationIcon());
    QGuiApplication::setDesktopFileName(aec::DesktopFileId());
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);

    aec::Controller controller(aec::ReadControllerOptions(parser));
    // SIGINT and SIGTERM close the main window as a person would, so the processor is unlinked.
    aec::TerminationSignals termination;
    QObject::connect(&termination, &aec::TerminationSignals::terminationRequested,
                     &controller.mainWindow(), &QWidget::close);
    controller.start();
    return QApplication::exec();
}
