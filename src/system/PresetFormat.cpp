#include "system/PresetFormat.h"

#include "core/BlockLayout.h"

#include <map>

namespace aec::PresetFormat {
namespace {

constexpr int FirstValueLine = 2;

// Two's-complement wrap, as the file's 32-bit sums and XORs are defined.
std::int32_t Wrap(std::int64_t x)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(x));
}

QByteArray ValueLine(std::int32_t address, std::int32_t value, int line)
{
    return QByteArray::number(address ^ line) + ' ' + QByteArray::number(value ^ line);
}

bool ParseNumber(const QString& text, std::int32_t* number)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    // Only plain decimal integers: no sign but "-", no blanks, no leading "+".
    if (!ok || text.isEmpty() || text.startsWith(QLatin1Char('+')) || text.trimmed() != text)
        return false;
    *number = value;
    return true;
}

// The second piece of a line as a number.
bool SecondNumber(const QString& line, std::int32_t* number)
{
    const QStringList pieces = SplitFields(line);
    return pieces.size() >= 2 && ParseNumber(pieces[1], number);
}

DecodeResult Fail(DecodeError error, const QString& detail)
{
    DecodeResult result;
    result.error = error;
    result.detail = detail;
    return result;
}

} // namespace

QString ScrambleLine(const QByteArray& plain)
{
    QString scrambled;
    scrambled.reserve(plain.size() * 2);
    for (qsizetype j = 0; j < plain.size(); ++j) {
        const auto byte = static_cast<std::uint8_t>(plain[j]) ^ LineKey[std::size_t(j % 8)];
        scrambled += QStringLiteral("%1").arg(byte, 2, 16, QLatin1Char('0')).toUpper();
    }
    return scrambled;
}

bool UnscrambleLine(const QString& scrambled, QByteArray* plain)
{
    QByteArray out;
    out.reserve(scrambled.size() / 2);
    const auto digit = [](QChar c) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return c.unicode() - '0';
        if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
            return c.unicode() - 'A' + 10;
        if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
            return c.unicode() - 'a' + 10;
        return -1;
    };
    for (qsizetype j = 0; j < scrambled.size() / 2; ++j) {
        const int high = digit(scrambled[2 * j]);
        const int low = digit(scrambled[2 * j + 1]);
        if (high < 0 || low < 0)
            return false;
        out.append(static_cast<char>((high * 16 + low) ^ LineKey[std::size_t(j % 8)]));
    }
    *plain = out;
    return true;
}

QStringList SplitFields(const QString& line)
{
    return line.split(QLatin1Char(' '));
}

QString StripPresetExtension(const QString& fileName)
{
    const qsizetype dot = fileName.size() - 5;
    if (dot >= 0 && fileName[dot] == QLatin1Char('.'))
        return fileName.left(dot);
    return fileName;
}

bool CarriesAddress(std::int32_t address)
{
    if (address == InputSelectAddress)
        return true;
    const int block = address / 256;
    const int slot = address % 256;
    return address >= 0 && block <= LastPresetBlock && slot <= SlotCount[block];
}

std::int32_t PresetChecksum(std::int32_t sum)
{
    const std::int32_t t = Wrap(std::int64_t(sum ^ 0xFFFF) + 1);
    return t % 256;
}

std::vector<PresetValue> ValuesOf(const ParamStore& store)
{
    std::vector<PresetValue> values;
    for (int block = 0; block <= LastPresetBlock; ++block) {
        // Slots 0 up to and including SlotCount: one more than a transfer carries.
        for (int slot = 0; slot <= SlotCount[block]; ++slot)
            values.push_back({MakeAddress(block, slot), store.at(block, slot)});
    }
    values.push_back({static_cast<ParamAddress>(InputSelectAddress),
                      store.at(static_cast<ParamAddress>(InputSelectAddress))});
    return values;
}

