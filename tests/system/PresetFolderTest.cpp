#include "system/PresetFolder.h"
#include "core/BlockLayout.h"
#include "core/DiagnosticLog.h"
#include "system/PresetFormat.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace aec {
namespace {

class PresetFolderTest : public ::testing::Test
{
protected:
    PresetFolderTest() : folder(dir.path() + "/program", dir.path() + "/userdata")
    {
        folder.EnsurePresetFolders();
    }

    void writeFile(const QString& name, const QByteArray& content)
    {
        QFile f(QDir(folder.PresetFolderPath()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    QTemporaryDir dir;
    PresetFolder folder;
};

// Loads in a child process, so a load that blocks or reads without end fails the test instead
// of hanging it: true when the load was refused as a format error within two seconds.
bool RefusedPromptly(const PresetFolder& folder, const QString& name)
{
    const pid_t child = fork();
    if (child == 0) {
        ParamStore store;
        const PresetFolder::Outcome outcome = folder.LoadPreset(name, store, nullptr);
        _exit(outcome.message.english == QStringLiteral("File format error!") ? 0 : 1);
    }
    int status = 0;
    for (int waited = 0; waited < 200; ++waited) {
        if (waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    return false;
}

TEST_F(PresetFolderTest, FoldersLieBesideTheProgram)
{
    EXPECT_EQ(folder.ModeFolder(), dir.path() + "/program/Mode");
    EXPECT_EQ(folder.PresetFolderPath(), dir.path() + "/program/Mode/KMode");
    EXPECT_TRUE(QDir(folder.PresetFolderPath()).exists());
    EXPECT_EQ(folder.fileFor(QStringLiteral("Club")), dir.path() + "/program/Mode/KMode/Club.Nddt");
}

TEST_F(PresetFolderTest, ProgramFolderThatCannotHoldPresetsFallsBackToUserData)
{
    // A file where the program's folder should be: no folder can be made there.
    QFile blocker(dir.path() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PresetFolder elsewhere(dir.path() + "/blocked", dir.path() + "/userdata");
    elsewhere.EnsurePresetFolders();
    EXPECT_EQ(elsewhere.PresetFolderPath(), dir.path() + "/userdata/Mode/KMode");
    EXPECT_TRUE(QDir(elsewhere.PresetFolderPath()).exists());
    EXPECT_TRUE(elsewhere.SavePreset(QStringLiteral("Hall"), ParamStore{}).ok);
}

TEST_F(PresetFolderTest, ListShowsEveryPresetSortedRegardlessOfCase)
{
    EXPECT_TRUE(folder.RefreshPresetList().isEmpty());
    for (const char* name : {"b.Nddt", "A.Nddt", "c.txt", "x.Nddt.bak"})
        writeFile(QLatin1String(name), "");
    QDir(folder.PresetFolderPath()).mkdir(QStringLiteral("sub.Nddt"));
    // A file copied in under a leading dot is listed and loads, though no save makes one.
    writeFile(QStringLiteral(".hidden.Nddt"), PresetFormat::Encode(ParamStore{}));
    EXPECT_EQ(folder.RefreshPresetList(), (QStringList{".hidden", "A", "b", "x.Nddt.bak"}));
    ParamStore store;
    EXPECT_TRUE(folder.LoadPreset(QStringLiteral(".hidden"), store, nullptr).ok);
}

TEST_F(PresetFolderTest, SaveThenLoadRestoresTheStoreAndLogsEveryValue)
{
    ParamStore store;
    store.at(0, 3) = 9;
    store.at(24, 48) = 4000;
    store.at(30, 20) = 2;
    ASSERT_TRUE(folder.SavePreset(QStringLiteral("Karaoke Room 1"), store).ok);
    ParamStore loaded;
    DiagnosticLog log;
    const PresetFolder::Outcome outcome =
        folder.LoadPreset(QStringLiteral("Karaoke Room 1"), loaded, &log);
    ASSERT_TRUE(outcome.ok) << outcome.detail.toStdString();
    EXPECT_EQ(loaded, store);
    EXPECT_EQ(log.lines().size(), 1879);
    EXPECT_EQ(log.lines().first(), QStringLiteral("0 0"));
    EXPECT_TRUE(log.lines().contains(QStringLiteral("7700 2")));
}

TEST_F(PresetFolderTest, SavingAgainReplacesTheFile)
{
    ParamStore store;
    store.at(5, 5) = 1;
    ASSERT_TRUE(folder.SavePreset(QStringLiteral("Same"), store).ok);
    store.at(5, 5) = 2;
    ASSERT_TRUE(folder.SavePreset(QStringLiteral("Same"), store).ok);
    ParamStore loaded;
    ASSERT_TRUE(folder.LoadPreset(QStringLiteral("Same"), loaded, nullptr).ok);
    EXPECT_EQ(loaded.at(5, 5), 2);
    EXPECT_EQ(folder.RefreshPresetList(), QStringList{QStringLiteral("Same")});
}

TEST_F(PresetFolderTest, RefusedFilesLeaveTheStoreUntouched)
{
    ParamStore good;
    good.at(2, 2) = 77;
    QByteArray damaged = PresetFormat::Encode(good);
    damaged.replace(damaged.size() - 6, 2, "00"); // the checksum line's last byte
    writeFile(QStringLiteral("broken.Nddt"), damaged);
    writeFile(QStringLiteral("garbage.Nddt"), "this is not a preset\r\n");

    ParamStore store;
    store.at(2, 2) = 5;
    const ParamStore before = store;
    const PresetFolder::Outcome missing =
        folder.LoadPreset(QStringLiteral("nothing"), store, nullptr);
    EXPECT_FALSE(missing.ok);
    EXPECT_EQ(missing.message.english, QStringLiteral("File not find!"));
    const PresetFolder::Outcome broken =
        folder.LoadPreset(QStringLiteral("broken"), store, nullptr);
    EXPECT_FALSE(broken.ok);
    EXPECT_EQ(broken.message.chinese, QStringLiteral("数据文件损坏!"));
    const PresetFolder::Outcome garbage =
        folder.LoadPreset(QStringLiteral("garbage"), store, nullptr);
    EXPECT_FALSE(garbage.ok);
    EXPECT_EQ(garbage.message.english, QStringLiteral("File format error!"));
    EXPECT_EQ(store, before);
}

TEST_F(PresetFolderTest, NamesThatLeaveTheFolderOrHideTheFileAreRefusedAndWriteNothing)
{
    ParamStore store;
    store.at(0, 1) = 3;
    const QString longest(64, QChar(0x6B4C)); // 64 Chinese characters
    ASSERT_TRUE(folder.SavePreset(longest, store).ok);
    const QStringList refused = {
        QStringLiteral("../x"),        dir.path() + QStringLiteral("/abs"),
        QStringLiteral("a\\b"),        QStringLiteral(".x"),
        QStringLiteral(".."),          QStringLiteral("a..b"),
        QStringLiteral("   "),         QStringLiteral("nul") + QChar(0) + "x",
        QStringLiteral("tab\tx"),      QString(65, QLatin1Char('a')),
        QString(300, QLatin1Char('a'))};
    for (const QString& name : refused) {
        const PresetFolder::Outcome saved = folder.SavePreset(name, store);
        EXPECT_FALSE(saved.ok) << name.toStdString();
        EXPECT_TRUE(saved.message.english.startsWith(QStringLiteral("Invalid name")));
    }
    QStringList written;
    for (QDirIterator it(dir.path(), QDir::AllEntries | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        if (it.next(), it.fileInfo().isFile())
            written << it.fileName();
    EXPECT_EQ(written, QStringList{longest + ".Nddt"});

    // A preset one folder up, and one whose name a NUL would cut short, are never loaded.
    QFile outside(folder.ModeFolder() + "/up.Nddt");
    ASSERT_TRUE(outside.open(QIODevice::WriteOnly));
    outside.write(PresetFormat::Encode(store));
    outside.close();
    ASSERT_TRUE(QFile::copy(outside.fileName(), folder.PresetFolderPath() + "/nul"));
    ParamStore loaded;
    for (const QString& name : {QStringLiteral("../up"), QStringLiteral("nul") + QChar(0) + "x"})
        EXPECT_TRUE(folder.LoadPreset(name, loaded, nullptr)
                        .message.english.startsWith(QStringLiteral("Invalid name")));
    EXPECT_EQ(loaded, ParamStore{});
    EXPECT_TRUE(folder.LoadPreset(longest, loaded, nullptr).ok);
}

TEST_F(PresetFolderTest, OnlyRegularFilesUpToOneMegabyteAreReadAndOnlyFilesReplaced)
{
    const QString presets = folder.PresetFolderPath() + "/";
    ASSERT_EQ(mkfifo(QFile::encodeName(presets + "pipe.Nddt").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), presets + "zero.Nddt"));
    QFile huge(presets + "huge.Nddt");
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30)); // sparse
    huge.close();
    for (const char* name : {"pipe", "zero", "huge"})
        EXPECT_TRUE(RefusedPromptly(folder, QLatin1String(name))) << name;
    const PresetFolder::Outcome onPipe = folder.SavePreset(QStringLiteral("pipe"), ParamStore{});
    EXPECT_EQ(onPipe.message.english, QStringLiteral("The file cannot be saved!"));
    EXPECT_FALSE(QFileInfo(presets + "pipe.Nddt").isFile()) << "a save replaced the FIFO";

    // A good file grown to exactly 1 MiB in its first word, which the reader does not compare.
    ParamStore store;
    store.at(3, 3) = 12;
    const QByteArray encoded = PresetFormat::Encode(store);
    const QByteArray rest = encoded.mid(encoded.indexOf('\n') + 1);
    const QByteArray number = " " + QByteArray::number(0xB1 ^ PresetFormat::HeaderMask);
    const QByteArray word((((1 << 20) - rest.size() - 2) / 2) - number.size(), 'R');
    const QByteArray first = PresetFormat::ScrambleLine(word + number).toLatin1();
    writeFile(QStringLiteral("limit.Nddt"), first + "\r\n" + rest);
    writeFile(QStringLiteral("over.Nddt"), first + "F\r\n" + rest); // a lone last digit is ignored
    ASSERT_EQ(QFileInfo(presets + "limit.Nddt").size(), 1 << 20);
    ASSERT_TRUE(QFile::link(presets + "limit.Nddt", presets + "link.Nddt"));
    ParamStore loaded;
    const PresetFolder::Outcome over = folder.LoadPreset(QStringLiteral("over"), loaded, nullptr);
    EXPECT_EQ(over.message.english, QStringLiteral("File format error!"));
    EXPECT_EQ(loaded, ParamStore{});
    EXPECT_TRUE(folder.LoadPreset(QStringLiteral("link"), loaded, nullptr).ok);
    EXPECT_EQ(loaded.at(3, 3), 12);
}

TEST_F(PresetFolderTest, AListedNameWithAFurtherExtensionLoadsThatWholeName)
{
    ParamStore store;
    store.at(1, 1) = 8;
    writeFile(QStringLiteral("x.Nddt.bak.Nddt"), PresetFormat::Encode(store));
    ParamStore loaded;
    EXPECT_TRUE(folder.LoadPreset(QStringLiteral("x.Nddt.bak"), loaded, nullptr).ok);
    EXPECT_EQ(loaded.at(1, 1), 8);
}

} // namespace
} // namespace aec
