#include "editing/ui/Captions.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace aec {

void SetCaptions(QWidget* control, const BilingualText& text)
{
    control->setProperty("captionChinese", text.chinese);
    control->setProperty("captionEnglish", text.english);
}

BilingualText Captions(const QWidget* control)
{
    return {control->property("captionChinese").toString(),
            control->property("captionEnglish").toString()};
}

bool HasCaptions(const QWidget* control)
{
    return control->property("captionEnglish").isValid();
}

void ShowCaption(QWidget* control, bool chinese)
{
    if (!HasCaptions(control))
        return;
    const BilingualText text = Captions(control);
    const QString& shown = text.in(chinese);
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(shown);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(shown);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(shown);
    control->setToolTip(text.in(!chinese));
}

void ShowCaptions(QWidget* root, bool chinese)
{
    ShowCaption(root, chinese);
    for (QWidget* child : root->findChildren<QWidget*>())
        ShowCaption(child, chinese);
    // Tab sheets carry their captions; their tab bar shows them.
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (HasCaptions(tabs->widget(i)))
                tabs->setTabText(i, Captions(tabs->widget(i)).in(chinese));
}

} // namespace aec
