#include "forms/Cursors.h"

#include <QGuiApplication>

Qt::CursorShape CursorShapeOf(TCursor cursor)
{
    switch (cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crHourGlass:
        return Qt::WaitCursor;
    case crDrag:
        return Qt::DragCopyCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

// The override cursors are the process's, so the scopes of every module stack on one another.
TBusyCursor::TBusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

TBusyCursor::~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }

TNormalCursor::TNormalCursor()
{
    while (const QCursor *cursor = QGuiApplication::overrideCursor()) {
        lifted_.prepend(*cursor);
        QGuiApplication::restoreOverrideCursor();
    }
}

TNormalCursor::~TNormalCursor()
{
    for (const QCursor &cursor : lifted_)
        QGuiApplication::setOverrideCursor(cursor);
}
