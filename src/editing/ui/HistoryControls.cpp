#include "editing/ui/HistoryControls.h"

#include "core/Language.h"
#include "editing/EditHistory.h"
#include "editing/ui/EditingWing.h"
#include "widgets/ParamWidgets.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QToolButton>

namespace aec {
namespace {

QToolButton* StripButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setFocusPolicy(Qt::NoFocus);
    button->setProperty("role", QStringLiteral("historyButton"));
    return button;
}

// One shortcut for each distinct key of the actions: a key taken twice would fire neither.
void AddShortcuts(QWidget* window, QList<QKeySequence> keys, const std::function<void()>& run)
{
    QList<QKeySequence> distinct;
    for (const QKeySequence& key : keys)
        if (!key.isEmpty() && !distinct.contains(key))
            distinct << key;
    for (const QKeySequence& key : distinct) {
        auto* shortcut = new QShortcut(key, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, run);
    }
}

QString KeyText(QKeySequence::StandardKey key)
{
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

} // namespace

HistoryControls::HistoryControls(EditingWing& wing, const Language& language, QWidget* window)
    : QObject(window), m_wing(wing), m_language(language), m_buttons(new QWidget(window))
{
    m_buttons->setObjectName(QStringLiteral("HistoryButtons"));
    auto* layout = new QHBoxLayout(m_buttons);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_undo = StripButton(m_buttons, "UndoBtn", QStringLiteral("\u21b6"));
    m_redo = StripButton(m_buttons, "RedoBtn", QStringLiteral("\u21b7"));
    m_letters[0] = StripButton(m_buttons, "CompareABtn", QStringLiteral("A"));
    m_letters[1] = StripButton(m_buttons, "CompareBBtn", QStringLiteral("B"));
    m_saveBoth = StripButton(m_buttons, "CompareSaveBtn", QStringLiteral("A+B\u2026"));
    layout->addWidget(m_undo);
    layout->addWidget(m_redo);
    layout->addSpacing(10);
    for (QToolButton* letter : m_letters)
        layout->addWidget(letter);
    layout->addWidget(m_saveBoth);

    connect(m_undo, &QToolButton::clicked, &wing, &EditingWing::undo);
    connect(m_redo, &QToolButton::clicked, &wing, &EditingWing::redo);
    connect(m_letters[0], &QToolButton::clicked, &wing,
            [&wing] { wing.compareLetter(CompareSets::Letter::A); });
    connect(m_letters[1], &QToolButton::clicked, &wing,
            [&wing] { wing.compareLetter(CompareSets::Letter::B); });
    connect(m_saveBoth, &QToolButton::clicked, this, &HistoryControls::saveBothRequested);
    AddShortcuts(window, QKeySequence::keyBindings(QKeySequence::Undo), [&wing] { wing.undo(); });
    AddShortcuts(window, QKeySequence::keyBindings(QKeySequence::Redo) << RedoAlternative,
                 [&wing] { wing.redo(); });

    connect(&wing.history().stack(), &QUndoStack::indexChanged, this, &HistoryControls::update);
    connect(&wing, &EditingWing::compareChanged, this, &HistoryControls::update);
    connect(&language, &Language::changed, this, &HistoryControls::update);
    update();
}

void HistoryControls::update()
{
    const EditHistory& history = m_wing.history();
    const bool chinese = m_language.isChinese();
    const BilingualText undo = history.undoText();
    const BilingualText redo = history.redoText();
    m_undo->setEnabled(!undo.english.isEmpty());
    m_redo->setEnabled(!redo.english.isEmpty());
    const QString undoKey = KeyText(QKeySequence::Undo);
    const QString redoKey = KeyText(QKeySequence::Redo);
    m_undo->setToolTip(undo.english.isEmpty()
                           ? (chinese ? QStringLiteral("没有可撤销的操作")
                                      : QStringLiteral("Nothing to undo"))
                           : (chinese ? QStringLiteral("撤销：") : QStringLiteral("Undo: ")) +
                                 undo.in(chinese) + QStringLiteral(" (") + undoKey +
                                 QLatin1Char(')'));
    m_redo->setToolTip(redo.english.isEmpty()
                           ? (chinese ? QStringLiteral("没有可重做的操作")
                                      : QStringLiteral("Nothing to redo"))
                           : (chinese ? QStringLiteral("重做：") : QStringLiteral("Redo: ")) +
                                 redo.in(chinese) + QStringLiteral(" (") + redoKey +
                                 QLatin1Char(')'));

    const CompareSets& compare = m_wing.compare();
    for (int i = 0; i < 2; ++i) {
        const auto letter = static_cast<CompareSets::Letter>(i);
        const QString name = m_letters[i]->text();
        SetStyleState(m_letters[i], "chosen", compare.shown() == letter);
        QString tip;
        if (compare.shown() == letter)
            tip = chinese ? QStringLiteral("正在编辑设置 %1").arg(name)
                          : QStringLiteral("Editing settings %1").arg(name);
        else if (compare.holds(letter))
            tip = chinese ? QStringLiteral("切换到设置 %1").arg(name)
                          : QStringLiteral("Switch to settings %1").arg(name);
        else
            tip = chinese ? QStringLiteral("把当前设置复制为 %1，以便比较").arg(name)
                          : QStringLiteral("Copy the current settings into %1 to compare").arg(name);
        m_letters[i]->setToolTip(tip);
    }
    m_saveBoth->setToolTip(chinese ? QStringLiteral("把 A 和 B 保存为两个预设文件")
                                   : QStringLiteral("Save A and B as two preset files"));
}

} // namespace aec
