#include "MainWindow.h"

#include "AboutDialog.h"
#include "LangEntry.h"
#include "OptionsDialog.h"
#include "PluginManager.h"
#include "SplashWindow.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/StatusBar.h"
#include "dynlib/DynLib.h"
#include "forms/Application.h"
#include "menus/Menus.h"
#include "mlFormStorage.h"
#include "mlLang.h"
#include "mlLangDispatcher.h"
#include "platform/Help.h"
#include "registry/Registry.h"
#include "rtl/Codec1251.h"
#include "rtl/SysUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

TfrmMain *frmMain = nullptr;

namespace {
const QString SettingsKey = QStringLiteral("Software\\Kelmar\\OrmelSW");

QString FromPlugin(const char *text) { return text ? FromCp1251(text, qsizetype(std::strlen(text))) : QString(); }

TMenuItem *NewMenuItem(TComponent *owner, const QString &name, TMenuItem *parent, const QString &caption,
                       const QString &hint = {})
{
    auto *item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    item->SetHint(hint);
    parent->Add(item);
    return item;
}

// A plug-in's small tool bar, or the exit button's: a borderless form put on the panel at the left, after the
// tool bars already there (left-aligned controls keep the order of their positions).
void DockToolBar(TForm *toolBar, int width, TPanel *panel)
{
    toolBar->SetUndockWidth(width);
    toolBar->SetUndockHeight(30);
    toolBar->SetBorderStyle(bsNone);
    toolBar->SetAlign(alLeft);
    toolBar->SetWidth(width);
    int right = 0;
    for (int i = 0; i < panel->ControlCount(); ++i)
        right = qMax(right, panel->Controls(i)->Left() + panel->Controls(i)->Width());
    toolBar->SetLeft(right);
    toolBar->SetParent(panel);
    toolBar->Show();
}

// Why a data file name cannot be handed to the data manager; empty when it can. The name crosses to the plug-in
// in Windows-1251, so another character would silently name another file; and a pipe or a device would make the
// journal's reader wait for ever.
QString DataFileProblem(const QString &fileName)
{
    if (!CharactersOutsideCp1251(fileName).isEmpty())
        return QStringLiteral("The data file name \"%1\" holds characters outside the Windows-1251 code page, "
                              "which the data manager cannot take")
            .arg(fileName);
    const QFileInfo file(fileName);
    if (file.exists() && !file.isFile())
        return QStringLiteral("The data file \"%1\" is not a regular file").arg(fileName);
    return {};
}

// What a plug-in says about one item, asked for all of them before the window builds anything.
struct TPluginItem {
    QString Caption;
    QString Hint;
    TNotifyEvent Command;
    std::unique_ptr<TBitmap> Glyph = std::make_unique<TBitmap>();
};

TSpeedButton *NewToolButton(TComponent *owner, TForm *toolBar, int left, const QString &hint)
{
    auto *button = new TSpeedButton(owner);
    button->SetParent(toolBar);
    button->SetFlat(true);
    button->SetBounds(left, 3, 25, 25);
    button->SetHint(hint);
    button->SetVisible(true);
    return button;
}
} // namespace

