// The protocol console's window over a session and a simulated processor on an in-memory line:
// it shows the link while open, costs nothing closed, pauses, filters, saves, and keeps to its
// cap under a flood.
#include "core/Language.h"
#include "link/LinkSessionFixture.h"
#include "link/ui/ProtocolConsole.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>

namespace aec::test {
namespace {

class ProtocolConsoleWindow : public LinkSessionFixture
{
protected:
    int lineCount(const QString& text) const
    {
        return static_cast<int>(console.text().split(QLatin1Char('\n')).filter(text).size());
    }

    Language language;
    ProtocolConsole console{session, log, language, &messages, 300};
};

TEST_F(ProtocolConsoleWindow, ShowsTheLinkWhileOpenAndCostsTheSessionNothingClosed)
{
    console.show();
    ASSERT_TRUE(console.recorder().isAttached());
    ASSERT_TRUE(linkOnline());
    run(HoldTimer, 100);
    console.refresh();
    EXPECT_EQ(lineCount(QStringLiteral("→  link request  [F5 B1 06 B7 1E 30 11 00 0B]")), 1);
    EXPECT_EQ(lineCount(QStringLiteral("→  keep-alive")), 2);
    EXPECT_EQ(lineCount(QStringLiteral("←  data reply: block 29")), 1);
    // Every data frame received is followed by the log line the receiver writes for it.
    EXPECT_EQ(lineCount(QStringLiteral("·  log: 缓存长度")),
              lineCount(QStringLiteral("←  ")) - lineCount(QStringLiteral("←  acknowledgement")));
    EXPECT_TRUE(console.findChild<QLabel*>(QStringLiteral("CountersLabel"))
                    ->text()
                    .startsWith(QStringLiteral("out 85 frames")));

    console.close();
    EXPECT_FALSE(console.isVisible());
    EXPECT_FALSE(console.recorder().isAttached());
    const qint64 recorded = console.recorder().nextSequence();
    run(HoldTimer, 200);
    EXPECT_EQ(console.recorder().nextSequence(), recorded);
    EXPECT_EQ(session.counters().framesOut, 89) << "the counters go on all the same";
}

TEST_F(ProtocolConsoleWindow, PauseFreezesTheViewFiltersHideKindsAndTheLanguageFollows)
{
    console.show();
    ASSERT_TRUE(linkOnline());
    console.refresh();
    console.setPaused(true);
    const QString frozen = console.text();
    run(HoldTimer, 100);
    console.refresh();
    EXPECT_EQ(console.text(), frozen);
    console.setPaused(false);
    EXPECT_EQ(lineCount(QStringLiteral("keep-alive")), 2) << "what came meanwhile is shown";

    console.findChild<QCheckBox*>(QStringLiteral("ShowKind3"))->click(); // acknowledgements
    console.setKindShown(ProtocolRecord::Kind::Log, false);
    EXPECT_EQ(lineCount(QStringLiteral("acknowledgement")), 0);
    EXPECT_EQ(lineCount(QStringLiteral("log:")), 0);
    EXPECT_EQ(lineCount(QStringLiteral("keep-alive")), 2);

    language.setCaptionLanguage(1);
    EXPECT_EQ(lineCount(QStringLiteral("保持连接")), 2);
    EXPECT_EQ(console.windowTitle(), QStringLiteral("协议监视器"));
}

TEST_F(ProtocolConsoleWindow, KeepsToItsCapUnderAFlood)
{
    console.show();
    ASSERT_TRUE(linkOnline());
    // Unrequested reports at wire speed: nine bytes each, a frame and a log line apiece.
    const QByteArray report = QByteArray::fromHex("F5B106B71E0B0100D6");
    for (int burst = 0; burst < 40; ++burst) {
        session.ComPortRxChar(report.repeated(25));
        console.refresh();
    }
    EXPECT_EQ(console.recorder().size(), 300);
    EXPECT_LE(console.view()->blockCount(), 300);
    EXPECT_EQ(lineCount(QStringLiteral("processor report at system slot 11")), 150);
    EXPECT_EQ(
        console.findChild<QLabel*>(QStringLiteral("CapLabel"))->text(),
        QStringLiteral("Keeps the newest 300 lines; %1 dropped").arg(console.recorder().dropped()));
    EXPECT_GT(console.recorder().dropped(), 2000 - 300);
}

TEST_F(ProtocolConsoleWindow, SavesWhatItShowsAndTellsWhyItCouldNot)
{
    console.show();
    ASSERT_TRUE(linkOnline());
    console.refresh();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("link.txt"));
    ASSERT_TRUE(console.saveTo(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), console.text() + QLatin1Char('\n'));
    EXPECT_TRUE(messages.informed.isEmpty());

    const QString bad = dir.filePath(QStringLiteral("no/such/folder/link.txt"));
    EXPECT_FALSE(console.saveTo(bad));
    ASSERT_EQ(messages.informed.size(), 1);
    EXPECT_TRUE(messages.informed.first().english.startsWith(QStringLiteral("Cannot save ") + bad))
        << messages.informed.first().english.toStdString();
    EXPECT_FALSE(console.text().isEmpty()) << "nothing shown is lost";

    console.clear();
    EXPECT_TRUE(console.text().isEmpty());
    EXPECT_EQ(console.recorder().size(), 0);
}

} // namespace
} // namespace aec::test
