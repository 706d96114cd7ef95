#pragma once

#include "core/FileChooser.h"

#include <QList>
#include <QStringList>

namespace aec::test {

// Answers the program's file dialogs without a person and remembers what was offered.
class RecordingFiles : public FileChooser
{
public:
    QString openFile(const BilingualText& title, const QString& /*filter*/) override
    {
        titles.append(title);
        return openAnswer;
    }
    QString saveFile(const BilingualText& title, const QString& suggestedName,
                     const QString& /*filter*/) override
    {
        titles.append(title);
        suggested.append(suggestedName);
        return saveAnswer;
    }

    QString openAnswer; // empty: the person cancels
    QString saveAnswer;
    QList<BilingualText> titles;
    QStringList suggested;
};

} // namespace aec::test
