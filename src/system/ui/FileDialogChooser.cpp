#include "system/ui/FileDialogChooser.h"

#include "core/Language.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace aec {

FileDialogChooser::FileDialogChooser(QWidget* owner, const Language& language)
    : m_owner(owner), m_language(language), m_folder(QDir::homePath())
{
}

QString FileDialogChooser::openFile(const BilingualText& title, const QString& filter)
{
    const QString path =
        QFileDialog::getOpenFileName(m_owner, title.in(m_language.isChinese()), m_folder, filter);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).path();
    return path;
}

QString FileDialogChooser::saveFile(const BilingualText& title, const QString& suggestedName,
                                    const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(
        m_owner, title.in(m_language.isChinese()), QDir(m_folder).filePath(suggestedName), filter);
    if (!path.isEmpty())
        m_folder = QFileInfo(path).path();
    return path;
}

} // namespace aec
