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

struct TMissingHelpTexts {
    QString Caption = QStringLiteral("Help");
    QString Text = QStringLiteral("The help file \"%1\" is not installed.");
};

TMissingHelpTexts &MissingHelpTexts()
{
    static TMissingHelpTexts texts;
    return texts;
}
} // namespace

void SetHelpHook(THelpHook hook) { CurrentHook() = std::move(hook); }

void SetMissingHelpTexts(const QString &caption, const QString &text) { MissingHelpTexts() = {caption, text}; }

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
    return ShowHelp(owner, request);
}

bool ShowHelp(HWND owner, const THelpRequest &request)
{
    const QString folder = QCoreApplication::applicationDirPath();
    for (const unsigned command : {request.Command, unsigned(HELP_FINDER)}) {
        const QString page = HelpPagePath(folder, {request.File, command, request.Data});
        if (!page.isEmpty() && QFileInfo::exists(page))
            return QDesktopServices::openUrl(QUrl::fromLocalFile(page));
    }
    const TMissingHelpTexts &texts = MissingHelpTexts();
    MessageBox(owner, texts.Text.arg(request.File), texts.Caption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}