TfrmMain::TfrmMain(TComponent *owner) : TForm(owner)
{
    // The plug-ins' change routine reaches the window through the global, from its first moment on.
    frmMain = this;
    BeginLoading();
    SetName(QStringLiteral("frmMain"));
    SetCaption(QStringLiteral("Ormel Software Environment"));
    SetBorderIcons(biSystemMenu | biMinimize);
    Constraints()->SetMinWidth(550);
    SetBounds(0, 0, 550, 100);
    SetHelpContext(10);
    SetHelpFile(QStringLiteral("ROSTREL.hlp"));
    Font()->SetName(QStringLiteral("MS Sans Serif"));
    Font()->SetSize(8);

    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetParent(this);
    Image1->SetBounds(8, 8, 16, 16);
    Image1->SetVisible(false);
    Image1->SetHint(QStringLiteral("1"));
    Image1->Picture()->Bitmap()->SetSize(16, 16);

    StatusBar1 = new TStatusBar(this);
    StatusBar1->SetName(QStringLiteral("StatusBar1"));
    StatusBar1->SetParent(this);
    StatusBar1->SetAlign(alBottom);
    StatusBar1->SetHeight(19);
    StatusBar1->SetSimplePanel(true);
    StatusBar1->Font()->SetName(QStringLiteral("Tahoma"));
    StatusBar1->Font()->SetCharset(RUSSIAN_CHARSET);

    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetParent(this);
    Panel1->SetAlign(alTop);
    Panel1->SetHeight(35);
    Panel1->SetBevelInner(bvRaised);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetDockSite(true);
    Panel1->SetShowHint(true);
    Panel1->SetCaption(QString());

    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName(QStringLiteral("MainMenu1"));
    TMenuItem *bar = MainMenu1->Items();
    Tools1 = NewMenuItem(this, QStringLiteral("Tools1"), bar, QStringLiteral("&Tools"));
    Tools1->SetHelpContext(30);
    Language1 = NewMenuItem(this, QStringLiteral("Language1"), Tools1, QStringLiteral("&Language"),
                            QStringLiteral("Change interface language"));
    Russian1 = NewMenuItem(this, QStringLiteral("Russian1"), Language1, QStringLiteral("&Russian"),
                           QStringLiteral("Russian user interface"));
    Russian1->SetTag(2);
    Russian1->SetOnClick(MakeEvent<&TfrmMain::English1Click>(this));
    English1 = NewMenuItem(this, QStringLiteral("English1"), Language1, QStringLiteral("&English"),
                           QStringLiteral("English user interface"));
    English1->SetTag(1);
    English1->SetChecked(true);
    English1->SetOnClick(MakeEvent<&TfrmMain::English1Click>(this));
    N2 = NewMenuItem(this, QStringLiteral("N2"), Tools1, QStringLiteral("-"));
    Options1 = NewMenuItem(this, QStringLiteral("Options1"), Tools1, QStringLiteral("&Options"),
                           QStringLiteral("Change options"));
    Options1->SetOnClick(MakeEvent<&TfrmMain::Options1Click>(this));
    Help1 = NewMenuItem(this, QStringLiteral("Help1"), bar, QStringLiteral("&Help"));
    Help1->SetHelpContext(40);
    Contents1 = NewMenuItem(this, QStringLiteral("Contents1"), Help1, QStringLiteral("&Contents"),
                            QStringLiteral("Show help file"));
    Contents1->SetOnClick(MakeEvent<&TfrmMain::Contents1Click>(this));
    Index1 = NewMenuItem(this, QStringLiteral("Index1"), Help1, QStringLiteral("&Index"),
                         QStringLiteral("Search on help"));
    Index1->SetOnClick(MakeEvent<&TfrmMain::Index1Click>(this));
    N1 = NewMenuItem(this, QStringLiteral("N1"), Help1, QStringLiteral("-"));
    About1 = NewMenuItem(this, QStringLiteral("About1"), Help1, QStringLiteral("&About..."),
                         QStringLiteral("Display about box"));
    About1->SetOnClick(MakeEvent<&TfrmMain::About1Click>(this));

    ImageList1 = new TImageList(this);
    ImageList1->SetName(QStringLiteral("ImageList1"));
    ImageList1->SetBkColor(clSilver);
    MainMenu1->SetImages(ImageList1);
    SetMenu(MainMenu1);

    mlFormStorage1 = new TmlFormStorage(this);
    mlFormStorage1->SetName(QStringLiteral("mlFormStorage1"));
    mlFormStorage1->SetSubKey(SettingsKey);

    mlLangDispatcher1 = new TmlLangDispatcher(this);
    mlLangDispatcher1->SetName(QStringLiteral("mlLangDispatcher1"));
    mlLangDispatcher1->SetActiveLanguage(1);
    mlLangDispatcher1->SetNumOfLanguages(2);
    TStringList names;
    names.SetCommaText(QStringLiteral("ENGLISH,RUSSIAN"));
    mlLangDispatcher1->SetLangNames(&names);

    mlLang1 = new TmlLang(this);
    mlLang1->SetName(QStringLiteral("mlLang1"));
    mlLang1->SetLangDelim(2);
    FillLanguageTexts();
    mlLang1->SetNumOfLanguages(2);
    // A switch rewrites the plug-ins' windows too, which takes its time on a large journal.
    mlLang1->SetChangingCursor(crHourGlass);
    mlLang1->SetLangDispatcher(mlLangDispatcher1);
    mlLang1->SetOnChangeLanguage(MakeEvent<&TfrmMain::mlLang1ChangeLanguage>(this));
    names.SetCommaText(QStringLiteral("IMAGE1,PANEL1,N2,N1,PM,MLFORMSTORAGE1,MLLANG1,MLLANGDISPATCHER1,IMAGELIST1"));
    mlLang1->SetDoNotTranslate(&names);
    mlLang1->SetNeedAllDlgs(true);

    PM = new TmlPluginManager(this);
    PM->SetName(QStringLiteral("PM"));
    PM->SetOnLoadPlugIn(MakeEvent<&TfrmMain::PMLoadPlugIn>(this));
    PM->SetOnLoadComplete(MakeEvent<&TfrmMain::PMLoadComplete>(this));

    SetOnCreate(MakeEvent<&TfrmMain::FormCreate>(this));
    SetOnShow(MakeEvent<&TfrmMain::FormShow>(this));
    SetOnConstrainedResize(MakeEvent<&TfrmMain::FormConstrainedResize>(this));
    EndLoading();
}

