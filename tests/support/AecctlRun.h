#pragma once

#include "support/EventLoop.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>

namespace aec::test {

// What a run of aecctl printed and how it ended (-1 when it crashed or did not end).
struct AecctlResult
{
    int exit = -1;
    QString out;
    QString err;
};

// Runs aecctl (AECCTL_PATH) while this process's event loop keeps running, so that a simulated
// processor in the test can answer it.
inline AecctlResult RunAecctl(const QStringList& arguments, int limitMs)
{
    QProcess program;
    program.start(QStringLiteral(AECCTL_PATH), arguments);
    EXPECT_TRUE(program.waitForStarted(10000));
    EXPECT_TRUE(RunUntil([&] { return program.state() == QProcess::NotRunning; }, limitMs))
        << arguments.join(' ').toStdString();
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

} // namespace aec::test
