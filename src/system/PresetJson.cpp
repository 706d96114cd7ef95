#include "system/PresetJson.h"

#include "core/ParameterNames.h"
#include "system/PresetFormat.h"
#include "system/PresetPages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <limits>

namespace aec::PresetJson {
namespace {

// A string as a JSON literal, quotes and escapes included.
QByteArray Quoted(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// Names listed in a refusal: enough to find the fault, not a screen of a wrong file.
constexpr int ListedNames = 12;

// A name from the file as a terminal may show it: control characters as JSON escapes.
QString Printable(const QString& name)
{
    return QString::fromUtf8(Quoted(name)).mid(1).chopped(1);
}

QString NameList(const QStringList& names)
{
    QStringList shown;
    for (const QString& name : names.mid(0, ListedNames))
        shown << Printable(name);
    if (names.size() > ListedNames)
        shown << QStringLiteral("and %1 more").arg(names.size() - ListedNames);
    return shown.join(QStringLiteral(", "));
}

// Where a parse error lies, as an editor counts it.
QString Position(const QByteArray& document, int offset)
{
    const QByteArray before = document.left(offset);
    const int line = static_cast<int>(before.count('\n')) + 1;
    const int column = static_cast<int>(offset - before.lastIndexOf('\n'));
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

bool WholeNumber(const QJsonValue& value, std::int32_t* number)
{
    if (!value.isDouble())
        return false;
    const double d = value.toDouble();
    if (std::floor(d) != d || d < std::numeric_limits<std::int32_t>::min() ||
        d > std::numeric_limits<std::int32_t>::max())
        return false;
    *number = static_cast<std::int32_t>(d);
    return true;
}

// Reads the parameters of every page, collecting every problem rather than stopping at one.
class Reader
{
public:
    void readPages(const QJsonArray& pages)
    {
        for (int p = 0; p < pages.size(); ++p) {
            const QJsonObject page = pages[p].toObject();
            const QString where = QStringLiteral("page %1").arg(p + 1);
            if (!pages[p].isObject() || !page.value(QLatin1String("parameters")).isArray()) {
                problems << where + QStringLiteral(" is not an object with \"parameters\"");
                continue;
            }
            const QJsonArray parameters = page.value(QLatin1String("parameters")).toArray();
            for (int i = 0; i < parameters.size(); ++i)
                readParameter(parameters[i],
                              QStringLiteral("%1, parameter %2").arg(where).arg(i + 1));
        }
    }

    QStringList problems;
    QStringList unknown;
    QStringList notCarried;
    QStringList twice;
    DeviceValues values;

private:
    void readParameter(const QJsonValue& entry, const QString& where)
    {
        const QJsonObject parameter = entry.toObject();
        const QJsonValue name = parameter.value(QLatin1String("name"));
        if (!entry.isObject() || !name.isString()) {
            problems << where + QStringLiteral(" has no \"name\"");
            return;
        }
        const QString key = name.toString();
        const auto address = DeviceAddressOfKey(key);
        if (!address) {
            unknown << key;
            return;
        }
        if (!PresetFormat::CarriesAddress(*address)) {
            notCarried << key;
            return;
        }
        if (m_seen.contains(key)) {
            twice << key;
            return;
        }
        m_seen.insert(key);
        std::int32_t value = 0;
        if (!WholeNumber(parameter.value(QLatin1String("value")), &value)) {
            problems << key + QStringLiteral(": \"value\" is not a whole 32-bit number");
            return;
        }
        const QJsonValue text = parameter.value(QLatin1String("text"));
        const QString expected = DeviceValueText(*address, value);
        if (!text.isUndefined() && !text.isString()) {
            problems << key + QStringLiteral(": \"text\" is not a string");
            return;
        }
        if (!text.isUndefined() && text.toString() != expected) {
            problems << key + QStringLiteral(": \"text\" %1 is not the text of value %2 (%3)")
                                  .arg(QString::fromUtf8(Quoted(text.toString())))
                                  .arg(value)
                                  .arg(expected);
            return;
        }
        values.push_back({*address, value});
    }

    QSet<QString> m_seen;
};

} // namespace

QByteArray Encode(const DeviceValues& values)
{
    QByteArray out;
    out += "{\n  \"format\": " + Quoted(QLatin1String(FormatName)) + ",\n";
    out += "  \"version\": " + QByteArray::number(Version) + ",\n";
    out += "  \"pages\": [";
    const std::vector<PresetPage> pages = GroupByPage(values);
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PresetPage& page = pages[p];
        out += p == 0 ? "\n" : ",\n";
        out += "    {\n      \"page\": " + Quoted(page.key) + ",\n";
        out += "      \"title\": " + Quoted(page.title.english) + ",\n";
        out += "      \"parameters\": [\n";
        for (std::size_t i = 0; i < page.values.size(); ++i) {
            const DeviceValue& v = page.values[i];
            out += "        {\"name\": " + Quoted(ParameterKey(v.address)) +
                   ", \"value\": " + QByteArray::number(v.value) +
                   ", \"text\": " + Quoted(DeviceValueText(v.address, v.value)) + "}";
            out += i + 1 < page.values.size() ? ",\n" : "\n";
        }
        out += "      ]\n    }";
    }
    out += pages.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

DecodeResult Decode(const QByteArray& document)
{
    DecodeResult result;
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(document, &error);
    if (error.error != QJsonParseError::NoError) {
        result.detail = QStringLiteral("not JSON: %1 at %2")
                            .arg(error.errorString(), Position(document, error.offset));
        return result;
    }
    const QJsonObject root = json.object();
    if (!json.isObject() ||
        root.value(QLatin1String("format")).toString() != QLatin1String(FormatName)) {
        result.detail = QStringLiteral("not a preset: \"format\" is not \"%1\"").arg(FormatName);
        return result;
    }
    std::int32_t version = 0;
    if (!WholeNumber(root.value(QLatin1String("version")), &version) || version < 1) {
        result.detail = QStringLiteral("\"version\" is not a version number");
        return result;
    }
    if (version > Version) {
        result.detail = QStringLiteral("written for version %1; this program reads version %2")
                            .arg(version)
                            .arg(Version);
        return result;
    }
    if (!root.value(QLatin1String("pages")).isArray()) {
        result.detail = QStringLiteral("\"pages\" is not a list");
        return result;
    }

    Reader reader;
    reader.readPages(root.value(QLatin1String("pages")).toArray());
    QStringList problems = reader.problems;
    if (!reader.unknown.isEmpty())
        problems.prepend(QStringLiteral("unknown names: ") + NameList(reader.unknown));
    if (!reader.notCarried.isEmpty())
        problems << QStringLiteral("names a preset does not carry: ") + NameList(reader.notCarried);
    if (!reader.twice.isEmpty())
        problems << QStringLiteral("names given twice: ") + NameList(reader.twice);
    if (!problems.isEmpty()) {
        if (problems.size() > ListedNames) {
            const auto more = problems.size() - ListedNames;
            problems = problems.mid(0, ListedNames);
            problems << QStringLiteral("and %1 more problems").arg(more);
        }
        result.detail = problems.join(QLatin1Char('\n'));
        return result;
    }
    result.ok = true;
    result.values = PresetFormat::Canonical(reader.values);
    return result;
}

} // namespace aec::PresetJson
