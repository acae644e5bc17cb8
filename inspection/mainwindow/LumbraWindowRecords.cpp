#include "mainwindow/LumbraWindow.h"

#include "controls/Image.h"
#include "controls/StringGrid.h"
#include "forms/Cursors.h"
#include "graphics/Canvas.h"
#include "mainwindow/LumbraTexts.h"
#include "mainwindow/WarningBox.h"
#include "mlLngLnk.h"
#include "mlMessageDialog.h"
#include "platform/CursorPos.h"
#include "viewer/RecordViewer.h"

#include <QScopeGuard>

// Deleting and viewing the record of a table's current row, and finding a tuning row by its keys.

namespace {
int TagOf(TObject *sender)
{
    const auto *component = dynamic_cast<const TComponent *>(sender);
    return component ? component->Tag() : 0;
}

// Blanks row 1 of a table whose last record went.
void BlankOnlyRow(TStringGrid *grid, int columns)
{
    grid->SetRowCount(2);
    grid->SetFixedRows(1);
    for (int col = 0; col < columns; ++col)
        grid->SetCells(col, 1, QString());
    grid->SetObjects(0, 1, nullptr);
}

// Draws a rectangle over the whole picture with the canvas's current pen and brush.
void WipePreview(TImage *image)
{
    image->Canvas()->Rectangle(0, 0, image->Width(), image->Height());
}
} // namespace

void TfrmLumbra::sbTunDeleteClick(TObject *sender)
{
    const bool tunings = TagOf(sender) == 1;
    TTableFlags &flags = tunings ? TuningsFlags : ImagesFlags;
    if (flags.NoRecord)
        return;
    if (ShowMessageDlg(mlLangLinked1, LumbraText(strSDELCONFIRM), mtWarning, MsgDlgButtons({mbYes, mbNo, mbHelp}),
                       0) != mrYes)
        return;
    const TBusyCursor busy;
    TStringGrid *grid = tunings ? sgTunings : sgImages;
    const int row = grid->Row();
    TObject *record = grid->Objects(0, row);
    if (tunings)
        DataManager->DeleteTuning(dynamic_cast<TLumbraTuningMessage *>(record));
    else
        DataManager->DeleteImage(dynamic_cast<TLumbraImageMessage *>(record));
    (tunings ? TuningRows : ImageRows).Forget(record);
    grid->DeleteRow(row);
    if (grid->RowCount() > 1)
        return;
    BlankOnlyRow(grid, tunings ? TuningColumnCount : ImageColumnCount);
    if (tunings) {
        WipePreview(imgTun);
    } else {
        WipePreview(imgDynImg);
        WipePreview(imgImage);
    }
    flags.NoRecord = true;
    flags.Emptied = true;
}

void TfrmLumbra::sbTunEditClick(TObject *sender)
{
    if (auto *grid = dynamic_cast<TStringGrid *>(sender)) {
        const TPoint at = grid->ScreenToClient(GetCursorPos());
        int col = -1, row = -1;
        grid->MouseToCell(at.X, at.Y, col, row);
        if (col < 0 || row < grid->FixedRows())
            return;
    }
    // The viewer opens with the normal cursor; loading it and rewriting the row afterwards show the busy one.
    const TBusyCursor busy;
    ViewerOrigin = voNone;
    if (TagOf(sender) != 1) {
        if (ImagesFlags.NoRecord)
            return;
        ViewerOrigin = voImage;
        ViewImage();
        return;
    }
    if (TuningsFlags.NoRecord)
        return;
    ViewerOrigin = voTuning;
    ViewTuning(nullptr);
}

TLumbraTuningMessage *TfrmLumbra::CurrentTuningRecord() const
{
    return dynamic_cast<TLumbraTuningMessage *>(sgTunings->Objects(0, sgTunings->Row()));
}

TLumbraImageMessage *TfrmLumbra::CurrentImageRecord() const
{
    return dynamic_cast<TLumbraImageMessage *>(sgImages->Objects(0, sgImages->Row()));
}

TViewerContext TfrmLumbra::ViewerContext()
{
    TViewerContext context;
    context.Manager = DataManager;
    context.Palette = Palette;
    context.CurrentImage = CurrentImageRecord();
    context.LangDispatcher = mlLangDispatcher1;
    context.CommonLang = mlLangLinked1;
    context.ShowTuning = [this](int deviceNumber, int tuningId, TfrmEditRecord *caller) {
        const TBusyCursor busy;
        if (!SelectTuningByIds(deviceNumber, tuningId)) {
            ShowNoTuningWarning(true);
            return;
        }
        ViewerOrigin = voTuning;
        const auto restore = qScopeGuard([] { ViewerOrigin = voImage; });
        ViewTuning(caller);
    };
    context.FindTuning = [this](int deviceNumber, int tuningId) -> const TLumbraTuningMessage * {
        if (TuningsFlags.NoRecord || !SelectTuningByIds(deviceNumber, tuningId))
            return nullptr;
        return CurrentTuningRecord();
    };
    return context;
}

void TfrmLumbra::ViewTuning(TForm *caller)
{
    TLumbraTuningMessage *tuning = CurrentTuningRecord();
    if (tuning && ViewTuningRecord(ViewerContext(), tuning, caller))
        sgTunings->SetRowTexts(sgTunings->Row(), TuningRows.Refresh(*tuning));
}

void TfrmLumbra::ViewImage()
{
    TLumbraImageMessage *image = CurrentImageRecord();
    if (!image)
        return;
    const auto view = image->ImageType > 1 ? ViewImpactImageRecord : ViewImageRecord;
    if (view(ViewerContext(), image))
        sgImages->SetRowTexts(sgImages->Row(), ImageRows.Refresh(*image));
}

bool TfrmLumbra::SelectTuningByIds(int deviceNumber, int tuningId)
{
    for (int row = 1; row < sgTunings->RowCount(); ++row) {
        const auto *tuning = dynamic_cast<const TLumbraTuningMessage *>(sgTunings->Objects(0, row));
        // The keys are 16-bit: compared zero-extended, a number beyond them matches nothing.
        if (tuning && tuning->TuningID == tuningId && tuning->DeviceNumber == deviceNumber) {
            sgTunings->SetRow(row);
            return true;
        }
    }
    return false;
}
