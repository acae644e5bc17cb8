#pragma once

#include "platform/Handle.h"

#include <QString>
#include <functional>

enum : int { SW_SHOWNORMAL = 1 };

// Opens a document or address with the desktop's handler; only the verb "open" is known. Answers whether the
// desktop accepted it (callers that do not report failures ignore the answer).
bool ShellExecute(HWND owner, const QString &operation, const QString &file, const QString &parameters,
                  const QString &directory, int showCommand);

// Tests observe shell requests: while set, the hook receives the verb and the file instead of the desktop, and
// its answer is the result.
using TShellHook = std::function<bool(const QString &operation, const QString &file)>;
void SetShellHook(TShellHook hook);
