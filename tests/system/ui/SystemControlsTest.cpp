// Preset files and the processor's stored modes, operated on the window against a simulated
// processor over an in-memory line.
#include "editing/ui/MainWindowFixture.h"
#include "support/RecordingFiles.h"
#include "system/PresetFile.h"
#include "system/PresetFolder.h"
#include "system/PresetFormat.h"
#include "system/ui/ModeControls.h"
#include "system/ui/PresetControls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

namespace aec::test {
namespace {

class SystemControls : public OnlineWindowFixture
{
protected:
    void SetUp() override
    {
        OnlineWindowFixture::SetUp();
        window.setMessages(&messages);
        window.presets().folder() = PresetFolder(dir.path() + "/program", dir.path() + "/user");
        window.presets().EnsurePresetFolders();
        window.presets().RefreshPresetList();
        ASSERT_TRUE(linkOnline());
    }

    void save(const QString& name)
    {
        control<QLineEdit>("FileEdit")->setText(name);
        control<QAbstractButton>("RzBmpButton120")->click();
    }
    void load(const QString& name)
    {
        control<QLineEdit>("FileEdit")->setText(name);
        control<QAbstractButton>("RzBmpButton119")->click();
    }
    // Lets the processor answer and the session's timers run until it is online and idle.
    void settle()
    {
        for (int i = 0;
             i < 400 && !(session.isOnline() && !session.isTimerActive(LinkSession::Timer2)); ++i) {
            pump(1);
            for (int k = 0; k < 5 && session.isTimerActive(LinkSession::Timer2); ++k) {
                line.deliverTo(session);
                session.Timer2Timer();
            }
        }
        pump(3);
    }

    QTemporaryDir dir;
};

TEST_F(SystemControls, SavedPresetLoadsBackIntoTheStoreAndIsDownloadedToTheProcessor)
{
    model.store.at(2, 0) = 33;
    model.store.at(6, 40) = 151;
    save(QStringLiteral("Room A"));
    EXPECT_EQ(window.presets().PresetNames(), QStringList{QStringLiteral("Room A")});
    EXPECT_EQ(control<QTableWidget>("ValueListEditor1")->item(0, 1)->text(),
              QStringLiteral("Room A"));
    // The arrows choose a listed preset and name it, as a click does; typing edits no cell.
    save(QStringLiteral("Room B"));
    auto* list = control<QTableWidget>("ValueListEditor1");
    list->setCurrentCell(1, 1);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(control<QLineEdit>("FileEdit")->text(), QStringLiteral("Room A"));
    QTest::keyClick(list, Qt::Key_X);
    EXPECT_EQ(list->item(1, 1)->text(), QStringLiteral("Room B"));

    model.store.at(2, 0) = 1;
    model.store.at(6, 40) = 2;
    messages.answer = true;
    load(QStringLiteral("Room A"));
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked.last().english, QStringLiteral("Load File Data：Room A ?"));
    EXPECT_EQ(model.store.at(2, 0), 33);
    EXPECT_EQ(session.statusText().english, QStringLiteral("Download..."));
    settle();
    EXPECT_TRUE(session.isOnline());
    EXPECT_EQ(processor.memory().value(2, 0), 33);
    EXPECT_EQ(processor.memory().value(6, 40), 151);
}

TEST_F(SystemControls, JsonPresetsGoOutAndComeBackThroughTheChosenFiles)
{
    RecordingFiles files;
    window.setFileChooser(&files);
    model.store.at(2, 0) = 33;
    model.store.at(30, 20) = 2;
    control<QLineEdit>("FileEdit")->setText(QStringLiteral("Hall"));
    files.saveAnswer = dir.filePath("hall"); // the extension is added
    control<QAbstractButton>("PresetJsonExportBtn")->click();
    EXPECT_EQ(files.suggested, QStringList{QStringLiteral("Hall.json")});
    const PresetFile::Loaded saved = PresetFile::Load(dir.filePath("hall.json"));
    ASSERT_TRUE(saved.ok) << saved.detail.toStdString();
    EXPECT_EQ(saved.values, PresetFormat::ValuesOf(model.store));

    model.store.at(2, 0) = 7;
    files.openAnswer = dir.filePath("hall.json");
    control<QAbstractButton>("PresetJsonImportBtn")->click();
    EXPECT_EQ(model.store.at(2, 0), 33);
    EXPECT_EQ(session.statusText().english, QStringLiteral("Download..."));
    settle();
    EXPECT_EQ(processor.memory().value(2, 0), 33) << "downloaded as a listed preset is";
}

TEST_F(SystemControls, ARefusedOrCancelledImportChangesNothing)
{
    RecordingFiles files;
    window.setFileChooser(&files);
    QFile file(dir.filePath("typo.json"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "aec-preset", "version": 1, "pages": [{"parameters": [
        {"name": "micA.eq.1.gain", "value": 150}, {"name": "micA.eq.1.gian", "value": 1}]}]})");
    file.close();
    model.store.at(2, 17) = 4;
    const ParamStore before = model.store;
    files.openAnswer = file.fileName();
    control<QAbstractButton>("PresetJsonImportBtn")->click();
    EXPECT_EQ(model.store, before);
    ASSERT_FALSE(messages.informed.isEmpty());
    EXPECT_TRUE(messages.informed.last().english.contains(QStringLiteral("micA.eq.1.gian")));
    EXPECT_TRUE(session.isOnline()) << "nothing is downloaded";

    files.openAnswer.clear();
    const auto shown = messages.informed.size();
    control<QAbstractButton>("PresetJsonImportBtn")->click();
    EXPECT_EQ(model.store, before);
    EXPECT_EQ(messages.informed.size(), shown);
}

TEST_F(SystemControls, SavingUnderAListedNameAsksFirstAndCancelKeepsTheFile)
{
    model.store.at(4, 4) = 10;
    save(QStringLiteral("Bar"));
    model.store.at(4, 4) = 20;
    messages.answer = false;
    save(QStringLiteral("Bar"));
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked.last().english,
              QStringLiteral("File already exists, overwrite it right?"));
    ParamStore check;
    ASSERT_TRUE(window.presets().folder().LoadPreset(QStringLiteral("Bar"), check, nullptr).ok);
    EXPECT_EQ(check.at(4, 4), 10);

