// screenshot-tour: starts the program with its simulated processor, waits until it is online,
// and saves a picture of every page and side-panel tab, in English and in Chinese, for people
// who check the look without clicking through the window.
//   screenshot-tour OUTPUT_FOLDER
#include "app/Controller.h"
#include "app/TForm1.h"
#include "editing/ui/EditingWing.h"
#include "editing/ui/PageSwitcher.h"
#include "link/ui/TForm3.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QString folder =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    aec::ControllerOptions options;
    options.demo = true;
    aec::Controller controller(options);
    controller.start();
    QElapsedTimer clock;
    clock.start();
    while (!controller.link().session().isOnline() && clock.elapsed() < 30000)
        Wait(50);
    if (!controller.link().session().isOnline()) {
        std::fprintf(stderr, "screenshot-tour: the simulated processor did not come online\n");
        return 1;
    }

    // A stored mode with a shaped EQ makes a more telling picture than the flat factory set.
    controller.model().set(0x1E02, 2, aec::Origin::Person);
    Wait(300);
    clock.restart();
    while (!controller.link().session().isOnline() && clock.elapsed() < 30000)
        Wait(50);

    aec::TForm1& window = controller.mainWindow();
    auto* side = window.findChild<QTabWidget*>(QStringLiteral("AdvPageControl1"));
    const char* tabs[] = {"music", "dynamic-eq", "mic-a",  "mic-b", "effect",
                          "main",  "surround",   "center", "sub",   "hidden"};
    for (const bool chinese : {false, true}) {
        window.SetCaptionLanguage(chinese ? 1 : 0);
        const QString language = chinese ? QStringLiteral("zh") : QStringLiteral("en");
        const auto save = [&](const QString& name) {
            Wait(100);
            window.grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, name, language));
        };
        for (int tab = 0; tab < 10; ++tab) {
            window.wing().pages().FormMusTabBtnClick(static_cast<aec::Tab>(tab));
            save(QLatin1String(tabs[tab]));
        }
        window.wing().pages().FormMusTabBtnClick(aec::Tab::Effect);
        window.wing().pages().EchoAToolButtonClick(2);
        save(QStringLiteral("reverb"));
        window.wing().pages().FormMusTabBtnClick(aec::Tab::Music);
        for (int i = 1; side && i < side->count(); ++i) {
            side->setCurrentIndex(i);
            save(QStringLiteral("side-%1").arg(i));
        }
        if (side)
            side->setCurrentIndex(0);
    }
    // A/B: B with a boosted low end, A's curve as the ghost behind it.
    window.wing().compareLetter(aec::CompareSets::Letter::B);
    for (const int slot : {12, 17, 22})
        controller.model().set(aec::MakeAddress(0, slot), 180, aec::Origin::Person);
    window.wing().RefreshBlock(0);
    for (const bool chinese : {false, true}) {
        window.SetCaptionLanguage(chinese ? 1 : 0);
        Wait(100);
        window.grab().save(
            QStringLiteral("%1/compare-%2.png").arg(folder, chinese ? "zh" : "en"));
    }
    std::printf("screenshots in %s\n", qPrintable(folder));
    window.close();
    return 0;
}
