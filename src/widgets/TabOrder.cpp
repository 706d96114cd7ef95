#include "widgets/TabOrder.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace aec {
namespace {

bool IsTabStop(const QWidget* w)
{
    return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
}

// A widget handing its focus to another (a tab widget to its bar) would stay where its
// building put it and send Tab back to the other: it leaves the path, the other stands for it.
void LeavePathForProxy(QWidget* w)
{
    QWidget* proxy = w->focusProxy();
    if (!proxy || !(w->focusPolicy() & Qt::TabFocus))
        return;
    const Qt::FocusPolicy proxyPolicy = proxy->focusPolicy();
    w->setFocusPolicy(Qt::NoFocus); // passes the policy on to the proxy, which keeps its own
    proxy->setFocusPolicy(proxyPolicy);
}

class PathBuilder
{
public:
    QList<QWidget*> path;

    void addRegion(QWidget* region)
    {
        addWidget(region);
        addInChainOrder(region); // what no layout places
    }

private:
    void add(QWidget* w)
    {
        LeavePathForProxy(w);
        if (IsTabStop(w) && !path.contains(w))
            path << w;
    }

    void addWidget(QWidget* w)
    {
        add(w);
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            add(tabs->tabBar());
            for (int i = 0; i < tabs->count(); ++i)
                addWidget(tabs->widget(i));
        } else if (auto* scroll = qobject_cast<QScrollArea*>(w); scroll && scroll->widget()) {
            addWidget(scroll->widget());
        } else if (w->layout()) {
            addLayout(w->layout());
        } else if (w->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            addInChainOrder(w); // children placed by hand
        }
    }

    void addInChainOrder(QWidget* parent)
    {
        for (QWidget* w = parent->nextInFocusChain(); w != parent; w = w->nextInFocusChain())
            if (parent->isAncestorOf(w))
                add(w);
    }

    void addLayout(QLayout* layout)
    {
        QList<int> items;
        for (int i = 0; i < layout->count(); ++i)
            items << i;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            const auto place = [grid](int i) {
                int row = 0, column = 0, rows = 0, columns = 0;
                grid->getItemPosition(i, &row, &column, &rows, &columns);
                return std::pair(row, column);
            };
            std::stable_sort(items.begin(), items.end(),
                             [&place](int a, int b) { return place(a) < place(b); });
        }
        for (const int i : items) {
            QLayoutItem* item = layout->itemAt(i);
            if (QWidget* w = item->widget())
                addWidget(w);
            else if (QLayout* inner = item->layout())
                addLayout(inner);
        }
    }
};

} // namespace

void ChainTabOrder(const QList<QWidget*>& regions)
{
    PathBuilder builder;
    for (QWidget* region : regions)
        if (region)
            builder.addRegion(region);
    const QList<QWidget*>& path = builder.path;
    for (qsizetype i = 1; i < path.size(); ++i)
        QWidget::setTabOrder(path[i - 1], path[i]);
}

} // namespace aec
