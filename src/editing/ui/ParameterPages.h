#pragma once

#include <QWidget>

class QStackedWidget;

namespace aec {

// The pages of the page control FormPageItem, each building its controls from tables:
// 0 music, 1 microphones, 2 effects, 3 outputs, 4 hidden EQ, 5 and 6 empty, 7 system,
// 8 dynamic EQ.
QWidget* BuildMusicPage(QWidget* parent);
QWidget* BuildMicrophonePage(QWidget* parent);
QWidget* BuildEffectPage(QWidget* parent);
QWidget* BuildOutputPage(QWidget* parent);
QWidget* BuildHiddenEqPage(QWidget* parent);
QWidget* BuildSystemSheet(QWidget* parent);
QWidget* BuildDynamicEqPage(QWidget* parent);

// All nine pages in their order.
QStackedWidget* BuildPageControl(QWidget* parent);

} // namespace aec
