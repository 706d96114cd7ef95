#include "app/ctl/FileCommands.h"

#include "app/ctl/PresetArguments.h"
#include "core/ParameterNames.h"
#include "core/WholeFile.h"
#include "system/EqImport.h"
#include "system/PresetDiff.h"
#include "system/PresetFormat.h"
#include "system/PresetJson.h"
#include "system/PresetPages.h"


namespace aec::ctl {
namespace {

const QString PageOptionHelp = QStringLiteral(
    "The EQ page: music, dynamicEq, micA, micB, echoA, echoB, reverb, main.left.sing ... "
    "sub.decode, hiddenMusic, hiddenMicA, hiddenMicB.");

} // namespace

int Check(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks preset files (scrambled or JSON) as the window's load does, and names the "
        "reason for each one it would refuse. Exit 1 when any is refused."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Preset files."),
                                 QStringLiteral("FILE..."));
    if (const auto done = ParseArguments(parser, arguments, -1, console))
        return *done;
    int exit = Exit::Success;
    for (const QString& path : parser.positionalArguments()) {
        const PresetFile::Loaded loaded = PresetFile::Load(path);
        if (loaded.ok) {
            console.out << path << ": ok, " << PresetFile::FormatName(loaded.format) << ", "
                        << loaded.values.size() << " parameters" << Qt::endl;
        } else {
            console.out << Refusal(path, loaded) << Qt::endl;
            exit = Exit::Refused;
        }
    }
    return exit;
}

int Show(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Shows every parameter of a preset by name with its value text, page by page."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("A preset file."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Prints the preset as its JSON document."));
    parser.addOption(json);
    if (const auto done = ParseArguments(parser, arguments, 1, console))
        return *done;
    const auto values = LoadPreset(parser.positionalArguments().constFirst(), console);
    if (!values)
        return Exit::Refused;
    if (parser.isSet(json)) {
        console.out << QString::fromUtf8(PresetJson::Encode(*values));
        return Exit::Success;
    }
    for (const PresetPage& page : GroupByPage(*values)) {
        console.out << "[" << page.key << "] " << page.title.english << Qt::endl;
        for (const DeviceValue& v : page.values)
            console.out << "  " << ParameterKey(v.address) << ": "
                        << DeviceValueText(v.address, v.value) << Qt::endl;
    }
    return Exit::Success;
}

int Diff(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists the parameters two presets (scrambled or JSON, in any mix) hold differently, "
        "one a line: \"name: value in A -> value in B\". Exit 0 when they are equal, 1 when "
        "not or when a file is refused."));
    parser.addPositionalArgument(QStringLiteral("A"), QStringLiteral("The first preset."));
    parser.addPositionalArgument(QStringLiteral("B"), QStringLiteral("The second preset."));
    if (const auto done = ParseArguments(parser, arguments, 2, console))
        return *done;
    const QStringList files = parser.positionalArguments();
    const auto a = LoadPreset(files[0], console);
    const auto b = LoadPreset(files[1], console);
    if (!a || !b)
        return Exit::Refused;
    const std::vector<PresetDifference> differences = ComparePresets(*a, *b);
    for (const PresetDifference& d : differences)
        console.out << DifferenceLine(d) << Qt::endl;
    return differences.empty() ? Exit::Success : Exit::Refused;
}

int Convert(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts a preset between the scrambled format and JSON; OUT's extension (.Nddt or "
        ".json) chooses. A scrambled file the program wrote comes back byte for byte."));
    parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The preset to read."));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The file to write."));
    if (const auto done = ParseArguments(parser, arguments, 2, console))
        return *done;
    const QStringList files = parser.positionalArguments();
    const auto format = OutputFormat(files[1], console);
    if (!format)
        return Exit::Usage;
    const auto values = LoadPreset(files[0], console);
    if (!values)
        return Exit::Refused;
    return SavePreset(files[1], *values, *format, console) ? Exit::Success : Exit::Refused;
}

