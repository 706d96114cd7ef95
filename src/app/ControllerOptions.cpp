#include "app/ControllerOptions.h"

namespace aec {

void AddControllerOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {QStringLiteral("port"),
         QStringLiteral("Try the serial device PATH first when searching for the processor. "
                        "Repeat for several. For devices the system does not list, such as "
                        "pseudo-terminals and Bluetooth serial ports, and for a processor "
                        "behind a serial-to-network server: tcp://HOST:PORT."),
         QStringLiteral("PATH")},
        {QStringLiteral("demo"),
         QStringLiteral("Start a simulated processor inside the program and try it first, to "
                        "see the program find, load and edit a processor without the "
                        "hardware.")},
        {QStringLiteral("no-reconnect"),
         QStringLiteral("Leave a lost link lost, and stop after a search that found nothing, "
                        "as if the automatic reconnect on the system page were off (for this "
                        "run only).")},
    });
}

ControllerOptions ReadControllerOptions(const QCommandLineParser& parser)
{
    ControllerOptions options;
    options.ports = parser.values(QStringLiteral("port"));
    options.demo = parser.isSet(QStringLiteral("demo"));
    options.reconnect = !parser.isSet(QStringLiteral("no-reconnect"));
    options.rememberWindow = true;
    return options;
}

} // namespace aec
