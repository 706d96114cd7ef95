#pragma once

class QWidget;

namespace aec {

class Binder;

// The parameter pages of the page control, each a list of groups of the parameter table laid
// out on the page: 0 music, 1 microphones, 2 effects, 3 outputs, 4 hidden EQ, 8 dynamic EQ.
QWidget* BuildMusicPage(QWidget* parent, Binder& binder);
QWidget* BuildMicrophonePage(QWidget* parent, Binder& binder);
QWidget* BuildEffectPage(QWidget* parent, Binder& binder);
QWidget* BuildOutputPage(QWidget* parent, Binder& binder);
QWidget* BuildHiddenEqPage(QWidget* parent, Binder& binder);
QWidget* BuildDynamicEqPage(QWidget* parent, Binder& binder);

} // namespace aec