int ImportEq(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Puts the filters of an EQ text (from a room measurement program or a headphone EQ "
        "list) onto the bands of a page of a preset and writes the result. Each value goes to "
        "the nearest step the processor has; the largest roundings are reported. More filters "
        "than bands, or a filter type the processor lacks, refuses the text (exit 1)."));
    parser.addPositionalArgument(QStringLiteral("TEXT"), QStringLiteral("The EQ text file."));
    const QCommandLineOption page(QStringLiteral("page"), PageOptionHelp, QStringLiteral("NAME"));
    const QCommandLineOption side(QStringLiteral("side"),
                                  QStringLiteral("left or right: the music or dynamic EQ bank."),
                                  QStringLiteral("SIDE"));
    const QCommandLineOption into(QStringLiteral("into"),
                                  QStringLiteral("The preset whose bands are replaced."),
                                  QStringLiteral("PRESET"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The preset to write (.json or .Nddt)."),
                                    QStringLiteral("OUT"));
    parser.addOptions({page, side, into, output});
    if (const auto done = ParseArguments(parser, arguments, 1, console))
        return *done;
    if (!parser.isSet(page) || !parser.isSet(into) || !parser.isSet(output))
        return UsageError(console, QStringLiteral("--page, --into and -o are needed"));
    QString error;
    const auto target = EqTarget::ForPage(parser.value(page), parser.value(side), &error);
    if (!target)
        return UsageError(console, error);
    if (!PresetFormat::CarriesAddress(target->address(0, BandField::Type)))
        return UsageError(
            console, QStringLiteral("a preset does not carry the bands of %1").arg(target->key()));
    const auto format = OutputFormat(parser.value(output), console);
    if (!format)
        return Exit::Usage;

    const QString textPath = parser.positionalArguments().constFirst();
    const PresetFile::Bytes text = PresetFile::ReadBytes(textPath, PresetFormat::MaxFileSize);
    if (text.status != PresetFile::ReadStatus::Ok) {
        console.err << textPath << ": " << text.detail << Qt::endl;
        return Exit::Refused;
    }
    const auto preset = LoadPreset(parser.value(into), console);
    if (!preset)
        return Exit::Refused;
    const EqImport::Result mapped = EqImport::Map(EqText::Parse(text.content), *target);
    if (!mapped.ok) {
        console.err << textPath << ": refused:" << Qt::endl;
        for (const QString& line : mapped.errors)
            console.err << "  " << line << Qt::endl;
        return Exit::Refused;
    }
    DeviceValues merged = *preset;
    merged.insert(merged.end(), mapped.changes.begin(), mapped.changes.end());
    if (!SavePreset(parser.value(output), PresetFormat::Canonical(merged), *format, console))
        return Exit::Refused;
    console.out << mapped.report() << Qt::endl;
    return Exit::Success;
}

int ExportEq(const QStringList& arguments, Console& console)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes the bands of a page of a preset as EQ text, one filter a line, as "
                       "import-eq reads it and room measurement programs and EQ hosts read it."));
    parser.addPositionalArgument(QStringLiteral("PRESET"), QStringLiteral("A preset file."));
    const QCommandLineOption page(QStringLiteral("page"), PageOptionHelp, QStringLiteral("NAME"));
    const QCommandLineOption side(QStringLiteral("side"),
                                  QStringLiteral("left or right: the music or dynamic EQ bank."),
                                  QStringLiteral("SIDE"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")},
                                    QStringLiteral("The text file to write; else the output."),
                                    QStringLiteral("OUT"));
    parser.addOptions({page, side, output});
    if (const auto done = ParseArguments(parser, arguments, 1, console))
        return *done;
    if (!parser.isSet(page))
        return UsageError(console, QStringLiteral("--page is needed"));
    QString error;
    const auto target = EqTarget::ForPage(parser.value(page), parser.value(side), &error);
    if (!target)
        return UsageError(console, error);
    const auto preset = LoadPreset(parser.positionalArguments().constFirst(), console);
    if (!preset)
        return Exit::Refused;
    // Bands the preset does not set read as a store that has not been written: all zero.
    ValueTable store;
    for (const DeviceValue& v : *preset)
        store.at(v.address) = v.value;
    const QByteArray text = EqImport::Export(store, *target);
    if (!parser.isSet(output)) {
        console.out << QString::fromUtf8(text);
        return Exit::Success;
    }
    if (!WriteWholeFile(parser.value(output), text, &error)) {
        console.err << "aecctl export-eq: cannot write " << parser.value(output) << ": " << error
                    << Qt::endl;
        return Exit::Refused;
    }
    return Exit::Success;
}

} // namespace aec::ctl
