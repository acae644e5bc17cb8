#include "platform/CursorPos.h"

#include <QCursor>

TPoint GetCursorPos()
{
    const QPoint at = QCursor::pos();
    return {at.x(), at.y()};
}
