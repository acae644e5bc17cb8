// The main window's life cycle, its texts and status line, and what the tables do on drawing, clicks and
// selection.

#include "LangEntry.h"
#include "entries/SettingsKey.h"
#include "images/PaletteStore.h"
#include "mainwindow/FailureReport.h"
#include "mainwindow/LumbraAboutBox.h"
#include "mainwindow/LumbraTexts.h"
#include "mainwindow/LumbraWindow.h"
#include "mainwindow/WarningBox.h"
#include "reports/PartialPicture.h"
#include "tables/GridRows.h"

#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/Image.h"
#include "controls/ImageList.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/SpinEdit.h"
#include "controls/StatusBar.h"
#include "forms/Application.h"
#include "forms/Cursors.h"
#include "graphics/DrawEdge.h"
#include "menus/Menus.h"
#include "mlLngLnk.h"
#include "platform/Help.h"
#include "registry/Registry.h"
#include "registry/RegistryStore.h"
#include "rtl/Codec1251.h"
#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

#include <span>

namespace {
constexpr TColor MenuGlyphMask = clOlive;

std::vector<QString> Titles(std::span<const TLumbraText> titles)
{
    std::vector<QString> texts;
    texts.reserve(titles.size());
    for (TLumbraText title : titles)
        texts.push_back(LumbraText(title));
    return texts;
}

QString StatusText(const TStringGrid *grid, int total, TLumbraText format)
{
    total = qMax(total, 0);
    const int shown = grid->DataRowsWithObject();
    return Format(LumbraText(format), {total, total > 0 ? total - shown : 0});
}

// The sort mark: a small triangle in the header cell's top-right corner, its apex up for ascending.
void DrawSortMark(TCanvas *canvas, const TRect &rect, bool ascending)
{
    const int base = ascending ? 11 : 2;
    const int apex = ascending ? 2 : 11;
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(rect.Right - 3, rect.Top + base);
    canvas->LineTo(rect.Right - 13, rect.Top + base);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->LineTo(rect.Right - 8, rect.Top + apex);
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->LineTo(rect.Right - 3, rect.Top + base);
}
} // namespace

void TfrmLumbra::FormCreate(TObject *)
{
    ImageList1->ResourceLoad(QStringLiteral("MENUS"), MenuGlyphMask);
    UpdateStrings();
    DoWarnings = true;
    try {
        TRegistry registry;
        if (registry.OpenKey(LumbraSettingsKey, true))
            DoWarnings = registry.ReadBool(QStringLiteral("DoWarnings"));
    } catch (const Exception &) {
        DoWarnings = true;
    }
    LinkWarnings({[this] { return DoWarnings; }, [this](bool value) { SetDoWarnings(value); }, mlLangLinked1});
    try {
        LoadPalette(Palette);
    } catch (const ERangeError &error) {
        // A stored palette that cannot be used: the user learns which value; the defaults stand in.
        Application->ShowException(this, error);
    } catch (const ERegistryException &) {
        // As the window's place and the warnings switch: a store that fails now is reported by the action that
        // needs it, and the defaults standing in are not written over the stored palette.
    }
    CompositeSlots.Reset();
    TuningsFlags.NoRecord = false;
    ImagesFlags.NoRecord = false;
}

void TfrmLumbra::FormShow(TObject *)
{
    ImagesSortColumn = -1;
    TuningsSortColumn = -1;
    ImagesAscending = true;
    TuningsAscending = true;
    sgTunings->SetRow(1);
    sgImages->SetRow(1);
    for (TStringGrid *grid : {sgTunings, sgImages}) {
        bool canSelect = true;
        sgTuningsSelectCell(grid, grid->Col(), grid->Row(), canSelect);
    }
}

// The settings go to the store in one rewrite. The window closes even when the store cannot take them now; the
// user is told why.
void TfrmLumbra::FormClose(TObject *, TCloseAction &)
{
    try {
        TRegistryUpdate update;
        SaveAllFieldSettings();
        SavePaletteAtClose(Palette);
    } catch (const Exception &error) {
        ReportLumbraFailure(error);
    }
    TuningSettings.clear();
    ImageSettings.clear();
}

void TfrmLumbra::mlLangLinked1ChangeLanguage(TObject *)
{
    UpdateStrings();
    SetColumnTitles();
    UpdateStatusBar();
    lumbra_u::OnDataUpdate();
}

