// EQ from measurement tools: the text as written by room measurement programs, headphone EQ
// lists and EQ hosts, its filters on a page's bands, and the bands written out again.
#include "system/EqImport.h"
#include "core/ParameterNames.h"
#include "system/PresetPages.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>

#include <random>

namespace aec {
namespace {

QByteArray Sample(const char* name)
{
    QFile file(QStringLiteral(TEST_DATA_DIR "/eq/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

EqTarget Page(const char* name, const char* side = "")
{
    QString error;
    const auto target = EqTarget::ForPage(QLatin1String(name), QLatin1String(side), &error);
    EXPECT_TRUE(target.has_value()) << error.toStdString();
    return *target;
}

// What an import sets, by name and value text.
QMap<QString, QString> Texts(const DeviceValues& values)
{
    QMap<QString, QString> texts;
    for (const DeviceValue& v : values)
        texts[ParameterKey(v.address)] = DeviceValueText(v.address, v.value);
    return texts;
}

// Each expectation is "name=text"; Q fields a filter does not use are left out.
void ExpectSet(const EqImport::Result& result, const QStringList& expected, const char* what)
{
    const QMap<QString, QString> texts = Texts(result.changes);
    for (const QString& e : expected) {
        const QStringList pair = e.split('=');
        EXPECT_EQ(texts.value(pair[0]), pair[1]) << what << ": " << pair[0].toStdString();
    }
}

TEST(EqImport, RealWorldFilterListsLandOnTheExpectedBands)
{
    const struct
    {
        const char* file;
        EqTarget page;
        QStringList expected;
        int filters;
        int frequencyLine, gainLine, qLine;
        bool preampNoted;
    } samples[] = {
        // A room measurement program's generic filter list: CR LF, header and notes, "None"
        // lines, shelves without a Q, a slope, an OFF filter.
        {"rew-generic.txt",
         Page("echoA"),
         {"echoA.eq.1.type=PEQ",         "echoA.eq.1.frequency=28.4Hz",  "echoA.eq.1.gain=-4.4dB",
          "echoA.eq.1.q=5.00",           "echoA.eq.2.frequency=61.3Hz",  "echoA.eq.2.gain=-6.4dB",
          "echoA.eq.3.type=LSEQ",        "echoA.eq.3.frequency=105.0Hz", "echoA.eq.3.shelf-q=0.71",
          "echoA.eq.4.frequency=1470Hz", "echoA.eq.4.gain=1.6dB",        "echoA.eq.4.q=2.00",
          "echoA.eq.5.type=HSEQ",        "echoA.eq.5.frequency=8000Hz",  "echoA.eq.5.shelf-q=0.71",
          "echoA.eq.6.type=BYPSS",       "echoA.eq.6.frequency=250.0Hz", "echoA.eq.6.gain=-3.0dB",
          "echoA.eq.7.type=PEQ",         "echoA.eq.7.frequency=6350Hz",  "echoA.eq.7.gain=0.0dB"},
         6,
         14,
         10,
         10,
         false},
        // A headphone EQ list: LF, a preamp, shelves with a Q, onto an output's right side.
        {"headphone-parametric.txt",
         Page("main.right.disco"),
         {"main.right.disco.eq.1.type=LSEQ", "main.right.disco.eq.1.gain=5.6dB",
          "main.right.disco.eq.1.shelf-q=0.71", "main.right.disco.eq.2.q=0.53",
          "main.right.disco.eq.3.frequency=2380Hz", "main.right.disco.eq.5.frequency=5240Hz",
          "main.right.disco.eq.6.type=HSEQ", "main.right.disco.eq.6.frequency=10100Hz",
          "main.right.disco.eq.7.gain=0.0dB", "main.right.disco.eq.10.type=PEQ"},
         6,
         7,
         2,
         3,
         true},
        // An EQ host's configuration: byte order mark, unnumbered filters, kHz, a bandwidth
        // in octaves, a shelf by its slope; the dynamic EQ's second bank.
        {"apo-config.txt",
         Page("dynamicEq", "right"),
         {"dynamicEq.bank2.band.1.frequency=62.5Hz", "dynamicEq.bank2.band.1.q=3.00",
          "dynamicEq.bank2.band.2.frequency=1000Hz", "dynamicEq.bank2.band.2.q=1.40",
          "dynamicEq.bank2.band.3.type=LSEQ", "dynamicEq.bank2.band.3.shelf-q=0.50",
          "dynamicEq.bank2.band.3.gain=4.0dB"},
         3,
         4,
         0,
         5,
         true},
        // Decimal commas, as a program set to a European language writes them.
        {"decimal-commas.txt",
         Page("micB"),
         {"micB.eq.1.frequency=28.4Hz", "micB.eq.1.q=5.00", "micB.eq.2.type=HSEQ",
          "micB.eq.2.frequency=12000Hz", "micB.eq.2.shelf-q=0.89", "micB.eq.20.gain=0.0dB"},
         2,
         4,
         4,
         4,
         false},
    };
    for (const auto& s : samples) {
        const EqImport::Result result = EqImport::Map(EqText::Parse(Sample(s.file)), s.page);
        ASSERT_TRUE(result.ok) << s.file << ": " << result.errors.join('\n').toStdString();
        EXPECT_EQ(result.filters, s.filters) << s.file;
        EXPECT_EQ(result.changes.size(), std::size_t(5 * s.page.bands())) << s.file;
        ExpectSet(result, s.expected, s.file);
        EXPECT_EQ(result.frequency.line, s.frequencyLine) << s.file;
        EXPECT_EQ(result.gain.line, s.gainLine) << s.file;
        EXPECT_EQ(result.q.line, s.qLine) << s.file;
        EXPECT_EQ(result.report().contains("preamp"), s.preampNoted) << s.file;
    }
    // The largest roundings of the room list, as a person reads them.
    const QString report =
        EqImport::Map(EqText::Parse(Sample("rew-generic.txt")), Page("echoA")).report();
    EXPECT_TRUE(report.contains("frequency: 0.7% (line 14: 1480.00 Hz -> 1470Hz)"))
        << report.toStdString();
    EXPECT_TRUE(report.contains("gain: 0.10 dB (line 10")) << report.toStdString();
}

TEST(EqImport, RefusedTextsNameTheirLinesAndChangeNothing)
{
    const struct
    {
        const char* what;
        QByteArray text;
        QStringList mentioned;
    } cases[] = {
        {"a type the processor lacks",
         "Filter 1: ON PK Fc 100 Hz Gain 1 dB Q 1\nFilter 2: ON HP Fc 80 Hz Q 0.7\n"
         "Filter 3: OFF BP Fc 900 Hz Q 2\n",
         {"line 2: HP", "line 3: BP"}},
        {"more filters than the five bands",
         QByteArray("Filter: ON PK Fc 100 Hz Gain 1 dB Q 1\n").repeated(6) + "Filter: ON None\n",
         {"6 filters", "5 bands", "line 6"}},
        {"lines that do not read",
         "Filter 1: ON PK Gain 1 dB Q 1\nFilter 2: PK Fc 100 Hz Gain 1 dB Q 1\n"
         "Filter 3: ON PK Fc 100 Hz Gain 1 dB\nFilter 4: ON PK Fc 100 Hz Gain x dB Q 1\n"
         "Filter 5: ON LSC 100 dB Fc 100 Hz Gain 12 dB\nPreamp: loud\n",
         {"line 1: no frequency", "line 2: expected ON", "line 3: no Q", "line 4: no number",
          "line 5: a slope", "line 6"}},
        {"no filters at all", "Equaliser: Generic\nNotes: nothing here\n", {"no filter lines"}},
    };
    for (const auto& c : cases) {
        const EqImport::Result result = EqImport::Map(EqText::Parse(c.text), Page("hiddenMicA"));
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_TRUE(result.changes.empty()) << c.what;
        const QString errors = result.errors.join('\n');
        for (const QString& m : c.mentioned)
            EXPECT_TRUE(errors.contains(m)) << c.what << ": " << errors.toStdString();
    }
    // Exactly as many filters as bands fit.
    const QByteArray five = QByteArray("Filter: ON PK Fc 100 Hz Gain 1 dB Q 1\n").repeated(5);
    EXPECT_TRUE(EqImport::Map(EqText::Parse(five), Page("hiddenMicA")).ok);
}

TEST(EqImport, ValuesBeyondARangeAreHeldToItAndNoted)
{
    const auto import = [](const char* filter, const EqTarget& page) {
        return EqImport::Map(EqText::Parse(filter), page);
    };
    const struct
    {
        const char* filter;
        EqTarget page;
        const char* name;
        const char* text;
        bool noted;
    } cases[] = {
        {"Filter: ON PK Fc 100 Hz Gain 12 dB Q 1", Page("reverb"), "reverb.eq.1.gain", "12.0dB",
         false},
        {"Filter: ON PK Fc 100 Hz Gain 30 dB Q 1", Page("reverb"), "reverb.eq.1.gain", "12.0dB",
         true},
        {"Filter: ON PK Fc 100 Hz Gain -24 dB Q 1", Page("reverb"), "reverb.eq.1.gain", "-24.0dB",
         false},
        // The dynamic EQ cuts no deeper than -12 dB.
        {"Filter: ON PK Fc 100 Hz Gain -12 dB Q 1", Page("dynamicEq"), "dynamicEq.band.1.gain",
         "-12.0dB", false},
        {"Filter: ON PK Fc 100 Hz Gain -40 dB Q 1", Page("dynamicEq"), "dynamicEq.band.1.gain",
         "-12.0dB", true},
        {"Filter: ON PK Fc 19.7 Hz Gain 1 dB Q 1", Page("micA"), "micA.eq.1.frequency", "19.7Hz",
         false},
        {"Filter: ON PK Fc 2 Hz Gain 1 dB Q 1", Page("micA"), "micA.eq.1.frequency", "19.7Hz",
         true},
        {"Filter: ON PK Fc 90 kHz Gain 1 dB Q 1", Page("micA"), "micA.eq.1.frequency", "20600Hz",
         true},
        {"Filter: ON PK Fc 100 Hz Gain 1 dB Q 128", Page("micA"), "micA.eq.1.q", "128.00", false},
        {"Filter: ON PK Fc 100 Hz Gain 1 dB Q 900", Page("micA"), "micA.eq.1.q", "128.00", false},
        // A shelf's Q goes up to 1.60.
        {"Filter: ON HSC Fc 100 Hz Gain 1 dB Q 1.6", Page("micA"), "micA.eq.1.shelf-q", "1.60",
         false},
        {"Filter: ON HSC Fc 100 Hz Gain 1 dB Q 9", Page("micA"), "micA.eq.1.shelf-q", "1.60", true},
    };
    for (const auto& c : cases) {
        const EqImport::Result result = import(c.filter, c.page);
        ASSERT_TRUE(result.ok) << c.filter;
        EXPECT_EQ(Texts(result.changes).value(c.name), c.text) << c.filter;
        EXPECT_EQ(!result.notes.isEmpty(), c.noted) << c.filter;
    }
}

TEST(EqImport, ShelfSlopesBecomeTheirQ)
{
    // 12 dB per octave is the steepest shelf without overshoot: Q 0.71 whatever the gain.
    for (double gain : {-12.0, 0.0, 6.0})
        EXPECT_NEAR(*EqText::ShelfQFromSlope(12, gain), 0.7071, 1e-4) << gain;
    EXPECT_NEAR(*EqText::ShelfQFromSlope(6, 0), 0.5, 1e-9);
    EXPECT_TRUE(EqText::ShelfQFromSlope(40, 12).has_value());
    EXPECT_FALSE(EqText::ShelfQFromSlope(100, 12).has_value());
    EXPECT_FALSE(EqText::ShelfQFromSlope(0, 1).has_value());
}

TEST(EqImport, ExportedBandsImportBackUnchanged)
{
    std::mt19937 random(11);
    for (const EqTarget& page :
         {Page("music", "right"), Page("dynamicEq", "right"), Page("echoB"), Page("sub.sing")}) {
        ValueTable store;
        for (int band = 0; band < page.bands(); ++band) {
            store.at(page.address(band, BandField::Type)) = int(random() % 4);
            store.at(page.address(band, BandField::Frequency)) = int(random() % 362);
            store.at(page.address(band, BandField::Gain)) = 60 + int(random() % 121);
            store.at(page.address(band, BandField::PeakQ)) = int(random() % 101);
            store.at(page.address(band, BandField::ShelfQ)) = int(random() % 25);
        }
        const QByteArray text = EqImport::Export(store, page);
        const EqImport::Result back = EqImport::Map(EqText::Parse(text), page);
        ASSERT_TRUE(back.ok) << page.key().toStdString();
        EXPECT_EQ(back.frequency.line + back.gain.line + back.q.line, 0) << "nothing rounded";
        ValueTable imported;
        for (const DeviceValue& v : back.changes)
            imported.at(v.address) = v.value;
        for (int band = 0; band < page.bands(); ++band) {
            const int type = store.at(page.address(band, BandField::Type));
            const bool shelf = type == BandType::LowShelf || type == BandType::HighShelf;
            for (const BandField f : {BandField::Type, BandField::Frequency, BandField::Gain,
                                      shelf ? BandField::ShelfQ : BandField::PeakQ})
                EXPECT_EQ(imported.at(page.address(band, f)), store.at(page.address(band, f)))
                    << page.key().toStdString() << " band " << band + 1;
        }
    }
}

TEST(EqImport, PagesAreNamedAsTheirParameters)
{
    const struct
    {
        const char* page;
        const char* side;
        ParamAddress firstType;
    } pages[] = {
        {"music", "", 10},
        {"music", "right", 10 + 75},
        {"music.right", "", 10 + 75},
        {"dynamicEq", "right", 256 + 2 + 30},
        {"micB", "left", 3 * 256 + 15},
        {"echoB", "", 24 * 256 + 14},
        {"main.right.disco", "", 10 * 256 + 21},
        {"hiddenMicB", "", 27 * 256 + 1},
    };
    for (const auto& p : pages)
        EXPECT_EQ(Page(p.page, p.side).address(0, BandField::Type), p.firstType) << p.page;
    EXPECT_EQ(Page("micB").key(), QStringLiteral("micB"));
    EXPECT_EQ(Page("music", "right").key(), QStringLiteral("music.right"));

    QString error;
    EXPECT_FALSE(EqTarget::ForPage("micC", "", &error).has_value());
    EXPECT_TRUE(error.contains("micA")) << "the refusal lists the pages";
    EXPECT_FALSE(EqTarget::ForPage("micA", "right", &error).has_value());
    EXPECT_FALSE(EqTarget::ForPage("music", "middle", &error).has_value());
    EXPECT_FALSE(EqTarget::ForPage("volumes", "", &error).has_value()) << "a block without bands";
}

} // namespace
} // namespace aec