std::vector<PresetValue> Canonical(const std::vector<PresetValue>& values)
{
    std::map<ParamAddress, std::int32_t> last;
    for (const PresetValue& v : values)
        last[v.address] = v.value;
    std::vector<PresetValue> ordered;
    ordered.reserve(last.size());
    for (const auto& [address, value] : last)
        ordered.push_back({address, value});
    return ordered;
}

QByteArray Encode(const ParamStore& store)
{
    return EncodeValues(ValuesOf(store));
}

QByteArray EncodeValues(const std::vector<PresetValue>& values)
{
    QList<QByteArray> lines;
    lines << "R3 " + QByteArray::number(R3Header ^ HeaderMask);
    lines << "Tovik " + QByteArray::number(TovikHeader ^ HeaderMask);
    int line = 1;
    std::int32_t sum = 0;
    for (const PresetValue& v : values) {
        Q_ASSERT(CarriesAddress(v.address));
        ++line;
        lines << ValueLine(v.address, v.value, line);
        sum = Wrap(std::int64_t(sum) + v.value);
    }
    ++line;
    lines << "Intoal: " + QByteArray::number(line);
    lines << "CCCCK: " + QByteArray::number(PresetChecksum(sum));

    QByteArray file;
    for (const QByteArray& plain : lines)
        file += ScrambleLine(plain).toLatin1() + "\r\n";
    return file;
}

DecodeResult Decode(const QByteArray& file)
{
    QList<QByteArray> raw = file.split('\n');
    if (!raw.isEmpty() && raw.last().isEmpty())
        raw.removeLast(); // the line end of the last line
    QStringList plain;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray line = raw[i];
        if (line.endsWith('\r'))
            line.chop(1);
        QByteArray text;
        if (!UnscrambleLine(QString::fromLatin1(line), &text))
            return Fail(i < 2 ? DecodeError::Format : DecodeError::Corrupted,
                        QStringLiteral("line %1 is not hexadecimal").arg(i));
        plain << QString::fromLatin1(text);
    }
    const int n = static_cast<int>(plain.size());

    std::int32_t r3 = 0;
    std::int32_t tovik = 0;
    if (n < 2 || !SecondNumber(plain[0], &r3) || !SecondNumber(plain[1], &tovik) ||
        (r3 ^ HeaderMask) != R3Header || (tovik ^ HeaderMask) != TovikHeader)
        return Fail(DecodeError::Format, QStringLiteral("header"));

    std::int32_t total = 0;
    std::int32_t checksum = 0;
    if (n < 4 || !SecondNumber(plain[n - 2], &total) || total != n - 2 ||
        !SecondNumber(plain[n - 1], &checksum))
        return Fail(DecodeError::Corrupted, QStringLiteral("line count or checksum line"));

    DecodeResult result;
    result.plainLines = plain;
    std::int32_t sum = 0;
    for (int i = FirstValueLine; i <= n - 3; ++i) {
        const QStringList pieces = SplitFields(plain[i]);
        std::int32_t address = 0;
        std::int32_t value = 0;
        if (pieces.size() < 2 || !ParseNumber(pieces[0], &address) ||
            !ParseNumber(pieces[1], &value))
            return Fail(DecodeError::Corrupted,
                        QStringLiteral("line %1 is not two numbers").arg(i));
        address ^= i;
        value ^= i;
        if (!CarriesAddress(address))
            return Fail(DecodeError::Corrupted,
                        QStringLiteral("line %1 addresses %2, which no preset carries")
                            .arg(i)
                            .arg(address));
        result.values.push_back({static_cast<ParamAddress>(address), value});
        sum = Wrap(std::int64_t(sum) + value);
    }
    if (PresetChecksum(sum) != checksum)
        return Fail(DecodeError::Corrupted, QStringLiteral("checksum"));
    return result;
}

void Apply(const std::vector<PresetValue>& values, ParamStore& store)
{
    for (const PresetValue& v : values)
        store.at(v.address) = v.value;
}

} // namespace aec::PresetFormat
