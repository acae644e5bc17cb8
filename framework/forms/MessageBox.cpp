#include "forms/MessageBox.h"

#include "forms/Cursors.h"
#include "forms/ModalHook.h"

#include <QMessageBox>

namespace {
QMessageBox::Icon IconOf(unsigned flags)
{
    switch (flags & 0xF0) {
    case MB_ICONHAND:
        return QMessageBox::Critical;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    default:
        return QMessageBox::NoIcon;
    }
}
} // namespace

int MessageBox(HWND owner, const QString &text, const QString &caption, unsigned flags)
{
    QMessageBox box(IconOf(flags), caption, text, QMessageBox::Ok, owner);
    int answer = 0;
    const TNormalCursor normal;
    if (AnswerModal({mkMessageBox, nullptr, &box, caption, text}, answer))
        return answer;
    box.exec();
    return IDOK;
}
