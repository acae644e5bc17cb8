// The main window's components, as its resource lists them.

#include "entries/SettingsKey.h"
#include "mainwindow/FormBuilder.h"
#include "mainwindow/LumbraTexts.h"
#include "mainwindow/LumbraWindow.h"
#include "mainwindow/WarningBox.h"

#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/SpinEdit.h"
#include "controls/StatusBar.h"
#include "graphics/Bitmap.h"
#include "menus/Menus.h"
#include "mlFormStorage.h"
#include "mlLangDispatcher.h"
#include "mlLangTables.h"
#include "mlLngLnk.h"

#include <utility>

namespace {
using F = TfrmLumbra;

constexpr TLangPair ViewHint{"View selected record", "Просмотр текущей записи"};
constexpr TLangPair DeleteHint{"Delete selected record", "Удалить текущую запись"};
constexpr TLangPair TunCritHint{"Changing visualisation criterion", "Изменить критерий визуализации"};
constexpr TLangPair ImgCritHint{"Record visualisation criterion", "Изменить критерий визуализации"};
constexpr TLangPair FindHint{"Find record", "Найти запись"};
constexpr TLangPair PreviewCaption{"Image preview", "Просмотр"};

const TControlEntry<F> ControlEntries[] = {
    {NewControl<&F::StatusBar1>, "StatusBar1", "", 0, 541, 760, 19, alBottom},
    {NewControl<&F::GroupBox1>, "GroupBox1", "", 0, 0, 760, 250, alTop, 0, {"Stored tunings:", "Архив настроек:"}},
    {NewControl<&F::pnTunBar>, "pnTunBar", "GroupBox1", 2, 15, 756, 30, alTop, 1},
    {NewControl<&F::sbTunEdit>, "sbTunEdit", "pnTunBar", 3, 2, 25, 25, alNone, 1, {}, ViewHint},
    {NewControl<&F::sbTunDelete>, "sbTunDelete", "pnTunBar", 29, 2, 25, 25, alNone, 1, {}, DeleteHint},
    {NewControl<&F::sbTunCrit>, "sbTunCrit", "pnTunBar", 55, 2, 25, 25, alNone, 1, {}, TunCritHint},
    {NewControl<&F::sbTunSearch>, "sbTunSearch", "pnTunBar", 81, 2, 25, 25, alNone, 1, {}, FindHint},
    {NewControl<&F::pnTunSearch>, "pnTunSearch", "pnTunBar", 111, 1, 430, 28},
    {NewControl<&F::Label1>, "Label1", "pnTunSearch", 6, 7, 50, 13, alNone, 0, {"&Column:", "&Столбец:"}},
    {NewControl<&F::cbTunSrchCol>, "cbTunSrchCol", "pnTunSearch", 62, 3, 150, 21},
    {NewControl<&F::Label2>, "Label2", "pnTunSearch", 222, 7, 40, 13, alNone, 0, {"&Text:", "&Текст:"}},
    {NewControl<&F::edTunSrch>, "edTunSrch", "pnTunSearch", 266, 3, 160, 21},
    {NewControl<&F::Panel1>, "Panel1", "GroupBox1", 634, 45, 124, 203, alRight, 0, PreviewCaption},
    {NewControl<&F::imgTun>, "imgTun", "Panel1", 8, 8, 108, 108},
    {NewControl<&F::sgTunings>, "sgTunings", "GroupBox1", 2, 45, 632, 203, alClient, 1},
    {NewControl<&F::GroupBox2>, "GroupBox2", "", 0, 250, 760, 291, alClient, 0, {"Stored images:", "Архив изображений:"}},
    {NewControl<&F::pnImgBar>, "pnImgBar", "GroupBox2", 2, 15, 756, 30, alTop, 2},
    {NewControl<&F::sbImgEdit>, "sbImgEdit", "pnImgBar", 3, 2, 25, 25, alNone, 2, {}, ViewHint},
    {NewControl<&F::sbImgDelete>, "sbImgDelete", "pnImgBar", 29, 2, 25, 25, alNone, 2, {}, DeleteHint},
    {NewControl<&F::sbImgSearch>, "sbImgSearch", "pnImgBar", 81, 2, 25, 25, alNone, 2, {}, FindHint},
    {NewControl<&F::sbImgCrit>, "sbImgCrit", "pnImgBar", 55, 2, 25, 25, alNone, 2, {}, ImgCritHint},
    {NewControl<&F::sbCompositeImages>, "sbCompositeImages", "pnImgBar", 560, 2, 25, 25, alNone, 2},
    {NewControl<&F::Panel2>, "Panel2", "GroupBox2", 582, 45, 176, 244, alRight, 0, PreviewCaption},
    {NewControl<&F::paImage>, "paImage", "Panel2", 4, 4, 168, 148},
    {NewControl<&F::imgImage>, "imgImage", "paImage", 24, 14, 120, 120},
    {NewControl<&F::pnDynImg>, "pnDynImg", "Panel2", 4, 4, 168, 148},
    {NewControl<&F::imgDynImg>, "imgDynImg", "pnDynImg", 3, 4, 162, 140},
    {NewControl<&F::Panel5>, "Panel5", "Panel2", 4, 154, 168, 28, alNone, 0, {" Threshold:", " Порог:"}},
    {NewControl<&F::seImgLevel>, "seImgLevel", "Panel5", 96, 3, 68, 22, alNone, 2, {},
     {"Change the sensitivity level", ""}},
    {NewControl<&F::paColor>, "paColor", "Panel2", 4, 184, 168, 18},
    {NewControl<&F::pbColor>, "pbColor", "paColor", 1, 1, 166, 16, alClient},
    {NewControl<&F::sbDynImageView>, "sbDynImageView", "Panel2", 4, 208, 25, 25, alNone, 0, {},
     {"View and manipulate image...", ""}},
    {NewControl<&F::SpeedButton1>, "SpeedButton1", "Panel2", 32, 208, 25, 25, alNone, 0, {">>", ""},
     {"Add image", "Добавить изображение"}},
    {NewControl<&F::sgImages>, "sgImages", "GroupBox2", 2, 45, 580, 244, alClient, 2},
};

struct TMenuEntry {
    TMenuItem *F::*Field;
    const char *Name;
    TMenuItem *F::*Parent;
    int Tag;
    TLangPair Caption;
    TLangPair Hint;
    TNotifyEvent::CodeType Click = nullptr;
};

template <auto Method>
constexpr TNotifyEvent::CodeType Handler = &detail::MethodThunk<Method>::Call;

constexpr TLangPair Separator{"-", "-"};
constexpr TLangPair PrintCaption{"&Print...", "&Печать..."};
constexpr TLangPair PrintAllCaption{"Print &All...", "Печать &Всех..."};
constexpr TLangPair CriteriaCaption{"Visualisation &criteria...", "&Критерий визуализации..."};
constexpr TLangPair FindCaption{"&Find", "&Поиск"};
constexpr TLangPair ViewCaption{"&View...", "&Просмотр..."};
constexpr TLangPair DeleteCaption{"&Delete", "&Удалить"};

const TMenuEntry MenuEntries[] = {
    {&F::Tunings1, "Tunings1", nullptr, 1, {"&Tunings", "&Настройки"}, {}},
    {&F::TunView1, "TunView1", &F::Tunings1, 1, ViewCaption, ViewHint, Handler<&F::sbTunEditClick>},
    {&F::TunDelete1, "TunDelete1", &F::Tunings1, 1, DeleteCaption, DeleteHint, Handler<&F::sbTunDeleteClick>},
    {&F::N1, "N1", &F::Tunings1, 0, Separator, {}},
    {&F::TunPrint1, "TunPrint1", &F::Tunings1, 1, PrintCaption, {}},
    {&F::TunPrintAll1, "TunPrintAll1", &F::Tunings1, 1, PrintAllCaption, {}},
    {&F::N2, "N2", &F::Tunings1, 0, Separator, {}},
    {&F::TunCriteria1, "TunCriteria1", &F::Tunings1, 1, CriteriaCaption, TunCritHint, Handler<&F::sbTunCritClick>},
    {&F::N3, "N3", &F::Tunings1, 0, Separator, {}},
    {&F::TunFind1, "TunFind1", &F::Tunings1, 1, FindCaption, FindHint, Handler<&F::sbTunSearchClick>},
    {&F::Images1, "Images1", nullptr, 2, {"&Images", "&Изображения"}, {}},
    {&F::ImgView1, "ImgView1", &F::Images1, 2, ViewCaption, ViewHint, Handler<&F::sbTunEditClick>},
    {&F::ImgDelete1, "ImgDelete1", &F::Images1, 2, DeleteCaption, DeleteHint, Handler<&F::sbTunDeleteClick>},
    {&F::N4, "N4", &F::Images1, 0, Separator, {}},
    {&F::ImgPrint1, "ImgPrint1", &F::Images1, 2, PrintCaption, {}},
    {&F::ImgPrintAll1, "ImgPrintAll1", &F::Images1, 2, PrintAllCaption, {}},
    {&F::N5, "N5", &F::Images1, 0, Separator, {}},
    {&F::ImgCriteria1, "ImgCriteria1", &F::Images1, 2, CriteriaCaption, ImgCritHint, Handler<&F::sbTunCritClick>},
    {&F::N6, "N6", &F::Images1, 0, Separator, {}},
    {&F::ImgFind1, "ImgFind1", &F::Images1, 2, FindCaption, FindHint, Handler<&F::sbTunSearchClick>},
    {&F::N8, "N8", &F::Images1, 0, Separator, {}},
    {&F::ImgSet1, "ImgSet1", &F::Images1, 2, {"Images &set", "&Набор изображений"},
     {"Open the window that takes images dragged from the level preview",
      "Окно, принимающее изображения, перетащенные из просмотра уровней"},
     Handler<&F::ImgSet1Click>},
    {&F::Help1, "Help1", nullptr, 0, {"&Help", "&Помощь"}, {}},
    {&F::Contents1, "Contents1", &F::Help1, 0, {"&Contents", "&Содержание"},
     {"Display help contents", "Вызов файла помощи"}, Handler<&F::Contents1Click>},
    {&F::Index1, "Index1", &F::Help1, 0, {"&Index", "&Индекс"}, {"Display help index", "Поиск справки"},
     Handler<&F::Index1Click>},
    {&F::N7, "N7", &F::Help1, 0, Separator, {}},
    {&F::About1, "About1", &F::Help1, 0, {"&About...", "&О..."}, {"Display about box", "О программе"},
     Handler<&F::About1Click>},
};

TmlLangLinked *NewLangComponent(F *form)
{
    auto *lang = new TmlLangLinked(form);
    lang->SetName(QStringLiteral("mlLangLinked1"));
    return lang;
}

// The locale items the window's language sets: the decimal separator in English, the date and time separators
// in both; the others stay as the system has them.
void FillLocales(TmlCustomLang *lang)
{
    TStrings *locales = lang->Locales();
    locales->Clear();
    for (int i = 0; i < int(LocaleItemNames.size()); ++i) {
        const QString &item = LocaleItemNames[i];
        if (item == QLatin1String("Decimal Separator"))
            AddLangEntry(lang, locales, item, QStringLiteral(","), QString());
        else if (item == QLatin1String("Date Separator"))
            AddLangEntry(lang, locales, item, QStringLiteral("/"), QStringLiteral("."));
        else if (item == QLatin1String("Time Separator"))
            AddLangEntry(lang, locales, item, QStringLiteral(":"), QStringLiteral(":"));
        else
            AddLangEntry(lang, locales, item, QString(), QString());
    }
}
} // namespace

