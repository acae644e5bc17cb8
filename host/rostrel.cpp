#include "Automation.h"
#include "MainWindow.h"
#include "ProgressWindow.h"
#include "SplashWindow.h"
#include "classes/MetaTypes.h"
#include "forms/Application.h"
#include "forms/MessageBox.h"
#include "mlLang.h"
#include "registry/RegistryStore.h"

#include <QApplication>
#include <cstdio>
#include <exception>

namespace {
// The splash window lives until the main window exists, or failed to.
struct TSplashScope {
    TSplashScope() { frmSplash = new TfrmSplash(Application); }
    ~TSplashScope()
    {
        delete frmSplash;
        frmSplash = nullptr;
    }
    TSplashScope(const TSplashScope &) = delete;
    TSplashScope &operator=(const TSplashScope &) = delete;
};

void CreateMainWindow()
{
    TSplashScope splash;
    frmSplash->Show();
    // The window system maps the window in its own time; it can be painted once that has happened.
    Application->ProcessMessages();
    frmSplash->Update();
    Application->SetTitle(QStringLiteral("Ormel Software Environment"));
    Application->SetHelpFile(QStringLiteral("ROSTREL.HLP"));
    Application->CreateForm(frmMain);
}
} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Before any plug-in is loaded: the type registry is one for the whole process.
    RegisterFrameworkMetaTypes();
    RegisterLanguageMetaTypes();
    // The settings store's place is fixed before the main window makes the program's folder the current one.
    RegistryStorePath();
    StartAutomation();
    Application->Initialize();
    // From the splash to the plug-ins' unloading at the end.
    TProgressDisplay progress;
    try {
        CreateMainWindow();
    } catch (const std::exception &error) {
        // Without its main window the program cannot go on.
        const QString message = QString::fromUtf8(error.what());
        std::fprintf(stderr, "rostrel: %s\n", error.what());
        MessageBox(nullptr, message, Application->Title(), MB_OK | MB_ICONSTOP);
        return 1;
    }
    Application->Run();
    return 0;
}
