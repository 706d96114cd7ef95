#pragma once

class QWidget;

namespace aec {

class Binder;

// The side panel's groups of the system subsystem, built by name so that their behaviour
// classes find them.

// "System setting" tab: the stored modes (SysModeBox, PresetModeEdit, recall and store) and
// the preset files (ValueListEditor1, FileEdit, load and save).
QWidget* BuildModeGroup(QWidget* parent);
QWidget* BuildPresetGroup(QWidget* parent);
// "Main Volume" tab: quick recall of user modes 1 to 4, the list of modes 5 to 16 and the six
// factory modes.
QWidget* BuildQuickRecallGroup(QWidget* parent, Binder& binder);

// "Volume Set" tab: the panel lock and volume-limit switches and the panel code change.
QWidget* BuildPanelLockGroup(QWidget* parent, Binder& binder);
// "System setting" tab: user or manager mode with the system password, and its change.
QWidget* BuildManagerGroup(QWidget* parent, Binder& binder);
// The system page: the device identity, the remote control switch and the link's settings.
QWidget* BuildSystemSheet(QWidget* parent, Binder& binder);
// The remote control switch.
QWidget* BuildRemoteGroup(QWidget* parent, Binder& binder);
// The lock panel FirstCheckGrop, shown over the window while the panel lock holds it.
QWidget* BuildLockPanel(QWidget* window);

} // namespace aec
