#include "system/ui/ModeControls.h"

#include "core/MessageService.h"
#include "core/ParameterModel.h"
#include "link/DeviceFrame.h"
#include "link/DeviceTexts.h"
#include "link/LinkSession.h"
#include "system/ModeList.h"
#include "widgets/ControlTags.h"
#include "widgets/ParamWidgets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace aec {
namespace {

const BilingualText ConfirmCaption{QStringLiteral("Confirm"), QStringLiteral("Confirm")};

QString FactoryButtonName(int i)
{
    return i == 0 ? QStringLiteral("SysFactoryBtn") : QStringLiteral("SysFactoryBtn%1").arg(i + 1);
}

} // namespace

ModeControls::ModeControls(QWidget* window, ParameterModel& model, DeviceTexts& texts)
    : m_model(model), m_texts(texts), m_window(window),
      m_list(window->findChild<QComboBox*>(QStringLiteral("SysModeBox"))),
      m_moreList(window->findChild<QComboBox*>(QStringLiteral("SysModeBox2"))),
      m_name(window->findChild<QLineEdit*>(QStringLiteral("PresetModeEdit")))
{
    if (m_list)
        connect(m_list, &QComboBox::activated, this, &ModeControls::ShowSelectedModeName);
    if (auto* load = window->findChild<TwoStateButton*>(QStringLiteral("SysLoadModeBtn")))
        connect(load, &QPushButton::clicked, this, &ModeControls::RecallSelectedMode);
    if (auto* save = window->findChild<TwoStateButton*>(QStringLiteral("SysSaveModeBtn")))
        connect(save, &QPushButton::clicked, this, &ModeControls::StoreSelectedMode);
    for (int i = 0; i < 4; ++i)
        if (auto* b = window->findChild<TwoStateButton*>(QStringLiteral("SysModeBtn%1").arg(i + 1)))
            connect(b, &QPushButton::clicked, this, [this, b] { quickRecall(Tag(b), true); });
    for (int i = 0; i < 6; ++i)
        if (auto* b = window->findChild<TwoStateButton*>(FactoryButtonName(i)))
            connect(b, &QPushButton::clicked, this, [this, b] { quickRecall(Tag(b), true); });
    if (m_moreList)
        connect(m_moreList, &QComboBox::activated, this,
                [this](int item) { quickRecall(item + 4, false); });
}

int ModeControls::currentMode() const
{
    return m_model.store.at(CommandAddress::ModeRecall);
}

void ModeControls::FillModeList()
{
    if (!m_list)
        return;
    const QSignalBlocker quiet(m_list);
    const int selected = m_list->currentIndex();
    const QStringList items = ModeList::FillModeList(m_texts.ModeNames);
    for (int i = 0; i < items.size(); ++i)
        m_list->setItemText(i, items[i]);
    m_list->setCurrentIndex(selected);
}

void ModeControls::ShowSelectedModeName()
{
    if (m_list && m_name)
        m_name->setText(
            ModeList::ShowSelectedModeName(m_list->currentIndex(), m_list->currentText()));
}

void ModeControls::RecallSelectedMode()
{
    if (!m_list || m_list->currentIndex() < 0)
        return;
    if (m_messages && !m_messages->question(ModeList::RecallQuestion(m_list->currentText()),
                                            ConfirmCaption, MessageButtons::YesNo))
        return;
    // Offline only the index is kept; online the session recalls and reloads.
    m_model.SetParameter(CommandAddress::ModeRecall, m_list->currentIndex());
}

void ModeControls::StoreSelectedMode()
{
    if (!m_list || !m_name)
        return;
    if (m_model.view.at(CommandAddress::UserOrManager) != 1) {
        if (m_messages)
            m_messages->question(ModeList::StoreRefused, ConfirmCaption, MessageButtons::Ok);
        return;
    }
    // A factory mode cannot be overwritten: the store goes to user mode 1.
    if (m_list->currentIndex() >= ModeList::UserModeCount || m_list->currentIndex() < 0) {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(0);
    }
    const int index = m_list->currentIndex();
    const QString name = m_name->text();
    if (m_messages && !m_messages->question(ModeList::StoreQuestion(index, name), ConfirmCaption,
                                            MessageButtons::YesNo))
        return;
    m_texts.ModeNames[static_cast<std::size_t>(index)] = name;
    if (m_session)
        m_session->StoreMode(index, name.toLatin1());
}

void ModeControls::quickRecall(int index, bool onlineOnly)
{
    if (onlineOnly && !(m_session && m_session->isOnline()))
        return;
    if (!m_list)
        return;
    {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(index);
    }
    ShowSelectedModeName();
    RecallSelectedMode();
}

void ModeControls::refresh()
{
    FillModeList();
    const int mode = currentMode();
    if (m_list) {
        const QSignalBlocker quiet(m_list);
        m_list->setCurrentIndex(mode >= 0 && mode < ModeList::ModeCount ? mode : -1);
    }
    ShowSelectedModeName();
    for (int i = 0; i < 4; ++i)
        if (auto* b =
                m_window->findChild<TwoStateButton*>(QStringLiteral("SysModeBtn%1").arg(i + 1)))
            b->setLook(Tag(b) == mode ? QStringLiteral("pressed") : QStringLiteral("normal"));
    if (m_moreList && mode > 3 && mode < ModeList::UserModeCount) {
        const QSignalBlocker quiet(m_moreList);
        m_moreList->setCurrentIndex(mode - 4);
    }
    for (int i = 0; i < 6; ++i)
        if (auto* b = m_window->findChild<TwoStateButton*>(FactoryButtonName(i)))
            b->setLook(Tag(b) == mode ? QStringLiteral("pressed") : QStringLiteral("normal"));
}

} // namespace aec
