#include "core/DiagnosticLog.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

// A long session must not grow the memo without bound: the oldest lines give way.
TEST(DiagnosticLog, KeepsOnlyTheNewestLinesUpToItsCapacity)
{
    DiagnosticLog log(3);
    QStringList announced;
    QObject::connect(&log, &DiagnosticLog::lineAppended,
                     [&announced](const QString& line) { announced << line; });
    for (const char* line : {"1", "2", "3", "4", "5"})
        log.append(QString::fromLatin1(line));
    EXPECT_EQ(log.lines(), (QStringList{"3", "4", "5"}));
    EXPECT_EQ(announced, (QStringList{"1", "2", "3", "4", "5"}));
}

TEST(DiagnosticLog, CapacityBelowOneStillKeepsTheLastLine)
{
    DiagnosticLog log(0);
    log.append(QStringLiteral("a"));
    log.append(QStringLiteral("b"));
    EXPECT_EQ(log.lines(), QStringList{QStringLiteral("b")});
}

} // namespace
} // namespace aec
