// aecctl as a script runs it: the file commands, their output and their exit codes.
#include "core/BlockLayout.h"
#include "support/AecctlRun.h"
#include "system/PresetFile.h"
#include "system/PresetFormat.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <random>

#include <sys/stat.h>

namespace aec {
namespace {

const QString Data = QStringLiteral(TEST_DATA_DIR "/");

using Result = test::AecctlResult;

Result Aecctl(const QStringList& arguments)
{
    return test::RunAecctl(arguments, 60000);
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

class AecctlFiles : public ::testing::Test
{
protected:
    QString temp(const char* name) const { return dir.filePath(QLatin1String(name)); }
    QString write(const char* name, const QByteArray& content) const
    {
        QFile file(temp(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return file.fileName();
    }

    QTemporaryDir dir;
};

TEST_F(AecctlFiles, EveryCommandExplainsItselfAndAWrongUseExitsTwo)
{
    const Result help = Aecctl({"--help"});
    EXPECT_EQ(help.exit, 0);
    const QStringList commands = {"check",     "show",      "diff", "convert",
                                  "import-eq", "export-eq", "dump", "apply"};
    for (const QString& command : commands) {
        EXPECT_TRUE(help.out.contains("  " + command + " ")) << command.toStdString();
        const Result own = Aecctl({command, "--help"});
        EXPECT_EQ(own.exit, 0) << command.toStdString();
        EXPECT_TRUE(own.out.startsWith("Usage: aecctl " + command + " ")) << own.out.toStdString();
    }
    const QString preset = Data + "presets/two-values.json";
    const QList<QStringList> wrong = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", preset, preset},
        {"diff", preset},
        {"check", "--colour", preset},
        {"convert", preset, temp("out.txt")},
        {"import-eq", Data + "eq/apo-config.txt", "--into", preset, "-o", temp("o.json")},
        {"import-eq", Data + "eq/apo-config.txt", "--page", "hiddenMusic", "--into", preset, "-o",
         temp("o.json")},
        {"import-eq", Data + "eq/apo-config.txt", "--page", "micA", "--side", "right", "--into",
         preset, "-o", temp("o.json")},
        {"export-eq", preset, "--page", "volumes"},
        {"dump", "--port", "/dev/null"},
        {"apply", preset, "--port", "tcp://192.0.2.1"},
        {"dump", "--port", "tcp://:5000", "-o", temp("o.json")},
    };
    for (const QStringList& arguments : wrong) {
        const Result r = Aecctl(arguments);
        EXPECT_EQ(r.exit, 2) << arguments.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_FALSE(r.err.isEmpty()) << arguments.join(' ').toStdString();
    }
    EXPECT_FALSE(QFile::exists(temp("o.json"))) << "a wrong use writes nothing";
}

TEST_F(AecctlFiles, CheckGivesEachFileOrTheReasonItIsRefused)
{
    const QString broken = write("broken.json", R"({"format": "aec-preset", "version": 1,
        "pages": [{"parameters": [{"name": "music.eq.99.gain", "value": 1}]}]})");
    const QString good = Data + "presets/two-values.Nddt";
    const Result all = Aecctl({"check", good, Data + "presets/room-a.json", broken});
    EXPECT_EQ(all.exit, 1);
    EXPECT_TRUE(all.out.contains(good + ": ok, scrambled, 2 parameters")) << all.out.toStdString();
    EXPECT_TRUE(all.out.contains("room-a.json: ok, JSON, 7 parameters"));
    EXPECT_TRUE(all.out.contains(broken + ": refused")) << all.out.toStdString();
    EXPECT_TRUE(all.out.contains("unknown names: music.eq.99.gain"));
    EXPECT_EQ(Aecctl({"check", good}).exit, 0);
    EXPECT_EQ(Aecctl({"check", temp("missing.Nddt")}).exit, 1);
}

TEST_F(AecctlFiles, ShowAndDiffReadParametersByNameAndText)
{
    const Result shown = Aecctl({"show", Data + "presets/room-a.json"});
    EXPECT_EQ(shown.exit, 0);
    EXPECT_EQ(shown.out, QStringLiteral("[music] Music\n"
                                        "  music.eq.5.frequency: 1000Hz\n"
                                        "  music.eq.5.gain: 4.0dB\n"
                                        "  music.right.eq.5.gain: -4.0dB\n"
                                        "[micB] MIC B\n"
                                        "  micB.eq.3.type: LSEQ\n"
                                        "  micB.eq.3.shelf-q: 1.60\n"
                                        "[echoB] Echo B\n"
                                        "  echoB.eq.1.q: 1.00\n"
                                        "[system] System\n"
                                        "  system.music.input: OPTI\n"));
    const Result json = Aecctl({"show", "--json", Data + "presets/two-values.Nddt"});
    EXPECT_EQ(json.exit, 0);
    EXPECT_TRUE(json.out.contains(R"({"name": "music.eq.5.gain", "value": 130, "text": "2.0dB"})"))
        << json.out.toStdString();

    // Either side scrambled or JSON; equal presets are no difference.
    const Result same =
        Aecctl({"diff", Data + "presets/two-values.Nddt", Data + "presets/two-values.json"});
    EXPECT_EQ(same.exit, 0);
    EXPECT_TRUE(same.out.isEmpty());
    const Result differ =
        Aecctl({"diff", Data + "presets/two-values.Nddt", Data + "presets/room-a.json"});
    EXPECT_EQ(differ.exit, 1);
    EXPECT_TRUE(differ.out.contains("\nmusic.eq.5.gain: 2.0dB -> 4.0dB\n"))
        << differ.out.toStdString();
    EXPECT_TRUE(differ.out.contains("\nsystem.music.input: IN1 -> OPTI\n"));
    EXPECT_EQ(differ.out.count('\n'), 7);
    EXPECT_EQ(Aecctl({"diff", Data + "presets/two-values.Nddt", temp("missing.json")}).exit, 1);
}

TEST_F(AecctlFiles, ConvertBringsAScrambledFileBackByteForByteAndReplacesOnlyFiles)
{
    ParamStore store;
    std::mt19937 random(5);
    for (int block = 0; block <= 24; ++block)
        for (int slot = 0; slot <= SlotCount[block]; ++slot)
            store.at(block, slot) = int(random() % 65536);
    const QString full = write("full.Nddt", PresetFormat::Encode(store));
    for (const QString& original : {full, Data + "presets/two-values.Nddt"}) {
        ASSERT_EQ(Aecctl({"convert", original, temp("a.json")}).exit, 0);
        ASSERT_EQ(Aecctl({"convert", temp("a.json"), temp("b.Nddt")}).exit, 0);
        EXPECT_EQ(Contents(temp("b.Nddt")), Contents(original)) << original.toStdString();
    }
    const Result refused = Aecctl({"convert", write("bad.Nddt", "3C2E\r\n"), temp("c.json")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_FALSE(QFile::exists(temp("c.json")));

    // Only a file is replaced: a FIFO, a link to one and a link to nothing stay as they were.
    ASSERT_EQ(mkfifo(QFile::encodeName(temp("pipe.json")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(temp("pipe.json"), temp("to-pipe.json")));
    ASSERT_TRUE(QFile::link(temp("nowhere/x.json"), temp("dangling.json")));
    for (const char* out : {"pipe.json", "to-pipe.json", "dangling.json"}) {
        const Result kept = Aecctl({"convert", full, temp(out)});
        EXPECT_EQ(kept.exit, 1) << out;
        EXPECT_TRUE(kept.err.contains("left as it is")) << kept.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo(temp("pipe.json")).isFile());
    EXPECT_TRUE(QFileInfo(temp("to-pipe.json")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(temp("nowhere")));
}

TEST_F(AecctlFiles, ImportEqPutsAMeasuredListOntoAPageOfAPreset)
{
    const Result imported =
        Aecctl({"import-eq", Data + "eq/rew-generic.txt", "--page", "echoB", "--into",
                Data + "presets/two-values.Nddt", "-o", temp("room.json")});
    ASSERT_EQ(imported.exit, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains("frequency: 0.7% (line 14")) << imported.out.toStdString();
    const Result shown = Aecctl({"show", temp("room.json")});
    EXPECT_TRUE(shown.out.contains("  music.eq.5.gain: 2.0dB\n")) << "the preset's values stay";
    EXPECT_TRUE(shown.out.contains("  echoB.eq.1.frequency: 28.4Hz\n")) << shown.out.toStdString();
    EXPECT_TRUE(shown.out.contains("  echoB.eq.6.type: BYPSS\n"));

    const Result exported = Aecctl({"export-eq", temp("room.json"), "--page", "echoB"});
    EXPECT_EQ(exported.exit, 0);
    EXPECT_TRUE(exported.out.contains("Filter  1: ON  PK   Fc    28.4 Hz  Gain  -4.4 dB  Q   5.00"))
        << exported.out.toStdString();
    EXPECT_TRUE(exported.out.contains("Filter  3: ON  LSC  Fc   105.0 Hz"));

    const QString highPass = write("hp.txt", "Filter 1: ON HP Fc 80 Hz Q 0.7\n");
    const Result refused = Aecctl({"import-eq", highPass, "--page", "echoB", "--into",
                                   Data + "presets/two-values.Nddt", "-o", temp("no.json")});
    EXPECT_EQ(refused.exit, 1);
    EXPECT_TRUE(refused.err.contains("line 1: HP")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(temp("no.json")));
}

} // namespace
} // namespace aec
