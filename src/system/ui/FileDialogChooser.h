#pragma once

#include "core/FileChooser.h"

class QWidget;

namespace aec {

class Language;

// File dialogs owned by the main window, titled in the caption language. Each starts in the
// folder of the file chosen last.
class FileDialogChooser : public FileChooser
{
public:
    FileDialogChooser(QWidget* owner, const Language& language);

    QString openFile(const BilingualText& title, const QString& filter) override;
    QString saveFile(const BilingualText& title, const QString& suggestedName,
                     const QString& filter) override;

private:
    QWidget* m_owner;
    const Language& m_language;
    QString m_folder;
};

} // namespace aec
