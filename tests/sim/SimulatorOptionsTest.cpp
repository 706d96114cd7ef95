#include "sim/SimulatorOptions.h"
#include "sim/ProcessorMemory.h"

#include <gtest/gtest.h>

namespace aec::sim {
namespace {

std::optional<SimulatorOptions> Parse(QStringList arguments, QString* error)
{
    QCommandLineParser parser;
    AddSimulatorOptions(parser);
    arguments.prepend(QStringLiteral("processor-sim"));
    if (!parser.parse(arguments)) {
        *error = parser.errorText();
        return std::nullopt;
    }
    return ReadSimulatorOptions(parser, error);
}

TEST(SimulatorOptions, ReadsEveryFaultAndCode)
{
    QString error;
    const auto options = Parse(
        {"--seed",      "9",        "--stop-after",        "40",   "--hang-up-after", "50",
         "--drop-acks", "0.25",     "--corrupt-checksums", "0.5",  "--garbage",       "1",
         "--delay",     "120",      "--panel-code",        "0042", "--password",      "654321",
         "--identity",  "00ff10aa", "--ignore-writes",     "3"},
        &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->faults.seed, 9u);
    EXPECT_EQ(options->faults.stopAfterFrames, 40);
    EXPECT_EQ(options->faults.hangUpAfterFrames, 50);
    EXPECT_DOUBLE_EQ(options->faults.dropAcknowledgements, 0.25);
    EXPECT_DOUBLE_EQ(options->faults.corruptChecksums, 0.5);
    EXPECT_DOUBLE_EQ(options->faults.insertGarbage, 1.0);
    EXPECT_EQ(options->faults.answerDelayMs, 120);
    EXPECT_EQ(options->faults.ignoreWritesToBlock, 3);

    ProcessorMemory memory;
    options->applyTo(memory);
    EXPECT_EQ(memory.panelCode, QByteArray("0042"));
    EXPECT_EQ(memory.systemPassword, QByteArray("654321"));
    EXPECT_EQ(memory.identity, QByteArray::fromHex("00FF10AA"));
}

TEST(SimulatorOptions, ReadsTheLineToAnswerOn)
{
    QString error;
    auto options = Parse({"--tcp", "65535", "--reopen-after", "3000", "--flood", "11520"}, &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->faults.floodBytesPerSecond, 11520);
    EXPECT_EQ(options->tcpPort, 65535);
    EXPECT_EQ(options->reopenAfterMs, 3000);
    options = Parse({"--link", "/tmp/x/processor"}, &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->tcpPort, -1) << "a pseudo-terminal unless asked";
    EXPECT_EQ(options->linkPath, QStringLiteral("/tmp/x/processor"));
}

TEST(SimulatorOptions, NoOptionsMeansAWellBehavedProcessor)
{
    QString error;
    const auto options = Parse({}, &error);
    ASSERT_TRUE(options);
    EXPECT_FALSE(options->faults.any());
}

TEST(SimulatorOptions, RefusesValuesOutOfRangeNamingTheOption)
{
    const QStringList bad[] = {{"--drop-acks", "1.5"},
                               {"--garbage", "-0.1"},
                               {"--stop-after", "x"},
                               {"--delay", "-5"},
                               {"--panel-code", "12a4"},
                               {"--password", "12345"},
                               {"--identity", "12345"},
                               {"--identity", "zz00zz00"},
                               {"--tcp", "65536"},
                               {"--tcp", "-1"},
                               {"--reopen-after", "-1"},
                               {"--flood", "-1"},
                               {"--ignore-writes", "-1"},
                               {"--link", "/tmp/p", "--tcp", "4001"}};
    for (const QStringList& arguments : bad) {
        QString error;
        EXPECT_FALSE(Parse(arguments, &error)) << arguments.join(' ').toStdString();
        EXPECT_TRUE(error.contains(arguments.first())) << error.toStdString();
    }
}

} // namespace
} // namespace aec::sim