TfrmMain::~TfrmMain()
{
    // Plug-ins unloaded from here on must not reach a window that is going.
    if (frmMain == this)
        frmMain = nullptr;
    if (Application->OnHint().Data == this)
        Application->SetOnHint({});
    if (Application->OnException().Data == this)
        Application->SetOnException({});
}

int TfrmMain::ActiveLanguage() const { return mlLangDispatcher1->ActiveLanguage; }

// Both languages' texts of the window, as its resource holds them.
void TfrmMain::FillLanguageTexts()
{
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLang1, list, name, english, russian);
    };
    // The locale texts stay those the component recorded at its creation, in the first language, but split by
    // this window's delimiter like every other entry.
    mlLang1->ReplaceDelimiter(QChar(1), QChar(mlLang1->LangDelim()));
    TStrings *captions = mlLang1->Captions();
    add(captions, "TfrmMain", "Ormel Software Environment", "Ormel Software Environment");
    add(captions, "Tools1", "&Tools", "&Сервис");
    add(captions, "Language1", "&Language", "&Язык");
    add(captions, "Russian1", "&Russian", "&Русский");
    add(captions, "English1", "&English", "&Английский");
    add(captions, "Options1", "&Options", "&Настройки");
    add(captions, "Help1", "&Help", "&Помощь");
    add(captions, "Contents1", "&Contents", "&Содержание");
    add(captions, "Index1", "&Index", "&Поиск");
    add(captions, "About1", "&About...", "&О программе...");

    TStrings *hints = mlLang1->Hints();
    add(hints, "TfrmMain", "", "");
    add(hints, "Language1", "Change interface language", "Сменить язык интерфейса пользователя");
    add(hints, "Russian1", "Russian user interface", "Русский язык интерфейса");
    add(hints, "English1", "English user interface", "Английский язык интерфейса");
    add(hints, "Options1", "Change options", "Изменить наcтройки");
    add(hints, "Contents1", "Show help file", "Показать файл помощи");
    add(hints, "Index1", "Search on help", "Поиск по файлу помощи");
    add(hints, "About1", "Display about box", "Сведения о программе");

    add(mlLang1->Fonts(), "TfrmMain", "MS Sans Serif", "MS Sans Serif");
    add(mlLang1->Fonts(), "StatusBar1", "Tahoma", "");
    add(mlLang1->CharSets(), "TfrmMain", "DEFAULT_CHARSET", "DEFAULT_CHARSET");
    add(mlLang1->CharSets(), "StatusBar1", "RUSSIAN_CHARSET", "RUSSIAN_CHARSET");
    add(mlLang1->OtherStrings(), "TfrmMain.HelpFile", "ROSTREL.hlp", "rostrel_ru.hlp");

    TStrings *strings = mlLang1->Strings();
    add(strings, "IDS_0", "All plugins loaded.", "Все модули загружены.");
    add(strings, "IDS_1", "Loading plugin: ", "Загрузка модуля: ");
    add(strings, "IDS_2", "Exit from Ormel Software Environment", "Выход из программного комплекса Ormel");
    AddHelpStrings(mlLang1);

    TStrings *dialogs = mlLang1->DlgsCaptions();
    dialogs->Clear();
    AddMessageBoxCaptions(mlLang1, dialogs);
    add(dialogs, "Open", "&Open", "&Открыть");
    add(dialogs, "Look in:", "Look &in:", "&Папка");
    add(dialogs, "File name:", "File &name:", "&Имя файла:");
    add(dialogs, "Files of type:", "Files of &type:", "&Тип файлов:");
    add(dialogs, "Read-only", "&Read-only", "");
    add(dialogs, "Save", "&Save", "");
    add(dialogs, "Drives:", "&Drives:", "");
    add(dialogs, "Save in:", "Save &in:", "");
    add(dialogs, "Save as type:", "Save as &type:", "");
}

