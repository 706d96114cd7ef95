#pragma once

#include "core/BilingualText.h"

#include <QString>

namespace aec {

// Files to read or write, chosen by a person through the window's file dialogs; tests answer
// in their place, as they do for message boxes.
class FileChooser
{
public:
    virtual ~FileChooser() = default;
    // A file to read; empty when the person cancels. `filter` as the dialogs take it:
    // "JSON presets (*.json)".
    virtual QString openFile(const BilingualText& title, const QString& filter) = 0;
    // A file to write, offering `suggestedName`; empty when the person cancels.
    virtual QString saveFile(const BilingualText& title, const QString& suggestedName,
                             const QString& filter) = 0;
};

} // namespace aec