void TfrmLumbra::UpdateStrings()
{
    ReadLumbraTexts(mlLangLinked1);
    // The plug-in's dialogs that name no help file of their own (message boxes, the about box) show the window's.
    Application->SetHelpFile(HelpFile());
    ApplyHelpStrings(mlLangLinked1);
}

void TfrmLumbra::SetColumnTitles()
{
    sgTunings->SetColCount(TuningColumnCount);
    sgTunings->SetRowTexts(0, Titles(TuningTitles));
    sgImages->SetColCount(ImageColumnCount);
    sgImages->SetRowTexts(0, Titles(ImageTitles));
}

void TfrmLumbra::UpdateStatusBar()
{
    StatusBar1->Panels()->Items(0)->SetText(
        StatusText(sgTunings, DataManager ? DataManager->GetTuningCount() : 0, strSTUNSTAT));
    StatusBar1->Panels()->Items(1)->SetText(
        StatusText(sgImages, DataManager ? DataManager->GetImageCount() : 0, strSIMGSTAT));
}

void TfrmLumbra::sgTuningsDrawCell(TObject *sender, int col, int row, TRect rect, TGridDrawState state)
{
    auto *grid = static_cast<TStringGrid *>(sender);
    if (grid->ColWidths(col) == -1)
        return;
    TCanvas *canvas = grid->Canvas();
    const bool tunings = grid->Tag() == 1;
    if (row == 0) {
        if (col == (tunings ? TuningsSortColumn : ImagesSortColumn))
            DrawSortMark(canvas, rect, tunings ? TuningsAscending : ImagesAscending);
        return;
    }
    const TFieldSettings &settings = tunings ? TuningSettings : ImageSettings;
    if ((state & gdSelected) || col >= int(settings.size()))
        return;
    canvas->Font()->SetColor(settings[col].TxtColor);
    canvas->Brush()->SetColor(settings[col].BGColor);
    canvas->FillRect(rect);
    canvas->TextOut(rect.Left + 2, rect.Top + 2, grid->Cells(col, row));
}

bool TfrmLumbra::HeaderHit(TStringGrid *grid, TMouseButton button, int x, int y, int &col) const
{
    if (button != mbLeft || grid->InColumnSizingZone(x, y))
        return false;
    int row = -1;
    grid->MouseToCell(x, y, col, row);
    return row == 0 && col >= 0 && col < grid->ColCount();
}

void TfrmLumbra::sgTuningsMouseDown(TObject *sender, TMouseButton button, TShiftState, int x, int y)
{
    auto *grid = static_cast<TStringGrid *>(sender);
    int col = -1;
    if (!HeaderHit(grid, button, x, y, col))
        return;
    TCanvas *canvas = grid->Canvas();
    TRect rect = grid->CellRect(col, 0);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(rect);
    DrawEdge(canvas, rect, EDGE_SUNKEN, BF_RECT);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clWindowText);
    canvas->TextOut(rect.Left + 4, rect.Top + 4, grid->Cells(col, 0));
    canvas->Brush()->SetColor(clWindow);
    canvas->Brush()->SetStyle(bsSolid);
}

void TfrmLumbra::sgTuningsMouseUp(TObject *sender, TMouseButton button, TShiftState, int x, int y)
{
    auto *grid = static_cast<TStringGrid *>(sender);
    int col = -1;
    if (!HeaderHit(grid, button, x, y, col))
        return;
    const bool tunings = grid->Tag() == 1;
    int &sortColumn = tunings ? TuningsSortColumn : ImagesSortColumn;
    bool &ascending = tunings ? TuningsAscending : ImagesAscending;
    if (col == sortColumn)
        ascending = !ascending;
    sortColumn = col;
    const TBusyCursor busy;
    SortGridByColumn(grid, col, ascending);
}

