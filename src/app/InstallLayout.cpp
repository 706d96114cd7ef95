#include "app/InstallLayout.h"

#include "app/ApplicationInfo.h"

#include <QDir>
#include <QFileInfo>

namespace aec {

bool RunsFromInstalledTree(const QString& programFolder)
{
    const QString entry = QStringLiteral("../share/applications/%1.desktop").arg(DesktopFileId());
    return QFileInfo(QDir(programFolder).filePath(entry)).isFile();
}

QString PresetBaseFolder(const QString& programFolder, const QString& userDataFolder)
{
    return RunsFromInstalledTree(programFolder) ? userDataFolder : programFolder;
}

} // namespace aec
