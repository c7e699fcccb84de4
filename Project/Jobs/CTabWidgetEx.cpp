#include "CTabWidgetEx.h"

CTabBarEx::CTabBarEx(QWidget* parent) : QTabBar(parent) {}

CTabBarEx::~CTabBarEx() = default;

QSize CTabBarEx::tabSizeHint(int index) const
{
    QSize size = QTabBar::tabSizeHint(index);
    if (size.width() < m_minimumWidth)
        size.setWidth(m_minimumWidth);
    return size;
}

CTabWidgetEx::CTabWidgetEx(QWidget* parent) : QTabWidget(parent), m_pTabBar(new CTabBarEx(this))
{
    setTabBar(m_pTabBar);
}

CTabWidgetEx::~CTabWidgetEx()
{
    // A deleted child leaves its parent's child list, so the base destructor
    // does not free it again.
    delete m_pTabBar;
}
