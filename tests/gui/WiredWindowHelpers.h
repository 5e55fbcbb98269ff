#pragma once
// Helpers for the tests of the wired main window: the prototype behind the sheet,
// points inside parts, mouse events on the sheet and typing into fields.
#include "ProgramFixture.h"
#include "mainwin/PrototypeRefresh.h"
#include "mainwin/SetStatePanel.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <optional>

namespace brisko::gui::test {

inline const VirtualPrototype& prototypeOf(TRPWin& win)
{
    return win.prototypeRefresh().prototype();
}

// A view point where part `k` is the top part, found on a coarse scan of its region.
inline std::optional<QPoint> pointOnPart(TRPWin& win, int k)
{
    const CarGeometry& geometry = prototypeOf(win).geometry();
    const QRect box = geometry.PartRegions[k].boundingRect();
    for (int y = box.top(); y <= box.bottom(); y += 2)
        for (int x = box.left(); x <= box.right(); x += 2)
            if (geometry.partAt({x, y}) == k)
                return QPoint(x, y);
    return std::nullopt;
}

// The middle of the paper grid's square (column, row), counted from the top left.
inline QPoint paperSquareCentre(const ViewLayout& layout, int column, int row)
{
    return {layout.PaperLeft + qRound(layout.PaperViewWidth * (column + 0.5) / 20.0),
            qRound(layout.PaperViewHeight * (row + 0.5) / 15.0)};
}

inline void sendMouse(QWidget* target, QEvent::Type type, const QPoint& at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

inline void sendFocus(QWidget* target, QEvent::Type type)
{
    QFocusEvent event(type, Qt::TabFocusReason);
    QApplication::sendEvent(target, &event);
}

// Enters the field, replaces its text by typing and leaves it.
inline void typeInto(QLineEdit* field, const QString& text)
{
    sendFocus(field, QEvent::FocusIn);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    sendFocus(field, QEvent::FocusOut);
}

inline QStringList lastRecordNamed(const QList<QStringList>& records, const QString& description)
{
    for (auto it = records.crbegin(); it != records.crend(); ++it)
        if (field(*it, 14) == description)
            return *it;
    return {};
}

} // namespace brisko::gui::test
