#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace aec {

// The controller's command line.
struct ControllerOptions
{
    QStringList ports;     // listed first, in the order given
    bool demo = false;     // start a simulated processor in the program and list it first
    bool reconnect = true; // false: a lost link stays lost this run, whatever the setting
    // Keep the window's size, place, side tab and language between runs (the program does;
    // tests leave the person's settings alone).
    bool rememberWindow = false;
};

void AddControllerOptions(QCommandLineParser& parser);
ControllerOptions ReadControllerOptions(const QCommandLineParser& parser);

} // namespace aec
