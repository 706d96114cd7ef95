#pragma once

#include <QByteArray>
#include <QString>

namespace aec {

// Why the file at this path must not be replaced by a save, or an empty string when it may be.
// Only a regular file, or a link to one, is ever replaced. A device, a FIFO, a folder, or a link
// to one of them or to nothing stays as it is: renaming a new file over a link to /dev/zero
// would put a file where the device was.
QString ReplaceRefusal(const QString& path);

// Writes the whole file in one step, through a temporary file renamed over the old one, so a
// failed write leaves an earlier file as it was. Refuses what ReplaceRefusal() refuses.
bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace aec
