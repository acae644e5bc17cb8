#include "platform/Shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
TShellHook &CurrentHook()
{
    static TShellHook hook;
    return hook;
}
} // namespace

void SetShellHook(TShellHook hook) { CurrentHook() = std::move(hook); }

bool ShellExecute(HWND, const QString &operation, const QString &file, const QString &, const QString &, int)
{
    if (const TShellHook hook = CurrentHook())
        return hook(operation, file);
    if (operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0 || file.isEmpty())
        return false;
    const QUrl url = QFileInfo::exists(file) ? QUrl::fromLocalFile(file) : QUrl::fromUserInput(file);
    return url.isValid() && QDesktopServices::openUrl(url);
}
