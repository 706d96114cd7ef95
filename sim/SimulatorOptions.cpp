#include "sim/SimulatorOptions.h"

#include "sim/ProcessorMemory.h"

namespace aec::sim {
namespace {

bool IsDigits(const QByteArray& text, int length)
{
    if (text.size() != length)
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Reads a whole number of at least `minimum`; an absent option keeps `target`.
bool ReadCount(const QCommandLineParser& p, const QString& name, int minimum, int& target,
               QString* error)
{
    if (!p.isSet(name))
        return true;
    bool ok = false;
    const int value = p.value(name).toInt(&ok);
    if (!ok || value < minimum) {
        *error = QStringLiteral("--%1 needs a whole number of at least %2").arg(name).arg(minimum);
        return false;
    }
    target = value;
    return true;
}

bool ReadShare(const QCommandLineParser& p, const QString& name, double& target, QString* error)
{
    if (!p.isSet(name))
        return true;
    bool ok = false;
    const double value = p.value(name).toDouble(&ok);
    if (!ok || value < 0.0 || value > 1.0) {
        *error = QStringLiteral("--%1 needs a share between 0 and 1").arg(name);
        return false;
    }
    target = value;
    return true;
}

} // namespace

void SimulatorOptions::applyTo(ProcessorMemory& memory) const
{
    memory.panelCode = panelCode;
    memory.systemPassword = systemPassword;
    memory.identity = identity;
}

void AddSimulatorOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"panel-code", "The processor's four-digit panel code (default 1234).", "digits"},
        {"password", "The processor's six-digit system password (default 123456).", "digits"},
        {"identity", "The device identity as eight hexadecimal digits (default 51A3160B).", "hex"},
        {"seed", "Seed of every random fault choice, so a run repeats exactly (default 1).", "n"},
        {"stop-after", "Answer nothing once N frames have arrived.", "N"},
        {"hang-up-after", "Hang up the line once N frames have arrived.", "N"},
        {"drop-acks", "Leave out this share (0 to 1) of the acknowledgements.", "share"},
        {"corrupt-checksums", "Send this share (0 to 1) of data frames with a wrong checksum.",
         "share"},
        {"garbage",
         "Put up to eight stray bytes, sometimes ending in a false frame start, before this "
         "share (0 to 1) of the answers.",
         "share"},
        {"delay", "Send every answer this many milliseconds late.", "ms"},
        {"flood",
         "Once the controller is online, send unrequested frames at this many bytes a second "
         "(11520 is a serial line's full speed at 115200 baud).",
         "bytes"},
        {"tcp",
         "Answer on this TCP port of the loopback (127.0.0.1) instead of a pseudo-terminal, as a "
         "serial-to-network server does; 0 takes any free port. The first line printed is then "
         "tcp://127.0.0.1:PORT.",
         "PORT"},
        {"link",
         "Keep a symbolic link at PATH pointing at the pseudo-terminal, as the serial/by-id "
         "links do at a USB adapter; it is printed instead of the pseudo-terminal's own path.",
         "PATH"},
        {"reopen-after",
         "After --hang-up-after has hung the line up, bring it back MS milliseconds later at the "
         "same path (a new pseudo-terminal behind the --link) or port.",
         "ms"},
        {"ignore-writes",
         "Acknowledge every write into this parameter block (0 to 30) but keep its values.",
         "block"},
    });
}

std::optional<SimulatorOptions> ReadSimulatorOptions(const QCommandLineParser& p, QString* error)
{
    SimulatorOptions options;
    FaultPlan& f = options.faults;
    int seed = static_cast<int>(f.seed);
    const bool ok = ReadCount(p, "seed", 0, seed, error) &&
                    ReadCount(p, "stop-after", 0, f.stopAfterFrames, error) &&
                    ReadCount(p, "hang-up-after", 0, f.hangUpAfterFrames, error) &&
                    ReadShare(p, "drop-acks", f.dropAcknowledgements, error) &&
                    ReadShare(p, "corrupt-checksums", f.corruptChecksums, error) &&
                    ReadShare(p, "garbage", f.insertGarbage, error) &&
                    ReadCount(p, "delay", 0, f.answerDelayMs, error) &&
                    ReadCount(p, "flood", 0, f.floodBytesPerSecond, error) &&
                    ReadCount(p, "ignore-writes", 0, f.ignoreWritesToBlock, error) &&
                    ReadCount(p, "tcp", 0, options.tcpPort, error) &&
                    ReadCount(p, "reopen-after", 0, options.reopenAfterMs, error);
    if (!ok)
        return std::nullopt;
    if (options.tcpPort > 65535) {
        *error = QStringLiteral("--tcp needs a port number from 0 to 65535");
        return std::nullopt;
    }
    options.linkPath = p.value("link");
    if (p.isSet("link") && (options.linkPath.isEmpty() || options.tcpPort >= 0)) {
        *error = QStringLiteral("--link needs a path and applies to the pseudo-terminal only");
        return std::nullopt;
    }
    f.seed = static_cast<std::uint32_t>(seed);

    if (p.isSet("panel-code")) {
        options.panelCode = p.value("panel-code").toLatin1();
        if (!IsDigits(options.panelCode, 4)) {
            *error = QStringLiteral("--panel-code needs four digits");
            return std::nullopt;
        }
    }
    if (p.isSet("password")) {
        options.systemPassword = p.value("password").toLatin1();
        if (!IsDigits(options.systemPassword, 6)) {
            *error = QStringLiteral("--password needs six digits");
            return std::nullopt;
        }
    }
    if (p.isSet("identity")) {
        const QByteArray hex = p.value("identity").toLatin1();
        options.identity = QByteArray::fromHex(hex);
        if (hex.size() != 8 || options.identity.size() != 4 ||
            options.identity.toHex().toUpper() != hex.toUpper()) {
            *error = QStringLiteral("--identity needs eight hexadecimal digits");
            return std::nullopt;
        }
    }
    return options;
}

} // namespace aec::sim
