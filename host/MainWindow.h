#pragma once

#include "PluginContract.h"
#include "forms/Form.h"
#include "rtl/Exceptions.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <cstdint>

class TImage;
class TImageList;
class TMainMenu;
class TMenuItem;
class TPanel;
class TPluginInfo;
class TStatusBar;
class TmlFormStorage;
class TmlLang;
class TmlLangDispatcher;
class TmlPluginManager;

// The host's only permanent window: a menu, one small tool bar per plug-in and the exit button on a panel, and
// a status line that shows the hint of what is under the mouse. It loads and registers the plug-ins, hands the
// configured data file to the data manager, builds the plug-ins' menus and buttons, relays data changes to the
// plug-ins and keeps their texts in the active language.
class TfrmMain : public TForm {
    Q_OBJECT
public:
    explicit TfrmMain(TComponent *owner);
    ~TfrmMain() override;

    TImage *Image1;
    TStatusBar *StatusBar1;
    TPanel *Panel1;
    TMainMenu *MainMenu1;
    TMenuItem *Tools1;
    TMenuItem *Language1;
    TMenuItem *Russian1;
    TMenuItem *English1;
    TMenuItem *N2;
    TMenuItem *Options1;
    TMenuItem *Help1;
    TMenuItem *Contents1;
    TMenuItem *Index1;
    TMenuItem *N1;
    TMenuItem *About1;
    TImageList *ImageList1;
    TmlFormStorage *mlFormStorage1;
    TmlLangDispatcher *mlLangDispatcher1;
    TmlLang *mlLang1;
    TmlPluginManager *PM;

    // The cell every plug-in's registration receives; the data manager leaves its data-line entry there.
    TDataLineProc DataLineEntry = nullptr;
    // The data file setting as read at creation; a new setting counts from the next start.
    QString DataFile;
    TForm *ExitToolBar = nullptr;

    void FormCreate(TObject *sender);
    void FormShow(TObject *sender);
    void FormConstrainedResize(TObject *sender, int &minWidth, int &minHeight, int &maxWidth, int &maxHeight);
    void UpdatePluginTexts();
    // The change routine handed to the data manager: tells every plug-in that listens, in list order.
    static void DataChangeNotify();
    void PMLoadPlugIn(TObject *sender, const QString &itemName, int item, int count);
    void PMLoadComplete(TObject *sender);
    void English1Click(TObject *sender);
    void mlLang1ChangeLanguage(TObject *sender);
    void Options1Click(TObject *sender);
    void Contents1Click(TObject *sender);
    void Index1Click(TObject *sender);
    void About1Click(TObject *sender);
    void ShowAppHint(TObject *sender);
    void ShowAppException(TObject *sender, Exception *error);
    void ExitFromOrmel(TObject *sender);

    // The plug-in tool bar behind a plug-in's top menu item (the index in the item's Tag).
    TForm *PluginToolBar(const TMenuItem *menuItem) const;

private:
    void ReadDataFileSetting();
    void RegisterPlugins();
    void RegisterPlugin(TPluginInfo *info);
    // Asks the plug-in for all its texts, commands and glyphs first, so one that fails leaves no half-built menu.
    void AddPluginMenu(TPluginInfo *info, int itemCount);
    void AddExitToolBar();
    // Shows a failure through the application's exception handling, as one raised by the window.
    void Report(const QString &message);
    // Shows the splash's progress line.
    void ShowProgress(const QString &text);
    // The language of the last run; the first language when none was stored or the stored one is invalid.
    void ApplyStoredLanguage();
    int ActiveLanguage() const;
    void FillLanguageTexts();

    // The one data manager of the process, handed from plug-in to plug-in.
    TDataManager *dataManager_ = nullptr;
    QList<QPointer<TForm>> toolBars_;
};

extern TfrmMain *frmMain;
