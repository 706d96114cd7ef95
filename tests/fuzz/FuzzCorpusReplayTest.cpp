// Replays the committed fuzz corpora through their harnesses, so every normal test run keeps
// the inputs that once mattered.
#include "PresetFuzzHarness.h"
#include "ReceiverFuzzHarness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

QFileInfoList CorpusFiles(const QString& name)
{
    return QDir(QStringLiteral(FUZZ_CORPUS_DIR) + QLatin1Char('/') + name)
        .entryInfoList(QDir::Files, QDir::Name);
}

TEST(FuzzCorpusReplay, ReceiverCorpusRunsCleanThroughOneReceiver)
{
    const QFileInfoList files = CorpusFiles(QStringLiteral("receiver"));
    ASSERT_GE(files.size(), 5) << "the seed corpus is missing";
    for (const QFileInfo& info : files) {
        QFile file(info.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
        const QByteArray input = file.readAll();
        aec::fuzz::FeedReceiver(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                static_cast<std::size_t>(input.size()));
    }
}

TEST(FuzzCorpusReplay, PresetCorpusReadsWithoutFault)
{
    const QFileInfoList files = CorpusFiles(QStringLiteral("preset"));
    ASSERT_GE(files.size(), 5) << "the seed corpus is missing";
    for (const QFileInfo& info : files) {
        QFile file(info.filePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << info.filePath().toStdString();
        const QByteArray input = file.readAll();
        aec::fuzz::ReadPresetFile(reinterpret_cast<const std::uint8_t*>(input.constData()),
                                  static_cast<std::size_t>(input.size()));
    }
}

} // namespace
