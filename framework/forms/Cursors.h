#pragma once

#include <QCursor>
#include <QList>
#include <QtGlobal>
#include <Qt>

// Cursor numbers of the original framework; negative numbers are the built-in shapes.
using TCursor = qint16;

enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crHourGlass = -11,
    crDrag = -12,
    crHandPoint = -21,
    crSizeAll = -22,
};

// The Qt shape of a cursor number; other numbers show the arrow.
Qt::CursorShape CursorShapeOf(TCursor cursor);

// The busy cursor over every window of the program, every module's, while it lives: for the length of an
// operation the user started that makes them wait. Scopes nest; leaving one by an exception takes its cursor
// back too.
class TBusyCursor {
public:
    TBusyCursor();
    ~TBusyCursor();
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};

// While it lives the windows show their own cursors again, whatever busy cursors are up: a modal window that
// opens amid a long operation waits for the user with the usual pointer. The cursors it lifted come back after.
class TNormalCursor {
public:
    TNormalCursor();
    ~TNormalCursor();
    TNormalCursor(const TNormalCursor &) = delete;
    TNormalCursor &operator=(const TNormalCursor &) = delete;

private:
    QList<QCursor> lifted_;
};
