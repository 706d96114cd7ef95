#include "app/ApplicationIcon.h"

#include <QDir>
#include <QFileInfo>

namespace aec {

QIcon ApplicationIcon()
{
    // Every size cmake/AecIcon.cmake rendered into the resources; QIcon reads each one's size.
    QIcon icon;
    const QDir folder(QStringLiteral(":/icons"));
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("application-*.png")}))
        icon.addFile(file.filePath());
    return icon;
}

} // namespace aec
