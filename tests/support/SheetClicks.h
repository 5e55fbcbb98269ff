#pragma once
// Mouse clicks on the drawing sheet as the window receives them from a person.
#include <QPoint>
#include <QTest>
#include <QWidget>

namespace brisko::test {

inline void clickOn(QWidget* sheet, const QPoint& at)
{
    QTest::mousePress(sheet, Qt::LeftButton, {}, at);
    QTest::mouseRelease(sheet, Qt::LeftButton, {}, at);
}

// What a double-click delivers: press, release, double-click, release.
inline void doubleClickOn(QWidget* sheet, const QPoint& at)
{
    clickOn(sheet, at);
    QTest::mouseDClick(sheet, Qt::LeftButton, {}, at);
    QTest::mouseRelease(sheet, Qt::LeftButton, {}, at);
}

} // namespace brisko::test