void TfrmMain::ApplyStoredLanguage()
{
    try {
        TRegistry registry;
        registry.OpenKey(mlFormStorage1->SubKey(), true);
        mlLangDispatcher1->SetActiveLanguage(registry.ReadInteger(QStringLiteral("Language")));
    } catch (...) {
        mlLangDispatcher1->SetActiveLanguage(1);
    }
}

void TfrmMain::FormCreate(TObject *)
{
    if (!QDir::setCurrent(ProgramFolder()))
        throw EInOutError(QStringLiteral("Cannot change to the program's folder %1")
                              .arg(QDir::toNativeSeparators(ProgramFolder())));
    Application->SetOnHint(MakeEvent<&TfrmMain::ShowAppHint>(this));
    Application->SetOnException(MakeEvent<&TfrmMain::ShowAppException>(this));

    DataLineEntry = nullptr;
    dataManager_ = nullptr;
    DataFile.clear();
    ReadDataFileSetting();

    RegisterPlugins();
    AddExitToolBar();
    TMenuItem *bar = MainMenu1->Items();
    Tools1->SetMenuIndex(bar->Count() - 1);
    Help1->SetMenuIndex(bar->Count() - 1);
}

// A setting that cannot be read is reported; the data manager then keeps its own file.
void TfrmMain::ReadDataFileSetting()
{
    TRegistry registry;
    try {
        if (registry.OpenKey(SettingsKey, true))
            DataFile = registry.ReadString(QStringLiteral("DataFile"));
        else if (!registry.LastError().isEmpty())
            throw ERegistryException(registry.LastError());
    } catch (const Exception &error) {
        Report(QStringLiteral("The data file setting cannot be read: %1; the data manager keeps its own file.")
                   .arg(error.Message()));
    }
}

// A plug-in that fails is reported and skipped, and the window is finished without it: it leaves nothing in the
// cells the plug-ins share (a data manager whose journal could not be read reaches no other plug-in, so nothing
// they do can rewrite that journal), and it is called no more.
void TfrmMain::RegisterPlugins()
{
    for (int i = 0; i < PM->Count(); ++i) {
        TPluginInfo *info = PM->PlugIn(i);
        const TDataLineProc dataLineEntry = DataLineEntry;
        TDataManager *const dataManager = dataManager_;
        try {
            RegisterPlugin(info);
        } catch (...) {
            const QString failure = PluginFailure(info->FileName);
            DataLineEntry = dataLineEntry;
            dataManager_ = dataManager;
            info->OnDataUpdate = nullptr;
            Report(failure);
        }
    }
}

void TfrmMain::RegisterPlugin(TPluginInfo *info)
{
    std::uint8_t isDataManager = 0;
    const int itemCount = info->RegisterPlugin(Application->Handle(), &DataLineEntry, &isDataManager, &dataManager_,
                                               mlLangDispatcher1);
    Application->ProcessMessages();
    if (isDataManager != 0) {
        const auto subscribe = reinterpret_cast<TRegisterChangeDataEventProc>(
            GetProcAddress(info->ModuleHandle, PluginEntry::RegisterChangeDataEvent));
        if (!DataFile.isEmpty()) {
            if (const QString problem = DataFileProblem(DataFile); !problem.isEmpty())
                Report(problem + QStringLiteral("; the data manager keeps its own file."));
            else if (const auto load = reinterpret_cast<TLoadDataFromFileProc>(
                         GetProcAddress(info->ModuleHandle, PluginEntry::LoadDataFromFile)))
                load(ToCp1251(DataFile).constData());
        }
        if (subscribe)
            subscribe(&TfrmMain::DataChangeNotify);
    }
    AddPluginMenu(info, itemCount);
}

