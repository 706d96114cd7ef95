#include "editing/ui/TForm1.h"

#include "app/ApplicationInfo.h"

namespace aec {

TForm1::TForm1(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(ApplicationTitle());
    resize(DesignWidth, DesignHeight);
}

} // namespace aec