    messages.answer = true;
    save(QStringLiteral("Bar"));
    ASSERT_TRUE(window.presets().folder().LoadPreset(QStringLiteral("Bar"), check, nullptr).ok);
    EXPECT_EQ(check.at(4, 4), 20);
    // A name differing only in case is another file: no question.
    save(QStringLiteral("bar"));
    EXPECT_EQ(messages.asked.size(), 2);
}

TEST_F(SystemControls, DamagedPresetIsRefusedAndTheStoreKeepsItsValues)
{
    save(QStringLiteral("Good"));
    QFile file(window.presets().folder().fileFor(QStringLiteral("Good")));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    bytes[300] = bytes[300] == 'A' ? 'B' : 'A';
    file.seek(0);
    file.write(bytes);
    file.close();
    model.store.at(0, 3) = 4;
    const ParamStore before = model.store;
    messages.answer = true;
    load(QStringLiteral("Good"));
    EXPECT_EQ(model.store, before);
    ASSERT_FALSE(messages.informed.isEmpty());
    EXPECT_EQ(messages.informed.last().english, QStringLiteral("Data file is corrupted!"));
    EXPECT_TRUE(session.isOnline()) << "nothing is downloaded";
}

TEST_F(SystemControls, ANameOutsideTheFolderIsRefusedBeforeAnyQuestion)
{
    messages.answer = true;
    save(QStringLiteral("../Escaped"));
    load(QStringLiteral("../Escaped"));
    EXPECT_TRUE(messages.asked.isEmpty());
    ASSERT_EQ(messages.informed.size(), 2);
    EXPECT_TRUE(messages.informed.first().chinese.startsWith(QStringLiteral("名称无效")));
    EXPECT_TRUE(messages.informed.last().english.startsWith(QStringLiteral("Invalid name")));
    EXPECT_FALSE(QFile::exists(window.presets().folder().ModeFolder() + "/Escaped.Nddt"));
}

TEST_F(SystemControls, ClickingAListedPresetPutsItsNameInTheEdit)
{
    save(QStringLiteral("One"));
    save(QStringLiteral("Two"));
    control<QLineEdit>("FileEdit")->clear();
    window.presets().listClicked(1);
    EXPECT_EQ(control<QLineEdit>("FileEdit")->text(), QStringLiteral("Two"));
}

TEST_F(SystemControls, StoringAModeNeedsTheManagerAndNeverOverwritesAFactoryMode)
{
    auto* list = control<QComboBox>("SysModeBox");
    list->setCurrentIndex(17); // MF2
    control<QLineEdit>("PresetModeEdit")->setText(QStringLiteral("Live"));
    control<QAbstractButton>("SysSaveModeBtn")->click();
    ASSERT_FALSE(messages.informed.isEmpty());
    EXPECT_EQ(messages.informed.last().english,
              QStringLiteral("Users can not perform the save operation mode!"));

    model.view.at(30, 8) = 1; // manager
    messages.answer = true;
    control<QAbstractButton>("SysSaveModeBtn")->click();
    EXPECT_EQ(messages.asked.last().english, QStringLiteral("Save Mode to 1-Live?"));
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(session.statusText().english, QStringLiteral("Saving..."));
    settle();
    EXPECT_EQ(processor.memory().mode(0).name, QByteArray("Live"));
    EXPECT_EQ(messages.informed.last().english, QStringLiteral("Save Success!"));
    EXPECT_TRUE(list->itemText(0).startsWith(QStringLiteral("1-Live")));
}

TEST_F(SystemControls, RecallingAModeReloadsTheWindowFromTheProcessor)
{
    auto* list = control<QComboBox>("SysModeBox");
    list->setCurrentIndex(5);
    messages.answer = true;
    control<QAbstractButton>("SysLoadModeBtn")->click();
    EXPECT_TRUE(messages.asked.last().english.startsWith(QStringLiteral("Load Mode to6-")));
    settle();
    EXPECT_EQ(model.store.at(30, 2), 5);
    for (int slot = 0; slot < 60; ++slot)
        ASSERT_EQ(model.store.at(1, slot), processor.memory().mode(5).blocks[1][slot]) << slot;
}

TEST_F(SystemControls, QuickRecallButtonsActOnlyOnlineButTheListAsksAlways)
{
    session.LinkBtnClick(); // unlink
    const int asked = static_cast<int>(messages.asked.size());
    control<QAbstractButton>("SysModeBtn3")->click();
    control<QAbstractButton>("SysFactoryBtn2")->click();
    EXPECT_EQ(messages.asked.size(), asked);

    messages.answer = true;
    window.modes().quickRecall(4 + 2, false); // "7" in the list of modes 5 to 16
    EXPECT_EQ(messages.asked.size(), asked + 1);
    EXPECT_EQ(model.store.at(30, 2), 6) << "offline only the index is kept";
}

} // namespace
} // namespace aec::test
