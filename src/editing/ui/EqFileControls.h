#pragma once

#include "system/EqTarget.h"

#include <QObject>

#include <optional>

class QWidget;

namespace aec {

class EditingWing;
class FileChooser;
class MessageService;

// "Import EQ..." and "Export EQ..." above the chart: the filters of a measurement tool's EQ
// text onto the bands of the page shown (through the wing's one import entry), and those bands
// written out in the same text.
class EqFileControls : public QObject
{
    Q_OBJECT
public:
    EqFileControls(EditingWing& wing, QWidget* window);

    void setMessages(MessageService* messages) { m_messages = messages; }
    void setFiles(FileChooser* files) { m_files = files; }

    void importClicked();
    void exportClicked();
    // The bands of the page shown under the current selections.
    std::optional<EqTarget> shownBands() const;

private:
    void tell(const BilingualText& text);

    EditingWing& m_wing;
    MessageService* m_messages = nullptr;
    FileChooser* m_files = nullptr;
};

} // namespace aec