void TfrmMain::AddPluginMenu(TPluginInfo *info, int itemCount)
{
    const int language = ActiveLanguage();
    const QString name = FromPlugin(info->GetMainName(language));
    if (Trim(name).isEmpty())
        return;
    std::vector<TPluginItem> items(size_t(qMax(itemCount, 0)));
    for (int j = 1; j <= itemCount; ++j) {
        TPluginItem &item = items[size_t(j - 1)];
        item.Caption = FromPlugin(info->GetItemName(j, language));
        item.Hint = FromPlugin(info->GetItemHint(j, language));
        info->GetItemCommand(&item.Command, j);
        item.Glyph->SetHandle(info->GetItemBitmap(j));
    }

    auto *top = new TMenuItem(this);
    top->SetCaption(name);
    TMenuItem *bar = MainMenu1->Items();
    const int count = bar->Count();
    // An order beyond the bar goes just before the host's own two menus.
    bar->Insert(count - 1 >= info->Order ? qMax(info->Order, 0) : count - 2, top);
    info->MenuItem = top;

    auto *toolBar = new TForm(this);
    toolBars_.append(toolBar);
    top->SetTag(int(toolBars_.size() - 1));
    toolBar->Font()->SetColor(clBtnFace);
    toolBar->SetCaption(StripHotkey(name));
    toolBar->SetHeight(30);

    TBitmap *mask = Image1->Picture()->Bitmap();
    int right = 0;
    for (size_t j = 0; j < items.size(); ++j) {
        const TPluginItem &entry = items[j];
        auto *item = new TMenuItem(this);
        item->SetCaption(entry.Caption);
        item->SetHint(entry.Hint);
        item->SetOnClick(entry.Command);

        TBitmap *glyph = entry.Glyph.get();
        // White parts of a glyph show the menu's background.
        mask->SetMonochrome(false);
        mask->SetSize(16, 16);
        mask->Canvas()->Brush()->SetColor(clWhite);
        mask->Canvas()->Brush()->SetStyle(bsSolid);
        mask->Canvas()->FillRect(Rect(0, 0, mask->Width(), mask->Height()));
        if (!glyph->Empty())
            mask->Canvas()->Draw(0, 0, glyph);
        mask->SetMonochrome(true);
        if (MainMenu1->Images())
            item->SetImageIndex(MainMenu1->Images()->Add(glyph, mask));
        top->Add(item);

        TSpeedButton *button = NewToolButton(this, toolBar, int(j) * (25 + 3) + 3, item->Hint());
        button->SetGlyph(glyph);
        button->SetOnClick(entry.Command);
        right = button->Left() + button->Width();
    }
    DockToolBar(toolBar, right + 25, Panel1);
}

void TfrmMain::AddExitToolBar()
{
    ExitToolBar = new TForm(this);
    TSpeedButton *button = NewToolButton(this, ExitToolBar, 3, mlLang1->LookupString(QStringLiteral("IDS_2")));
    TBitmap glyph;
    glyph.LoadFromResourceName(QStringLiteral("BITMAP_EXIT"));
    button->SetGlyph(&glyph);
    button->SetOnClick(MakeEvent<&TfrmMain::ExitFromOrmel>(this));
    DockToolBar(ExitToolBar, 3 + 25 + 25, Panel1);
}

TForm *TfrmMain::PluginToolBar(const TMenuItem *menuItem) const
{
    const int index = menuItem ? menuItem->Tag() : -1;
    return index >= 0 && index < toolBars_.size() ? toolBars_[index].data() : nullptr;
}

void TfrmMain::FormShow(TObject *) { UpdatePluginTexts(); }

void TfrmMain::UpdatePluginTexts()
{
    const int language = ActiveLanguage();
    for (int i = 0; i < PM->Count(); ++i) {
        TPluginInfo *info = PM->PlugIn(i);
        TMenuItem *top = info->MenuItem;
        if (!top)
            continue;
        top->SetCaption(FromPlugin(info->GetMainName(language)));
        TForm *toolBar = PluginToolBar(top);
        if (toolBar)
            toolBar->SetCaption(StripHotkey(top->Caption()));
        for (int k = 0; k < top->Count(); ++k) {
            top->Items(k)->SetCaption(FromPlugin(info->GetItemName(k + 1, language)));
            top->Items(k)->SetHint(FromPlugin(info->GetItemHint(k + 1, language)));
        }
        for (int k = 0; toolBar && k < toolBar->ControlCount(); ++k)
            if (auto *button = dynamic_cast<TSpeedButton *>(toolBar->Controls(k)))
                button->SetHint(FromPlugin(info->GetItemHint(k + 1, language)));
    }
    for (int k = 0; ExitToolBar && k < ExitToolBar->ControlCount(); ++k)
        if (auto *button = dynamic_cast<TSpeedButton *>(ExitToolBar->Controls(k)))
            button->SetHint(mlLang1->LookupString(QStringLiteral("IDS_2")));
}

