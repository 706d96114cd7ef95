// The readable preset: its JSON codec, files of either format, page grouping and comparison.
#include "system/PresetJson.h"
#include "core/BlockLayout.h"
#include "system/PresetDiff.h"
#include "system/PresetFile.h"
#include "system/PresetFolder.h"
#include "system/PresetFormat.h"
#include "system/PresetPages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <random>

namespace aec {
namespace {

const QString Data = QStringLiteral(TEST_DATA_DIR "/presets/");

ParamStore RandomStore(unsigned seed)
{
    ParamStore store;
    std::mt19937 random(seed);
    for (int block = 0; block <= 24; ++block)
        for (int slot = 0; slot <= SlotCount[block]; ++slot)
            store.at(block, slot) = int(random() % 65536);
    store.at(30, 20) = 2;
    return store;
}

// A document of one page holding the given parameter objects.
QByteArray Document(const QString& parameters, int version = 1)
{
    return QStringLiteral(R"({"format": "aec-preset", "version": %1,
        "pages": [{"page": "music", "parameters": [%2]}]})")
        .arg(version)
        .arg(parameters)
        .toUtf8();
}

TEST(PresetJson, ScrambledToJsonAndBackIsByteIdentical)
{
    const QByteArray scrambled = PresetFormat::Encode(RandomStore(7));
    const PresetFormat::DecodeResult decoded = PresetFormat::Decode(scrambled);
    ASSERT_EQ(decoded.error, PresetFormat::DecodeError::None);
    const QByteArray json = PresetJson::Encode(decoded.values);
    const PresetJson::DecodeResult back = PresetJson::Decode(json);
    ASSERT_TRUE(back.ok) << back.detail.toStdString();
    EXPECT_EQ(PresetFormat::EncodeValues(back.values), scrambled);

    // One parameter a line, each with its name, raw value and text, pages in the tabs' order.
    EXPECT_EQ(json.count("{\"name\": "), 1879);
    EXPECT_TRUE(json.contains("\n        {\"name\": \"system.music.input\", \"value\": 2, "
                              "\"text\": \"IN2\"}\n"));
    const QJsonArray pages = QJsonDocument::fromJson(json).object().value("pages").toArray();
    QStringList order;
    for (const QJsonValue& page : pages)
        order << page.toObject().value("page").toString();
    EXPECT_EQ(order.mid(0, 8), (QStringList{"music", "dynamicEq", "micA", "micB", "echoA", "echoB",
                                            "reverb", "main.left.sing"}));
    EXPECT_EQ(order.size(), 26);
    EXPECT_EQ(order.last(), QStringLiteral("system"));
}

TEST(PresetJson, HandWrittenDocumentsReadByName)
{
    const PresetFile::Loaded room = PresetFile::Load(Data + "room-a.json");
    ASSERT_TRUE(room.ok) << room.detail.toStdString();
    EXPECT_EQ(room.format, PresetFile::Format::Json);
    // Names to processor addresses: music EQ band 5 at slots 31, 32 and its right bank 75
    // further; microphone B's band 3 from block 3, slot 15 + 10; the input at 7700.
    const DeviceValues expected = {{31, 204},         {32, 140},          {32 + 75, 100},
                                   {3 * 256 + 25, 2}, {3 * 256 + 29, 24}, {24 * 256 + 17, 16},
                                   {7700, 3}};
    EXPECT_EQ(room.values, expected);

    // The same two values, scrambled and in JSON, both written by hand.
    const PresetFile::Loaded scrambled = PresetFile::Load(Data + "two-values.Nddt");
    const PresetFile::Loaded json = PresetFile::Load(Data + "two-values.json");
    ASSERT_TRUE(scrambled.ok && json.ok);
    EXPECT_EQ(scrambled.format, PresetFile::Format::Scrambled);
    EXPECT_EQ(scrambled.values, (DeviceValues{{32, 130}, {7700, 1}}));
    EXPECT_EQ(json.values, scrambled.values);
}

TEST(PresetJson, RefusedDocumentsNameEveryProblemAndYieldNothing)
{
    const struct
    {
        const char* what;
        QByteArray document;
        QStringList mentioned;
    } cases[] = {
        {"not JSON", "{\n  \"format\": \"aec-preset\",\n  oops\n}", {"line 3"}},
        {"another format", R"({"format": "something", "version": 1, "pages": []})", {"format"}},
        {"a newer version", Document({}, 2), {"version 2"}},
        {"no pages", R"({"format": "aec-preset", "version": 1})", {"pages"}},
        {"unknown names, all listed",
         Document(R"({"name": "music.eq.16.gain", "value": 1},
                     {"name": "music.eq.1.gian", "value": 1})"),
         {"music.eq.16.gain", "music.eq.1.gian"}},
        {"names a save does not write",
         Document(R"({"name": "hiddenMusic.eq.1.gain", "value": 1},
                     {"name": "system.manager", "value": 1})"),
         {"hiddenMusic.eq.1.gain", "system.manager"}},
        {"a name twice",
         Document(R"({"name": "music.pitch", "value": 7}, {"name": "music.pitch", "value": 8})"),
         {"twice", "music.pitch"}},
        {"a fraction", Document(R"({"name": "music.pitch", "value": 7.5})"), {"music.pitch"}},
        {"a text", Document(R"({"name": "music.pitch", "value": "7"})"), {"music.pitch"}},
        {"beyond 32 bits",
         Document(R"({"name": "music.pitch", "value": 2147483648})"),
         {"music.pitch"}},
        {"a text that is not the value's",
         Document(R"({"name": "music.eq.5.gain", "value": 130, "text": "4.0dB"})"),
         {"music.eq.5.gain", "2.0dB"}},
        {"no name", Document(R"({"value": 1})"), {"parameter 1"}},
        {"a control character in a name, shown escaped",
         Document(R"({"name": "music.pitch\u0000\u001b[2J", "value": 1})"),
         {"music.pitch\\u0000\\u001b[2J"}},
        {"a text that is a number",
         Document(R"({"name": "music.pitch", "value": 7, "text": 7})"),
         {"music.pitch", "not a string"}},
    };
    for (const auto& c : cases) {
        const PresetJson::DecodeResult result = PresetJson::Decode(c.document);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_TRUE(result.values.empty()) << c.what;
        for (const QString& m : c.mentioned)
            EXPECT_TRUE(result.detail.contains(m)) << c.what << ": " << result.detail.toStdString();
    }
}

TEST(PresetJson, ValuesAreWhole32BitNumbersAndLongListsAreCut)
{
    const auto value = [](const char* number) {
        const PresetJson::DecodeResult r = PresetJson::Decode(
            Document(QStringLiteral(R"({"name": "music.pitch", "value": %1})").arg(number)));
        return r.ok ? std::optional<std::int32_t>(r.values.at(0).value) : std::nullopt;
    };
    EXPECT_EQ(value("2147483647"), 2147483647);
    EXPECT_EQ(value("-2147483648"), -2147483647 - 1);
    EXPECT_FALSE(value("-2147483649"));
    EXPECT_FALSE(value("1e12"));

    QStringList many;
    for (int i = 0; i < 40; ++i)
        many << QStringLiteral(R"({"name": "nothing.%1", "value": 0})").arg(i);
    const QString detail = PresetJson::Decode(Document(many.join(','))).detail;
    EXPECT_TRUE(detail.contains("nothing.0,")) << detail.toStdString();
    EXPECT_FALSE(detail.contains("nothing.39")) << "a wrong file is not listed to its end";
    EXPECT_TRUE(detail.contains("more"));
}

TEST(PresetFiles, FormatByExtensionOrContentAndOnlyRegularFilesUpToTheLimit)
{
    using PresetFile::Format;
    EXPECT_EQ(PresetFile::FormatOfPath("a/Room.JSON"), Format::Json);
    EXPECT_EQ(PresetFile::FormatOfPath("Room.nddt"), Format::Scrambled);
    EXPECT_FALSE(PresetFile::FormatOfPath("Room.txt").has_value());
    EXPECT_EQ(PresetFile::FormatOfContent("\xEF\xBB\xBF  {}"), Format::Json);
    EXPECT_EQ(PresetFile::FormatOfContent(" [1, 2]"), Format::Json);
    EXPECT_EQ(PresetFile::FormatOfContent("3C2EE4"), Format::Scrambled);

    QTemporaryDir dir;
    EXPECT_EQ(PresetFile::Load(dir.path() + "/missing.json").message, PresetText::NotFound);
    EXPECT_EQ(PresetFile::Load(dir.path()).message, PresetText::FormatError);
    // A file at the limit is read (and refused for what it holds); one byte more is not read.
    const auto sized = [&](qint64 size) {
        QFile file(dir.path() + "/big.json");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write('{' + QByteArray(size - 1, ' '));
        file.close();
        return PresetFile::Load(file.fileName());
    };
    EXPECT_EQ(sized(PresetFormat::MaxFileSize).message, PresetText::JsonRefused);
    EXPECT_EQ(sized(PresetFormat::MaxFileSize + 1).message, PresetText::FormatError);
    EXPECT_EQ(sized(50 * PresetFormat::MaxFileSize).message, PresetText::FormatError);

    QString error;
    EXPECT_FALSE(PresetFile::Save(dir.filePath("no/such/folder.json"), {}, Format::Json, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(PresetDifferences, OneLineEachWithBothTexts)
{
    const DeviceValues a = {{32, 130}, {7700, 1}, {31, 204}, {0, 400}};
    const DeviceValues b = {{7700, 1}, {32, 140}, {107, 100}, {0, 500}};
    QStringList lines;
    for (const PresetDifference& d : ComparePresets(a, b))
        lines << DifferenceLine(d);
    EXPECT_EQ(lines, (QStringList{
                         // Gains past the top read the same: their raw numbers follow.
                         "music.input1.gain: 10.0dB (400) -> 10.0dB (500)",
                         "music.eq.5.frequency: 1000Hz -> (not set)",
                         "music.eq.5.gain: 2.0dB -> 4.0dB",
                         "music.right.eq.5.gain: (not set) -> -4.0dB",
                     }));
    EXPECT_TRUE(ComparePresets(a, a).empty());
    EXPECT_TRUE(ComparePresets({{32, 1}, {32, 130}}, {{32, 130}}).empty()) << "the last wins";
}

TEST(PresetDifferences, PagesFollowTheTabsWithEchoBBesideEchoA)
{
    const DeviceValues values = {{7700, 1},    {24 * 256 + 3, 1}, {5 * 256, 1},
                                 {4 * 256, 1}, {4 * 256 + 1, 2},  {0, 1}};
    QStringList keys;
    for (const PresetPage& page : GroupByPage(values))
        keys << page.key + ":" + QString::number(page.values.size());
    EXPECT_EQ(keys, (QStringList{"music:1", "echoA:2", "echoB:1", "reverb:1", "system:1"}));
}

} // namespace
} // namespace aec
