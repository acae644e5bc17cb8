#pragma once

#include "platform/Handle.h"

#include <QString>
#include <functional>

// Help commands of the platform's help engine.
enum : unsigned { HELP_CONTEXT = 0x1, HELP_FINDER = 0xB, HELP_PARTIALKEY = 0x105 };

struct THelpRequest {
    QString File;
    unsigned Command = 0;
    quintptr Data = 0;
};

// The help files the windows name are pages under help/ beside the program: "ROSTREL.hlp" with context 20 is
// help/rostrel/20.html, its contents and index are help/rostrel/index.html. Empty when the request shows nothing.
QString HelpPagePath(const QString &programFolder, const THelpRequest &request);

// Shows the help page of the request in the desktop's browser; when the page does not exist, tells the user which
// help file is missing. False when nothing could be shown.
bool WinHelp(HWND owner, const QString &file, unsigned command, quintptr data);

// Tests observe help requests: while set, the hook receives every request instead of the user seeing anything.
using THelpHook = std::function<void(const THelpRequest &request)>;
void SetHelpHook(THelpHook hook);