void TfrmMain::DataChangeNotify()
{
    if (!frmMain)
        return;
    TmlPluginManager *manager = frmMain->PM;
    for (int i = 0; i < manager->Count(); ++i)
        if (const TOnDataUpdateProc update = manager->PlugIn(i)->OnDataUpdate)
            update();
}

void TfrmMain::ShowProgress(const QString &text)
{
    if (!frmSplash)
        return;
    frmSplash->Label1->SetVisible(true);
    frmSplash->Label1->SetCaption(text);
    frmSplash->Repaint();
}

void TfrmMain::PMLoadPlugIn(TObject *, const QString &itemName, int, int)
{
    ApplyStoredLanguage();
    ShowProgress(mlLang1->LookupString(QStringLiteral("IDS_1")) + itemName);
}

void TfrmMain::PMLoadComplete(TObject *)
{
    ApplyStoredLanguage();
    ShowProgress(mlLang1->LookupString(QStringLiteral("IDS_0")));
}

void TfrmMain::English1Click(TObject *sender)
{
    mlLangDispatcher1->SetActiveLanguage(static_cast<TMenuItem *>(sender)->Tag());
}

void TfrmMain::mlLang1ChangeLanguage(TObject *)
{
    const int language = ActiveLanguage();
    TRegistry registry;
    if (registry.OpenKey(mlFormStorage1->SubKey(), true))
        registry.WriteInteger(QStringLiteral("Language"), language);
    English1->SetChecked(language == 1);
    Russian1->SetChecked(language == 2);
    // The dialogs that name no help file of their own show the program's, in the window's language too.
    Application->SetHelpFile(language == 2 ? QStringLiteral("rostrel_ru.hlp") : QStringLiteral("ROSTREL.HLP"));
    ApplyHelpStrings(mlLang1);
    UpdatePluginTexts();
}

void TfrmMain::Options1Click(TObject *)
{
    std::unique_ptr<TfrmOptions> options(new TfrmOptions(Application));
    options->edFile->SetText(DataFile);
    if (options->ShowModal() != mrOk)
        return;
    const QString fileName = options->edFile->Text();
    if (!fileName.isEmpty()) {
        if (const QString problem = DataFileProblem(fileName); !problem.isEmpty())
            throw EInOutError(problem + QStringLiteral("; it is not stored."));
    }
    if (!fileName.isEmpty() && !QFileInfo::exists(fileName)) {
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly))
            throw EInOutError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
    }
    // A store that cannot take the setting now is told of, not passed over.
    TRegistry registry;
    if (!registry.OpenKey(SettingsKey, true))
        throw ERegistryException(registry.LastError());
    registry.WriteString(QStringLiteral("DataFile"), fileName);
}

void TfrmMain::Contents1Click(TObject *) { Application->HelpCommand(HELP_FINDER, 0); }

void TfrmMain::Index1Click(TObject *)
{
    static const char emptyKey[] = "";
    Application->HelpCommand(HELP_PARTIALKEY, reinterpret_cast<quintptr>(emptyKey));
}

void TfrmMain::About1Click(TObject *)
{
    std::unique_ptr<TfrmAbout> about(new TfrmAbout(Application));
    about->ShowModal();
}

void TfrmMain::ShowAppHint(TObject *) { StatusBar1->SetSimpleText(Application->Hint()); }

void TfrmMain::Report(const QString &message)
{
    Application->HandleException(this, std::make_exception_ptr(Exception(message)));
}

void TfrmMain::ShowAppException(TObject *sender, Exception *error)
{
    const QString className = sender ? sender->ClassName() : Application->ClassName();
    Application->MessageBox(className + QStringLiteral(" - ") + error->Message(), Application->Title(), MB_OK);
}

void TfrmMain::FormConstrainedResize(TObject *, int &, int &minHeight, int &, int &)
{
    minHeight = Height() - ClientHeight() + Panel1->Height() + StatusBar1->Height();
}

void TfrmMain::ExitFromOrmel(TObject *) { Close(); }
