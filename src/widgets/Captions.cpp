#include "widgets/Captions.h"

#include "system/CaptionTable.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

namespace aec {

void WriteCaption(QWidget* control, const BilingualText& text, bool chinese)
{
    // Blanks at either end of a caption padded a fixed-size control; here controls size to it.
    const QString shown = text.in(chinese).trimmed();
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(shown);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(shown);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(shown);
    control->setToolTip(text.in(!chinese));
}

void SetCaptions(QWidget* control, const BilingualText& text)
{
    control->setProperty("captionChinese", text.chinese);
    control->setProperty("captionEnglish", text.english);
}

void ShowCaption(QWidget* control, bool chinese)
{
    if (!control->property("captionEnglish").isValid())
        return;
    WriteCaption(control,
                 {control->property("captionChinese").toString(),
                  control->property("captionEnglish").toString()},
                 chinese);
}

void ShowCaptions(QWidget* root, bool chinese)
{
    for (const CaptionRow& row : CaptionTable()) {
        for (const QString& name : row.controls) {
            for (QWidget* control : root->findChildren<QWidget*>(name))
                WriteCaption(control, row.text, chinese);
        }
    }
    // Tab sheets carry their captions; their tab bar shows them.
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (const BilingualText text = CaptionOf(tabs->widget(i)->objectName());
                !text.chinese.isEmpty())
                tabs->setTabText(i, text.in(chinese));
    for (QWidget* control : root->findChildren<QWidget*>())
        ShowCaption(control, chinese);
}

} // namespace aec