void TfrmLumbra::sgTuningsSelectCell(TObject *sender, int, int row, bool &)
{
    auto *grid = static_cast<TStringGrid *>(sender);
    const bool tunings = grid->Tag() == 1;
    TTableFlags &flags = tunings ? TuningsFlags : ImagesFlags;
    TObject *record = row > 0 && row < grid->RowCount() ? grid->Objects(0, row) : nullptr;
    flags.NoRecord = !record || flags.Emptied;
    if (flags.NoRecord)
        return;
    if (tunings) {
        DrawAsFarAsItGoes([&] { static_cast<TLumbraTuningMessage *>(record)->Draw(imgTun->Canvas(), 0, 0); });
        Panel1->SetCaption(QString());
        return;
    }
    auto *image = static_cast<TLumbraImageMessage *>(record);
    const bool ordinary = image->ImageType == 0 || image->ImageType == 2;
    paImage->SetVisible(ordinary);
    pnDynImg->SetVisible(image->ImageType == 1);
    DrawAsFarAsItGoes([&] {
        if (ordinary)
            image->Draw(imgImage->Canvas(), 0, 0);
        else
            DrawLevelImage(image, imgDynImg->Canvas(), 0, 0, Palette);
    });
    Panel2->SetCaption(QString());
}

void TfrmLumbra::seImgLevelChange(TObject *)
{
    bool canSelect = true;
    sgTuningsSelectCell(sgImages, sgImages->Col(), sgImages->Row(), canSelect);
}

void TfrmLumbra::pnTunBarMouseMove(TObject *, TShiftState, int, int)
{
    for (TPanel *bar : {pnImgBar, pnTunBar})
        for (int i = 0; i < bar->ControlCount(); ++i)
            if (auto *button = dynamic_cast<TSpeedButton *>(bar->Controls(i)))
                button->MouseLeave();
}

void TfrmLumbra::sbTunSearchClick(TObject *sender)
{
    const bool tunings = static_cast<TComponent *>(sender)->Tag() == 1;
    TPanel *bar = tunings ? pnTunBar : pnImgBar;
    TSpeedButton *own = tunings ? sbTunSearch : sbImgSearch;
    TSpeedButton *other = tunings ? sbImgSearch : sbTunSearch;
    TStringGrid *grid = tunings ? sgTunings : sgImages;
    // Moving the panel takes the focus out of its edit; the panel is not left by that.
    const TNotifyEvent onExit = pnTunSearch->OnExit();
    pnTunSearch->SetOnExit({});
    pnTunSearch->SetParent(bar);
    pnTunSearch->SetOnExit(onExit);
    if (dynamic_cast<TMenuItem *>(sender))
        own->SetDown(true);
    pnTunSearch->SetVisible(own->Down());
    other->SetDown(false);
    if (!pnTunSearch->Visible()) {
        grid->SetFocus();
        return;
    }
    pnTunSearch->SetLeft(own->Left() + own->Width() + 5);
    edTunSrch->SetText(QString());
    edTunSrch->SetFocus();
    TStrings *columns = cbTunSrchCol->Items();
    columns->Clear();
    for (int col = 0; col < grid->ColCount(); ++col)
        columns->Add(grid->Cells(col, 0));
    cbTunSrchCol->SetItemIndex(0);
}

void TfrmLumbra::edTunSrchChange(TObject *)
{
    TStringGrid *grid = pnTunSearch->Parent() && pnTunSearch->Parent()->Tag() == 1 ? sgTunings : sgImages;
    const int col = cbTunSrchCol->ItemIndex();
    // While the panel is being filled no column is chosen yet.
    if (col < 0 || col >= grid->ColCount())
        return;
    // Typed as a base letter and a combining mark, a letter still finds the one the table holds.
    const int row = FindRowInColumn(grid, col, ComposedText(edTunSrch->Text()));
    if (row > 0) {
        grid->SetRow(row);
        grid->SetCol(col);
    }
}

void TfrmLumbra::pnTunSearchExit(TObject *)
{
    pnTunSearch->SetVisible(false);
    sbTunSearch->SetDown(false);
    sbImgSearch->SetDown(false);
}

void TfrmLumbra::Contents1Click(TObject *) { Application->HelpCommand(HELP_FINDER, 0); }

void TfrmLumbra::About1Click(TObject *) { ShowLumbraAbout(mlLangLinked1); }

void TfrmLumbra::SetDoWarnings(bool value)
{
    if (value == DoWarnings)
        return;
    DoWarnings = value;
    TRegistry registry;
    if (registry.OpenKey(LumbraSettingsKey, true))
        registry.WriteBool(QStringLiteral("DoWarnings"), value);
}

void TfrmLumbra::Index1Click(TObject *)
{
    static const char emptyKey[] = "";
    Application->HelpCommand(HELP_PARTIALKEY, reinterpret_cast<quintptr>(emptyKey));
}