TfrmLumbra::TfrmLumbra(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmLumbra"));
    Widget()->setObjectName(Name());
    SetCaption(QStringLiteral("LUMBRA Data Management"));
    SetClientWidth(760);
    SetClientHeight(560);
    SetPosition(poScreenCenter);
    SetHelpContext(20);
    SetHelpFile(QStringLiteral("lumbra.hlp"));

    mlLangLinked1 = NewLangComponent(this);
    AddLangEntry(mlLangLinked1, mlLangLinked1->Captions(), QStringLiteral("TfrmLumbra"),
                 QStringLiteral("LUMBRA Data Management"), QStringLiteral("Управление данными ЛУМБРА"));
    AddLangEntry(mlLangLinked1, mlLangLinked1->Hints(), QStringLiteral("TfrmLumbra"), QString(), QString());
    AddMessageBoxCaptions(mlLangLinked1, mlLangLinked1->DlgsCaptions());
    BuildControls<F>(this, mlLangLinked1, ControlEntries);
    BuildComponents();
    BuildMenu();
    FillLanguageTexts();
    BuildPrinting();

    SetOnCreate(MakeEvent<&F::FormCreate>(this));
    SetOnShow(MakeEvent<&F::FormShow>(this));
    SetOnClose(MakeEvent<&F::FormClose>(this));
    EndLoading();
}

