#include "editing/ui/EqFileControls.h"

#include "core/FileChooser.h"
#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "core/WholeFile.h"
#include "editing/ui/EditingWing.h"
#include "system/EqImport.h"
#include "system/PresetFile.h"
#include "system/PresetFormat.h"

#include <QAbstractButton>
#include <QWidget>

namespace aec {
namespace {

const QString TextFilter = QStringLiteral("EQ text (*.txt);;All files (*)");
const BilingualText ImportTitle{QStringLiteral("导入EQ"), QStringLiteral("Import EQ")};
const BilingualText ExportTitle{QStringLiteral("导出EQ"), QStringLiteral("Export EQ")};

BilingualText WithDetail(const char* chinese, const char* english, const QString& detail)
{
    return {QString::fromUtf8(chinese) + QLatin1Char('\n') + detail,
            QLatin1String(english) + QLatin1Char('\n') + detail};
}

} // namespace

EqFileControls::EqFileControls(EditingWing& wing, QWidget* window) : QObject(window), m_wing(wing)
{
    if (auto* b = window->findChild<QAbstractButton*>(QStringLiteral("EQImportBtn")))
        connect(b, &QAbstractButton::clicked, this, &EqFileControls::importClicked);
    if (auto* b = window->findChild<QAbstractButton*>(QStringLiteral("EQExportBtn")))
        connect(b, &QAbstractButton::clicked, this, &EqFileControls::exportClicked);
}

void EqFileControls::tell(const BilingualText& text)
{
    if (m_messages)
        m_messages->notice(text);
}

std::optional<EqTarget> EqFileControls::shownBands() const
{
    return EqTarget::ForView(m_wing.navigation().ChartBlock, m_wing.model().selection);
}

// The whole text is read and mapped before anything changes: a refused text changes nothing.
void EqFileControls::importClicked()
{
    const auto target = shownBands();
    if (!m_files || !target)
        return;
    const QString path = m_files->openFile(ImportTitle, TextFilter);
    if (path.isEmpty())
        return;
    const PresetFile::Bytes text = PresetFile::ReadBytes(path, PresetFormat::MaxFileSize);
    if (text.status != PresetFile::ReadStatus::Ok) {
        tell(WithDetail("EQ文件无法读取:", "The EQ text cannot be read:", text.detail));
        return;
    }
    const EqImport::Result result = EqImport::Map(EqText::Parse(text.content), *target);
    if (!result.ok) {
        tell(WithDetail(
            "EQ文件无法导入:", "The EQ text is refused:", result.errors.join(QLatin1Char('\n'))));
        return;
    }
    m_wing.applyImportedBands(result.changes);
    tell(WithDetail("EQ已导入:", "EQ imported:", result.report()));
}

void EqFileControls::exportClicked()
{
    const auto target = shownBands();
    if (!m_files || !target)
        return;
    const QString path =
        m_files->saveFile(ExportTitle, target->key() + QStringLiteral(".txt"), TextFilter);
    if (path.isEmpty())
        return;
    const QByteArray text = EqImport::Export(m_wing.model().store, *target);
    QString error;
    if (!WriteWholeFile(path, text, &error))
        tell(WithDetail("EQ文件无法保存:", "The EQ text cannot be saved:", error));
}

} // namespace aec
