#include "app/ApplicationInfo.h"
#include "editing/ui/TForm1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(aec::ApplicationTitle());
    QApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION_TEXT));

    aec::TForm1 mainWindow;
    mainWindow.show();
    return QApplication::exec();
}
