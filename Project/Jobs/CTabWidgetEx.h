#pragma once

#include <QTabBar>
#include <QTabWidget>

// A tab bar whose tabs are at least m_minimumWidth pixels wide, so that short
// titles under large icons do not make narrow tabs.
class CTabBarEx : public QTabBar
{
    Q_OBJECT
public:
    explicit CTabBarEx(QWidget* parent = nullptr);
    ~CTabBarEx() override;

protected:
    QSize tabSizeHint(int index) const override;

private:
    int m_minimumWidth = 125;
};

// A tab widget with a CTabBarEx. The bar is installed in the constructor,
// before a form adds its tabs.
class CTabWidgetEx : public QTabWidget
{
    Q_OBJECT
public:
    explicit CTabWidgetEx(QWidget* parent = nullptr);
    ~CTabWidgetEx() override;

private:
    CTabBarEx* m_pTabBar = nullptr;
};
