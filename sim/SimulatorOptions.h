#pragma once

#include "sim/FaultPlan.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace aec::sim {

class ProcessorMemory;

// The command line of processor-sim: the line it answers on, the processor's codes and identity
// and the faults to show.
struct SimulatorOptions
{
    FaultPlan faults;
    int tcpPort = -1;       // listen on this loopback port instead of a pseudo-terminal; 0: any
    QString linkPath;       // a symbolic link to keep pointing at the pseudo-terminal
    int reopenAfterMs = -1; // after a hang-up, the line comes back this much later
    QByteArray panelCode = "1234";
    QByteArray systemPassword = "123456";
    QByteArray identity = QByteArray::fromHex("51A3160B");

    void applyTo(ProcessorMemory& memory) const;
};

// Declares the options on `parser`.
void AddSimulatorOptions(QCommandLineParser& parser);

// Reads the options of a processed parser; on a bad value returns nothing and sets `error`.
std::optional<SimulatorOptions> ReadSimulatorOptions(const QCommandLineParser& parser,
                                                     QString* error);

} // namespace aec::sim
