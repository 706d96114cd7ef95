#include "system/ui/PresetControls.h"

#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "link/LinkSession.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>

namespace aec {
namespace {

const BilingualText OverwriteQuestion{QStringLiteral("文件已存在,覆盖它吗?"),
                                      QStringLiteral("File already exists, overwrite it right?")};
const BilingualText OverwriteCaption{QStringLiteral("*系统提示*"), QStringLiteral("*Confirm*")};
const BilingualText ConfirmCaption{QStringLiteral("Confirm"), QStringLiteral("Confirm")};

// The list's cells are never edited by typing.
class DiscardKeys : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::KeyPress; }
};

} // namespace

PresetControls::PresetControls(QWidget* window, ParameterModel& model, PresetFolder folder,
                               DiagnosticLog* log)
    : m_model(model), m_folder(std::move(folder)), m_log(log),
      m_list(window->findChild<QTableWidget*>(QStringLiteral("ValueListEditor1"))),
      m_fileEdit(window->findChild<QLineEdit*>(QStringLiteral("FileEdit")))
{
    if (m_list) {
        m_list->installEventFilter(new DiscardKeys(this));
        connect(m_list, &QTableWidget::cellClicked, this, [this](int row) { listClicked(row); });
    }
    if (auto* load = window->findChild<QAbstractButton*>(QStringLiteral("RzBmpButton119")))
        connect(load, &QAbstractButton::clicked, this, &PresetControls::loadClicked);
    if (auto* save = window->findChild<QAbstractButton*>(QStringLiteral("RzBmpButton120")))
        connect(save, &QAbstractButton::clicked, this, &PresetControls::saveClicked);
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

void PresetControls::saveClicked()
{
    const QString name = m_fileEdit ? m_fileEdit->text() : QString();
    if (name.isEmpty())
        return;
    // Refused before the overwrite question: a listed hidden file cannot be saved over.
    if (!PresetFolder::IsValidNewName(name)) {
        tell(PresetText::InvalidName);
        return;
    }
    if (m_names.contains(name, Qt::CaseSensitive) && m_messages &&
        !m_messages->question(OverwriteQuestion, OverwriteCaption, MessageButtons::OkCancel))
        return;
    const PresetFolder::Outcome saved = m_folder.SavePreset(name, m_model.store);
    if (!saved.ok) {
        tell(saved.message);
        return;
    }
    RefreshPresetList();
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
    const PresetFolder::Outcome loaded = m_folder.LoadPreset(name, m_model.store, m_log);
    if (!loaded.ok) {
        tell(loaded.message);
        return;
    }
    // Online, the download goes out and the window follows when it is done; offline the
    // window shows the loaded values at once.
    if (m_session && m_session->isOnline())
        m_session->SessionEvent(LinkEvent::Download);
    else
        emit loadedOffline();
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
