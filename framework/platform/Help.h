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

// Shows the help page of the request in the desktop's browser, the help file's contents when it has no page for
// the topic; when the help file is not there at all, tells the user which one is missing. False when nothing
// could be shown.
bool WinHelp(HWND owner, const QString &file, unsigned command, quintptr data);
// The same, past the hook.
bool ShowHelp(HWND owner, const THelpRequest &request);

// The title and the text ("%1" standing for the file) of the box that names a missing help file, in the language
// the module speaks; English until a module sets them.
void SetMissingHelpTexts(const QString &caption, const QString &text);

// Tests observe help requests: while set, the hook receives every request instead of the user seeing anything.
using THelpHook = std::function<void(const THelpRequest &request)>;
void SetHelpHook(THelpHook hook);
