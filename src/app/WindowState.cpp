#include "app/WindowState.h"

#include "app/TForm1.h"
#include "core/Language.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>

namespace aec {
namespace {

const QString Geometry = QStringLiteral("window/geometry");
const QString Maximised = QStringLiteral("window/maximised");
const QString SideTab = QStringLiteral("window/sideTab");
const QString Chinese = QStringLiteral("window/chinese");

QTabWidget* SidePanel(const TForm1& window)
{
    return window.findChild<QTabWidget*>(QStringLiteral("AdvPageControl1"));
}

} // namespace

void SaveWindowState(QSettings& settings, const TForm1& window)
{
    settings.setValue(Geometry, window.isMaximized() ? window.normalGeometry() : window.geometry());
    settings.setValue(Maximised, window.isMaximized());
    if (QTabWidget* side = SidePanel(window))
        settings.setValue(SideTab, side->currentIndex());
    settings.setValue(Chinese, window.captionLanguage() == 1);
}

void RestoreWindowState(const QSettings& settings, TForm1& window)
{
    const QRect geometry = settings.value(Geometry).toRect();
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(geometry);
    if (geometry.isValid() && onScreen) {
        window.resize(geometry.size().expandedTo(window.minimumSize()));
        window.move(geometry.topLeft());
    }
    if (settings.value(Maximised).toBool())
        window.showMaximized();
    if (QTabWidget* side = SidePanel(window)) {
        const int tab = settings.value(SideTab, 0).toInt();
        if (tab >= 0 && tab < side->count())
            side->setCurrentIndex(tab);
    }
    if (settings.value(Chinese).toBool() != (window.captionLanguage() == 1))
        window.LanguageButtonClick();
}

} // namespace aec
