#pragma once

#include "core/BilingualText.h"
#include "core/ValueTable.h"

#include <QString>
#include <QStringList>

namespace aec {

class DiagnosticLog;

// The folder of preset files: "Mode/KMode" beside the program, or, where the program may not
// write beside itself (installed system-wide), the same folders in the user's data folder.
class PresetFolder
{
public:
    // `programFolder` is where the program file lies; `fallbackFolder` the user's data folder.
    PresetFolder(const QString& programFolder, const QString& fallbackFolder);

    QString ModeFolder() const { return m_modeFolder; }
    QString PresetFolderPath() const { return m_presetFolder; }
    QString fileFor(const QString& name) const;

    // A name that cannot reach outside the preset folder: no path separator ("/" or "\\"),
    // no control character (a NUL would cut the extension off). Every load checks it.
    static bool StaysInFolder(const QString& name);
    // A name a save may create: one that stays in the folder, is not blank, neither begins
    // with a dot (hidden files; "." and "..") nor holds "..", and has at most MaxNameLength
    // characters.
    static bool IsValidNewName(const QString& name);
    // UTF-16 units, so that even in the widest script name and extension stay within the
    // 255 bytes a file name may take.
    static constexpr int MaxNameLength = 64;

    // Creates the folders where missing; falls back to the user's data folder when the
    // program's folder cannot take them.
    void EnsurePresetFolders();
    // The preset names, hidden ones included, sorted by file name regardless of case.
    QStringList RefreshPresetList() const;

    struct Outcome
    {
        bool ok = false;
        BilingualText message; // what to tell the person when not ok
        QString detail;
    };
    // Writes the store under a valid new name, replacing a file of that name in one step: a
    // failed save leaves any earlier file as it was; a refused name writes nothing.
    Outcome SavePreset(const QString& name, const ParamStore& store) const;
    // Reads and checks the whole file of a name that stays in the folder; only a file that
    // passes every check is written into the store. Every loaded value is logged.
    Outcome LoadPreset(const QString& name, ParamStore& store, DiagnosticLog* log) const;

private:
    void usePaths(const QString& base);

    QString m_programFolder;
    QString m_fallbackFolder;
    QString m_modeFolder;
    QString m_presetFolder;
};

namespace PresetText {
inline const BilingualText NotFound{QStringLiteral("文件不存在"), QStringLiteral("File not find!")};
inline const BilingualText FormatError{QStringLiteral("文件格式错误!"),
                                       QStringLiteral("File format error!")};
inline const BilingualText Corrupted{QStringLiteral("数据文件损坏!"),
                                     QStringLiteral("Data file is corrupted!")};
inline const BilingualText InvalidName{
    QStringLiteral("名称无效: 不能含有路径符号、控制字符或\"..\", 不能以点开头, 最多64个字符"),
    QStringLiteral("Invalid name: no path separators, control characters or \"..\", no leading "
                   "dot; at most 64 characters")};
inline const BilingualText CannotSave{QStringLiteral("文件无法保存!"),
                                      QStringLiteral("The file cannot be saved!")};
} // namespace PresetText

} // namespace aec
