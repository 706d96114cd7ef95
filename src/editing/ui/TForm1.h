#pragma once

#include <QWidget>

namespace aec {

// The main window. For now a plain window with the program's title; the pages, the chart and
// the side panel are composed into it by their own classes.
class TForm1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 1204;
    static constexpr int DesignHeight = 609;

    explicit TForm1(QWidget* parent = nullptr);
};

} // namespace aec
