#include "app/ApplicationInfo.h"
#include "app/Controller.h"
#include "editing/ui/TForm1.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(aec::ApplicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Controller of the karaoke and audio-effect processor. Searches the "
                       "serial ports for the processor, loads its parameters and sends every "
                       "edit."));
    parser.addHelpOption();
    parser.addVersionOption();
    aec::AddControllerOptions(parser);
    parser.process(app);

    aec::Controller controller(aec::ReadControllerOptions(parser));
    // SIGINT and SIGTERM close the main window as a person would, so the processor is unlinked.
    aec::TerminationSignals termination;
    QObject::connect(&termination, &aec::TerminationSignals::terminationRequested,
                     &controller.mainWindow(), &QWidget::close);
    controller.start();
    return QApplication::exec();
}
