#include "core/WholeFile.h"

#include <QFileInfo>
#include <QSaveFile>

namespace aec {

QString ReplaceRefusal(const QString& path)
{
    const QFileInfo info(path); // follows links
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("a link that points nowhere");
    if (info.exists() && !info.isFile())
        return QStringLiteral("not a regular file");
    return {};
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString refusal = ReplaceRefusal(path);
    QSaveFile file(path);
    if (refusal.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
        file.commit())
        return true;
    if (error)
        *error =
            refusal.isEmpty() ? file.errorString() : refusal + QStringLiteral(", left as it is");
    return false;
}

} // namespace aec