// The warning box must not reach a window that is gone.
TfrmLumbra::~TfrmLumbra() { LinkWarnings({}); }


void TfrmLumbra::BuildComponents()
{
    StatusBar1->Panels()->Add()->SetWidth(200);
    StatusBar1->Panels()->Add()->SetWidth(250);

    const std::pair<TSpeedButton *, const char *> glyphs[] = {
        {sbTunEdit, "GLYPH_VIEW"},     {sbTunDelete, "GLYPH_DELETE"}, {sbTunCrit, "GLYPH_CRITERIA"},
        {sbTunSearch, "GLYPH_FIND"},   {sbImgEdit, "GLYPH_VIEW"},     {sbImgDelete, "GLYPH_DELETE"},
        {sbImgSearch, "GLYPH_FIND"},   {sbImgCrit, "GLYPH_CRITERIA"}, {sbDynImageView, "GLYPH_LEVELVIEW"}};
    TBitmap glyph;
    for (const auto &[button, name] : glyphs) {
        glyph.LoadFromResourceName(QString::fromLatin1(name));
        button->SetGlyph(&glyph);
        button->SetFlat(button != sbDynImageView);
    }
    for (TSpeedButton *button : {sbTunSearch, sbImgSearch}) {
        button->SetGroupIndex(1);
        button->SetAllowAllUp(true);
        button->SetOnClick(MakeEvent<&F::sbTunSearchClick>(this));
    }
    for (TSpeedButton *button : {sbTunCrit, sbImgCrit})
        button->SetOnClick(MakeEvent<&F::sbTunCritClick>(this));
    for (TSpeedButton *button : {sbTunEdit, sbImgEdit})
        button->SetOnClick(MakeEvent<&F::sbTunEditClick>(this));
    for (TSpeedButton *button : {sbTunDelete, sbImgDelete})
        button->SetOnClick(MakeEvent<&F::sbTunDeleteClick>(this));
    sbCompositeImages->SetVisible(false);

    for (TPanel *panel : {pnTunBar, pnImgBar, pnTunSearch, paImage, pnDynImg, paColor}) {
        panel->SetBevelOuter(bvNone);
        panel->SetCaption(QString());
    }
    for (TPanel *bar : {pnTunBar, pnImgBar})
        bar->SetOnMouseMove(MakeEvent<&F::pnTunBarMouseMove>(this));
    pnTunSearch->SetVisible(false);
    pnTunSearch->SetOnExit(MakeEvent<&F::pnTunSearchExit>(this));
    Label1->SetFocusControl(cbTunSrchCol);
    Label2->SetFocusControl(edTunSrch);
    cbTunSrchCol->SetStyle(csDropDownList);
    cbTunSrchCol->SetOnChange(MakeEvent<&F::edTunSrchChange>(this));
    edTunSrch->SetOnChange(MakeEvent<&F::edTunSrchChange>(this));

    for (TStringGrid *grid : {sgTunings, sgImages}) {
        grid->SetFixedCols(0);
        grid->SetDefaultRowHeight(18);
        grid->SetOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goColSizing | goRowSelect);
        grid->SetOnDrawCell(MakeEvent<&F::sgTuningsDrawCell>(this));
        grid->SetOnSelectCell(MakeEvent<&F::sgTuningsSelectCell>(this));
        grid->SetOnMouseDown(MakeEvent<&F::sgTuningsMouseDown>(this));
        grid->SetOnMouseUp(MakeEvent<&F::sgTuningsMouseUp>(this));
        grid->SetOnMouseMove(MakeEvent<&F::pnTunBarMouseMove>(this));
        grid->SetOnDblClick(MakeEvent<&F::sbTunEditClick>(this));
    }

    Panel1->SetBevelOuter(bvLowered);
    Panel2->SetBevelOuter(bvLowered);
    pnDynImg->SetVisible(false);
    Panel5->SetVisible(false);
    Panel5->SetAlignment(taLeftJustify);
    seImgLevel->SetMinValue(0);
    seImgLevel->SetMaxValue(255);
    seImgLevel->SetValue(0);
    seImgLevel->SetOnChange(MakeEvent<&F::seImgLevelChange>(this));
    pbColor->SetCursor(crHandPoint);
    pbColor->SetOnPaint(MakeEvent<&F::pbColorPaint>(this));
    pbColor->SetOnClick(MakeEvent<&F::pbColorClick>(this));
    sbDynImageView->SetOnClick(MakeEvent<&F::sbDynImageViewClick>(this));
    SpeedButton1->SetOnClick(MakeEvent<&F::SpeedButton1Click>(this));
    imgImage->SetOnDblClick(MakeEvent<&F::SpeedButton1Click>(this));
    imgDynImg->SetOnDblClick(MakeEvent<&F::SpeedButton1Click>(this));
    imgDynImg->SetOnMouseDown(MakeEvent<&F::imgDynImgMouseDown>(this));
    for (TControl *control : {static_cast<TControl *>(seImgLevel), static_cast<TControl *>(sbDynImageView),
                              static_cast<TControl *>(SpeedButton1)})
        control->SetShowHint(true);
    pnTunBar->SetShowHint(true);
    pnImgBar->SetShowHint(true);

    ImageList1 = new TImageList(this);
    ImageList1->SetName(QStringLiteral("ImageList1"));

    mlLangDispatcher1 = new TmlLangDispatcher(this);
    mlLangDispatcher1->SetName(QStringLiteral("mlLangDispatcher1"));
    mlLangDispatcher1->SetNumOfLanguages(2);
    TStringList names;
    names.SetCommaText(QStringLiteral("ENGLISH,RUSSIAN"));
    mlLangDispatcher1->SetLangNames(&names);

    mlFormStorage1 = new TmlFormStorage(this);
    mlFormStorage1->SetName(QStringLiteral("mlFormStorage1"));
    mlFormStorage1->SetSubKey(LumbraSettingsKey);
}

