// Where presets live: beside a program run from its build, in the user's data folder for a
// program run from an installed tree, even when its folder may be written (as root may).
#include "app/InstallLayout.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace aec {
namespace {

void Touch(const QString& path)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

class InstallLayout : public ::testing::Test
{
protected:
    QTemporaryDir root;
    const QString userData = QStringLiteral("/home/person/.local/share/Audio Effect Contrller");
    QString path(const char* relative) const { return root.filePath(QString::fromUtf8(relative)); }
};

TEST_F(InstallLayout, BuildFolderKeepsPresetsBesideTheProgram)
{
    ASSERT_TRUE(QDir().mkpath(path("build/src/app")));
    EXPECT_FALSE(RunsFromInstalledTree(path("build/src/app")));
    EXPECT_EQ(PresetBaseFolder(path("build/src/app"), userData), path("build/src/app"));
}

TEST_F(InstallLayout, InstalledTreeKeepsPresetsInTheUserDataFolder)
{
    ASSERT_TRUE(QDir().mkpath(path("usr/bin")));
    Touch(path("usr/share/applications/io.github.aeclab.AudioEffectController.desktop"));
    EXPECT_TRUE(RunsFromInstalledTree(path("usr/bin")));
    EXPECT_EQ(PresetBaseFolder(path("usr/bin"), userData), userData);
}

TEST_F(InstallLayout, AnotherProgramsDesktopEntryDoesNotMakeItInstalled)
{
    ASSERT_TRUE(QDir().mkpath(path("opt/tools/bin")));
    Touch(path("opt/tools/share/applications/org.example.Other.desktop"));
    EXPECT_FALSE(RunsFromInstalledTree(path("opt/tools/bin")));
    EXPECT_EQ(PresetBaseFolder(path("opt/tools/bin"), userData), path("opt/tools/bin"));
}

TEST_F(InstallLayout, FolderNamedLikeTheEntryIsNotAnEntry)
{
    ASSERT_TRUE(QDir().mkpath(path("usr/bin")));
    ASSERT_TRUE(QDir().mkpath(path("usr/share/applications/"
                                   "io.github.aeclab.AudioEffectController.desktop")));
    EXPECT_FALSE(RunsFromInstalledTree(path("usr/bin")));
}

} // namespace
} // namespace aec
