#pragma once

#include "platform/Handle.h"

#include <QString>

// The system message box as the program shows it: an OK button and an icon.
enum : unsigned {
    MB_OK = 0x0,
    MB_ICONHAND = 0x10,
    MB_ICONSTOP = MB_ICONHAND,
    MB_ICONEXCLAMATION = 0x30,
};

enum : int { IDOK = 1 };

// Shows a modal message box over the owner window and answers IDOK once the user has read it. Goes through the
// modal hook (kind mkMessageBox, Caption and Text filled, Window the box), whose answer it then gives.
int MessageBox(HWND owner, const QString &text, const QString &caption, unsigned flags);