void TfrmLumbra::BuildMenu()
{
    MainMenu1 = new TMainMenu(this);
    MainMenu1->SetName(QStringLiteral("MainMenu1"));
    for (const TMenuEntry &entry : MenuEntries) {
        auto *item = new TMenuItem(this);
        this->*entry.Field = item;
        const QString name = QString::fromUtf8(entry.Name);
        item->SetName(name);
        item->SetTag(entry.Tag);
        item->SetCaption(QString::fromUtf8(entry.Caption.English));
        AddLangEntry(mlLangLinked1, mlLangLinked1->Captions(), name, QString::fromUtf8(entry.Caption.English),
                     QString::fromUtf8(entry.Caption.Russian));
        if (entry.Hint.English) {
            item->SetHint(QString::fromUtf8(entry.Hint.English));
            AddLangEntry(mlLangLinked1, mlLangLinked1->Hints(), name, QString::fromUtf8(entry.Hint.English),
                         QString::fromUtf8(entry.Hint.Russian));
        }
        if (entry.Click)
            item->SetOnClick({entry.Click, this});
        (entry.Parent ? this->*entry.Parent : MainMenu1->Items())->Add(item);
    }
    SetMenu(MainMenu1);
}

void TfrmLumbra::FillLanguageTexts()
{
    AddLangEntry(mlLangLinked1, mlLangLinked1->OtherStrings(), QStringLiteral("TfrmLumbra.HelpFile"),
                 QStringLiteral("lumbra.hlp"), QStringLiteral("lumbra_ru.hlp"));
    AddLumbraStrings(mlLangLinked1);
    AddHelpStrings(mlLangLinked1);
    FillLocales(mlLangLinked1);
    mlLangLinked1->SetNumOfLanguages(2);
    mlLangLinked1->SetChangeLocales(true);
    // A switch refills both tables.
    mlLangLinked1->SetChangingCursor(crHourGlass);
    mlLangLinked1->SetLangDispatcher(mlLangDispatcher1);
    mlLangLinked1->SetOnChangeLanguage(MakeEvent<&F::mlLangLinked1ChangeLanguage>(this));
}
