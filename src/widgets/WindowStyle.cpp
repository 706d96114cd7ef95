#include "widgets/WindowStyle.h"

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace aec {

QString MainWindowStyleSheet()
{
    return QStringLiteral(R"(
QWidget#TForm1 { background: #ffffff; }
QWidget { color: #2c3440; }
QWidget#TitleStrip { background: #2b3038; }
QWidget#TitleStrip QLabel { color: #e8ebef; font-weight: 600; }
QToolButton[role="windowButton"] {
    color: #e8ebef; background: transparent; border: none; min-width: 30px; min-height: 22px;
    font-size: 14px;
}
QToolButton[role="windowButton"]:hover { background: #4a515c; }
QToolButton#RzBmpButton3:hover { background: #d9443a; }
QToolButton[role="historyButton"] {
    color: #e8ebef; background: transparent; border: 1px solid transparent; border-radius: 3px;
    min-width: 22px; min-height: 20px; padding: 0px 4px; font-weight: 600;
}
QToolButton[role="historyButton"]:hover { background: #4a515c; }
QToolButton#UndoBtn, QToolButton#RedoBtn { font-size: 17px; font-weight: 400; padding: 0px 2px; }
QToolButton[role="historyButton"]:disabled { color: #6b7480; }
QToolButton[role="historyButton"][chosen="true"] { background: rgb(243, 152, 0); color: #ffffff; }

QWidget#RzGroupBox17 { background: #f4f5f7; border-bottom: 1px solid #e1e4e8; }
QToolButton[role="tab"], QPushButton[role="groupTab"] {
    color: rgb(243, 152, 0); background: transparent; border: none; border-radius: 3px;
    padding: 4px 10px; font-weight: 600;
}
QToolButton[role="tab"]:hover, QPushButton[role="groupTab"]:hover { background: #fbe9cc; }
QToolButton[role="tab"][chosen="true"], QPushButton[role="groupTab"][chosen="true"] {
    color: #ffffff; background: rgb(243, 152, 0);
}
QToolButton[role="tab"]:pressed, QPushButton[role="groupTab"]:pressed { color: #ffffff; background: rgb(243, 152, 0); }

QGroupBox {
    border: 1px solid #dde1e7; border-radius: 5px; margin-top: 9px; padding-top: 3px;
    background: #fbfbfc;
}
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #5a6472; font-weight: 600; }
QWidget#AdvPanel1 QGroupBox { margin-top: 0; padding-top: 0; background: transparent; border: none; }

QSlider::groove:horizontal { height: 4px; background: #dfe3e8; border-radius: 2px; }
QSlider::sub-page:horizontal { background: #8fb3dc; border-radius: 2px; }
QSlider::handle:horizontal {
    width: 12px; margin: -5px 0; border-radius: 6px; background: #ffffff; border: 1px solid #7f93ad;
}
QSlider::groove:vertical { width: 4px; background: #dfe3e8; border-radius: 2px; }
QSlider::add-page:vertical { background: #8fb3dc; border-radius: 2px; }
QSlider::handle:vertical {
    height: 12px; margin: 0 -5px; border-radius: 6px; background: #ffffff; border: 1px solid #7f93ad;
}
QSlider::handle:hover { border-color: rgb(243, 152, 0); }
QSlider:disabled { opacity: 0.5; }
QSlider::handle:disabled { background: #eceff2; border-color: #c3cad3; }

aec--StatusPane {
    background: #f1f3f6; border: 1px solid #e3e6ea; border-radius: 3px; padding: 1px 3px;
    font-family: "DejaVu Sans Mono", monospace;
}
aec--ParamEdit {
    border: 1px solid rgb(230, 230, 230); border-radius: 3px; padding: 1px 0px; background: #ffffff;
    selection-background-color: rgb(243, 152, 0);
}
aec--ParamEdit[highlighted="true"] { border: 2px solid rgb(200, 200, 200); background: #fff8ec; }
aec--ParamEdit:focus { border-color: rgb(243, 152, 0); }
QComboBox { border: 1px solid #d5dae1; border-radius: 3px; padding: 1px 4px; background: #ffffff; }

aec--TypeLabel {
    background: rgb(128, 128, 128); color: #ffffff; border-radius: 2px; font-size: 7pt;
    min-height: 13px;
}
aec--TypeLabel[chosen="true"] { background: #ffffff; color: rgb(128, 128, 128); border: 1px solid rgb(128, 128, 128); }
QLabel[role="pointLabel"] { border-radius: 3px; font-weight: 600; color: #5a6472; }
QLabel[role="pointLabel"][selected="true"] { background: #fbd9a2; color: #2c3440; }

aec--TwoStateButton {
    border: 1px solid #c9d0d8; border-radius: 4px; padding: 3px 9px; background: #ffffff;
}
aec--TwoStateButton:hover { border-color: rgb(243, 152, 0); }
aec--TwoStateButton[look="pressed"] { background: rgb(243, 152, 0); color: #ffffff; border-color: rgb(220, 132, 0); }
aec--TwoStateButton[look="greyed"] { background: #ffffff; color: #6b7480; }
aec--TwoStateButton[look="staydown"] { background: #ffffff; color: #4b5563; }
aec--TwoStateButton[look="phase0"] { background: #eef0f3; padding: 0; }
aec--TwoStateButton[look="phase1"] { background: #5b7fa6; padding: 0; }
aec--TwoStateButton:disabled { color: #c3c8cf; background: #f4f5f7; border-color: #e6e8eb; }
aec--TwoStateButton[look="pressed"]:disabled { color: #ffffff; background: rgb(246, 190, 110); border-color: rgb(240, 170, 80); }

QLabel#EQPassLabel { color: #d9443a; font-weight: 700; }
QLabel[role="volumeHandle"] { background: rgb(243, 152, 0); border-radius: 2px; }
QLabel[role="volumeMarks"] { color: #6b7480; font-size: 8pt; }
QTabWidget::pane { border: 1px solid #dde1e7; border-radius: 4px; top: -1px; }
QTabBar::tab { padding: 5px 6px; color: rgb(243, 152, 0); font-weight: 600; }
QTabBar::tab:selected { color: #ffffff; background: rgb(243, 152, 0); border-radius: 3px; }
)");
}

void ApplyWindowFont(QWidget* window)
{
    QFont font = window->font();
    const QStringList families = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
    for (const QString& wanted :
         {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")}) {
        if (families.contains(wanted)) {
            font.setFamilies({wanted});
            break;
        }
    }
    font.setPointSizeF(9);
    window->setFont(font);
}

} // namespace aec
