#include "system/ui/PresetControls.h"

#include "core/DiagnosticLog.h"
#include "core/FileChooser.h"
#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "link/LinkSession.h"
#include "system/PresetFile.h"
#include "system/PresetFormat.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableWidget>

namespace aec {
namespace {

const BilingualText OverwriteQuestion{QStringLiteral("文件已存在,覆盖它吗?"),
                                      QStringLiteral("File already exists, overwrite it right?")};
const BilingualText OverwriteCaption{QStringLiteral("*系统提示*"), QStringLiteral("*Confirm*")};
const BilingualText ConfirmCaption{QStringLiteral("Confirm"), QStringLiteral("Confirm")};
const BilingualText ExportTitle{QStringLiteral("导出JSON参数文件"),
                                QStringLiteral("Export preset as JSON")};
const BilingualText ImportTitle{QStringLiteral("导入参数文件"), QStringLiteral("Import preset")};
const BilingualText SaveBothTitle{QStringLiteral("把 A 和 B 保存为两个预设"),
                                  QStringLiteral("Save A and B as two presets")};
const QString JsonFilter = QStringLiteral("JSON presets (*.json)");
const QString AnyPresetFilter =
    QStringLiteral("Presets (*.json *.Nddt);;JSON presets (*.json);;All files (*)");

} // namespace

PresetControls::PresetControls(QWidget* window, ParameterModel& model, PresetFolder folder,
                               DiagnosticLog* log)
    : m_model(model), m_folder(std::move(folder)), m_log(log),
      m_list(window->findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"))),
      m_fileEdit(window->findChild<QLineEdit*>(QStringLiteral("FileEdit")))
{
    if (m_list) {
        // The cells are never edited (no edit triggers); the arrows choose a preset, which names
        // it in the edit as a click does, and the focus stays in the list.
        connect(m_list, &QTableWidget::cellClicked, this, [this](int row) { listClicked(row); });
        connect(m_list, &QTableWidget::currentCellChanged, this, [this](int row) {
            if (m_fileEdit && m_list->item(row, 1))
                m_fileEdit->setText(m_list->item(row, 1)->text());
        });
    }
    if (auto* load = window->findChild<QAbstractButton*>(QStringLiteral("RzBmpButton119")))
        connect(load, &QAbstractButton::clicked, this, &PresetControls::loadClicked);
    if (auto* save = window->findChild<QAbstractButton*>(QStringLiteral("RzBmpButton120")))
        connect(save, &QAbstractButton::clicked, this, &PresetControls::saveClicked);
    if (auto* b = window->findChild<QAbstractButton*>(QStringLiteral("PresetJsonExportBtn")))
        connect(b, &QAbstractButton::clicked, this, &PresetControls::exportJsonClicked);
    if (auto* b = window->findChild<QAbstractButton*>(QStringLiteral("PresetJsonImportBtn")))
        connect(b, &QAbstractButton::clicked, this, &PresetControls::importJsonClicked);
}

void PresetControls::tell(const BilingualText& text)
{
    if (m_messages)
        m_messages->notice(text);
}

void PresetControls::RefreshPresetList()
{
    m_names = m_folder.RefreshPresetList();
    if (!m_list)
        return;
    const QSignalBlocker quiet(m_list); // filling the list names nothing
    m_list->setRowCount(static_cast<int>(m_names.size()));
    for (int k = 0; k < m_names.size(); ++k) {
        m_list->setItem(k, 0, new QTableWidgetItem(QString::number(k)));
        m_list->setItem(k, 1, new QTableWidgetItem(m_names[k]));
    }
    const int current = m_list->currentRow();
    if (m_fileEdit)
        m_fileEdit->setText(current >= 0 && current < m_names.size() ? m_names[current]
                                                                     : QString());
}

QString PresetControls::typedName() const
{
    return m_fileEdit ? m_fileEdit->text() : QString();
}

void PresetControls::saveClicked()
{
    const QString name = typedName();
    if (!name.isEmpty() && saveStore(name, m_model.store))
        emit presetSaved(name);
}

bool PresetControls::saveStore(const QString& name, const ParamStore& store)
{
    // Refused before the overwrite question: a listed hidden file cannot be saved over.
    if (!PresetFolder::IsValidNewName(name)) {
        tell(PresetText::InvalidName);
        return false;
    }
    if (m_names.contains(name, Qt::CaseSensitive) && m_messages &&
        !m_messages->question(OverwriteQuestion, OverwriteCaption, MessageButtons::OkCancel))
        return false;
    const PresetFolder::Outcome saved = m_folder.SavePreset(name, store);
    if (!saved.ok) {
        tell(saved.message);
        return false;
    }
    RefreshPresetList();
    return true;
}

bool PresetControls::saveBoth(const ParamStore& a, const ParamStore& b)
{
    if (!m_files)
        return false;
    const QString typed = typedName();
    const QString suggested =
        m_folder.PresetFolderPath() + QLatin1Char('/') +
        (PresetFolder::IsValidNewName(typed) ? typed : QStringLiteral("compare")) +
        QStringLiteral(".Nddt");
    const QString path = m_files->saveFile(SaveBothTitle, suggested, AnyPresetFilter);
    if (path.isEmpty())
        return false;
    const PresetFile::Format format =
        PresetFile::FormatOfPath(path).value_or(PresetFile::Format::Scrambled);
    const QFileInfo chosen(path);
    const QString extension =
        format == PresetFile::Format::Json ? QStringLiteral(".json") : QStringLiteral(".Nddt");
    const QString base = chosen.dir().filePath(
        PresetFile::FormatOfPath(path) ? chosen.completeBaseName() : chosen.fileName());
    for (const auto& [letter, store] :
         {std::pair{QStringLiteral("-A"), &a}, {QStringLiteral("-B"), &b}}) {
        QString error;
        if (!PresetFile::Save(base + letter + extension, PresetFormat::ValuesOf(*store), format,
                              &error)) {
            tell({PresetText::CannotSave.chinese + QLatin1Char('\n') + error,
                  PresetText::CannotSave.english + QLatin1Char('\n') + error});
            return false;
        }
    }
    RefreshPresetList();
    return true;
}

void PresetControls::loadClicked()
{
    const QString name = m_fileEdit ? m_fileEdit->text() : QString();
    if (!PresetFolder::StaysInFolder(name)) {
        tell(PresetText::InvalidName);
        return;
    }
    const BilingualText question{QStringLiteral("加载模式：") + name + QStringLiteral(" ?"),
                                 QStringLiteral("Load File Data：") + name + QStringLiteral(" ?")};
    if (m_messages && !m_messages->question(question, ConfirmCaption, MessageButtons::YesNo))
        return;
    const ParamStore before = m_model.store;
    const PresetFolder::Outcome loaded = m_folder.LoadPreset(name, m_model.store, m_log);
    if (!loaded.ok) {
        tell(loaded.message);
        return;
    }
    downloadLoaded(name, before);
}

void PresetControls::downloadLoaded(const QString& name, const ParamStore& before)
{
    emit presetLoaded(name, before);
    // Online, the download goes out and the window follows when it is done; offline the
    // window shows the loaded values at once.
    if (m_session && m_session->isOnline())
        m_session->SessionEvent(LinkEvent::Download);
    else
        emit loadedOffline();
}

void PresetControls::exportJsonClicked()
{
    if (!m_files)
        return;
    const QString typed = m_fileEdit ? m_fileEdit->text() : QString();
    const QString suggested =
        (PresetFolder::IsValidNewName(typed) ? typed : QStringLiteral("preset")) +
        QStringLiteral(".json");
    QString path = m_files->saveFile(ExportTitle, suggested, JsonFilter);
    if (path.isEmpty())
        return;
    if (PresetFile::FormatOfPath(path) != PresetFile::Format::Json)
        path += QStringLiteral(".json");
    QString error;
    if (!PresetFile::Save(path, PresetFormat::ValuesOf(m_model.store), PresetFile::Format::Json,
                          &error))
        tell({PresetText::CannotSave.chinese + QLatin1Char('\n') + error,
              PresetText::CannotSave.english + QLatin1Char('\n') + error});
}

// Checked whole like a listed preset: a refused file changes nothing and names what is wrong.
void PresetControls::importJsonClicked()
{
    if (!m_files)
        return;
    const QString path = m_files->openFile(ImportTitle, AnyPresetFilter);
    if (path.isEmpty())
        return;
    const PresetFile::Loaded loaded = PresetFile::Load(path);
    if (!loaded.ok) {
        tell({loaded.message.chinese + QLatin1Char('\n') + loaded.detail,
              loaded.message.english + QLatin1Char('\n') + loaded.detail});
        return;
    }
    if (m_log) {
        m_log->clear();
        for (const DeviceValue& v : loaded.values)
            m_log->append(QStringLiteral("%1 %2").arg(v.address).arg(v.value));
    }
    const ParamStore before = m_model.store;
    PresetFormat::Apply(loaded.values, m_model.store);
    downloadLoaded(QFileInfo(path).completeBaseName(), before);
}

void PresetControls::listClicked(int row)
{
    if (!m_list || !m_fileEdit || !m_list->item(row, 1))
        return;
    m_fileEdit->setText(m_list->item(row, 1)->text());
    if (windowShown)
        m_fileEdit->setFocus();
}

} // namespace aec
