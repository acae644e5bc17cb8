#include "platform/Help.h"

#include "forms/MessageBox.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {
THelpHook &CurrentHook()
{
    static THelpHook hook;
    return hook;
}
} // namespace

void SetHelpHook(THelpHook hook) { CurrentHook() = std::move(hook); }

QString HelpPagePath(const QString &programFolder, const THelpRequest &request)
{
    const QString book = QFileInfo(request.File).completeBaseName().toLower();
    if (book.isEmpty())
        return {};
    QString page;
    switch (request.Command) {
    case HELP_CONTEXT:
        page = QString::number(request.Data) + ".html";
        break;
    case HELP_FINDER:
    case HELP_PARTIALKEY:
        page = "index.html";
        break;
    default:
        return {};
    }
    return QDir(programFolder).filePath("help/" + book + "/" + page);
}

bool WinHelp(HWND owner, const QString &file, unsigned command, quintptr data)
{
    const THelpRequest request{file, command, data};
    if (const THelpHook hook = CurrentHook()) {
        hook(request);
        return true;
    }
    const QString page = HelpPagePath(QCoreApplication::applicationDirPath(), request);
    if (!page.isEmpty() && QFileInfo::exists(page))
        return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    MessageBox(owner, QStringLiteral("The help file \"%1\" is not installed.").arg(file), QStringLiteral("Help"),
               MB_OK | MB_ICONEXCLAMATION);
    return false;
}
