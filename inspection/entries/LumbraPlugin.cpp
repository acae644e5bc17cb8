#include "mainwindow/LumbraWindow.h"

#include "images/CompositeSheet.h"
#include "images/ImagesSetWindow.h"
#include "mainwindow/FailureReport.h"
#include "mlLangDispatcher.h"
#include "tables/GridRows.h"

#include "forms/Application.h"
#include "forms/Cursors.h"
#include "registry/RegistryStore.h"

#include <utility>

TfrmLumbra *frmLumbra = nullptr;
TTmpObj *TmpObj = nullptr;
TmlLangDispatcher *HostDispatcher = nullptr;
TTableFlags TuningsFlags;
TTableFlags ImagesFlags;
TCompositeSlots CompositeSlots;

namespace {
// Frees the command object, and with it the window, when the library is unloaded. Made at the first
// registration, so it goes before the module's other globals, which the window still uses on its way out.
struct TLumbraFinalization {
    TLumbraFinalization() { KeepRegistryStoreCache(); }
    TLumbraFinalization(const TLumbraFinalization &) = delete;
    TLumbraFinalization &operator=(const TLumbraFinalization &) = delete;
    ~TLumbraFinalization() { UnregisterLumbra(); }
};

// One row a record, in the manager's list order. Without records a single blank row stays, holding none.
template <class Message>
void FillTable(TStringGrid *grid, int count, const TDynArray<Message *> *list, TRecordRows &rows,
               TTableFlags &flags)
{
    if (count <= 0) {
        grid->SetRowCount(2);
        grid->SetObjects(0, 1, nullptr);
        grid->SetRowTexts(1, TRowTexts());
        return;
    }
    grid->SetDataRows(rows.Rows(*list, count));
    flags = {};
}
} // namespace

void TCompositeSlots::Reset()
{
    for (int i = 0; i < int(Slots.size()); ++i)
        Slots[i] = {false, i % Columns * Spacing, i / Columns * Spacing, 0, 0};
    NextImageNumber = 1;
}

TTmpObj::TTmpObj(TComponent *owner) : TComponent(owner) { frmLumbra = new TfrmLumbra(nullptr); }

// The plug-in's windows go with it, before its library is unloaded.
TTmpObj::~TTmpObj()
{
    delete fmImagesSet;
    delete std::exchange(AllImageForm, nullptr);
    delete std::exchange(frmLumbra, nullptr);
}

void TTmpObj::DoTestAction(TObject *) {}

void TTmpObj::DoConfigAction(TObject *)
{
    const TBusyCursor busy;
    if (HostDispatcher)
        frmLumbra->mlLangDispatcher1->SetActiveLanguage(HostDispatcher->ActiveLanguage);
    frmLumbra->DataManager = DataManager;
    lumbra_u::OnDataUpdate();
    TCanvas *canvas = frmLumbra->Canvas();
    for (TStringGrid *grid : {frmLumbra->sgTunings, frmLumbra->sgImages})
        for (int col = 0; col < grid->ColCount(); ++col)
            if (grid->ColWidths(col) != -1)
                grid->SetColWidths(col, canvas->TextWidth(grid->Cells(col, 0)) + 20);
    frmLumbra->Show();
}

void TTmpObj::AppException(TObject *, Exception *) {}

void lumbra_u::OnDataUpdate()
{
    TfrmLumbra *form = frmLumbra;
    if (!form || !form->DataManager)
        return;
    TDataManager *manager = form->DataManager;
    // Filling and filtering the tables takes its time on a large journal, whoever asked for it.
    const TBusyCursor busy;
    // The column settings are read as the store holds them now, with one look at it.
    const TRegistryRead reading;
    try {
        form->SetColumnTitles();
        FillTable(form->sgTunings, manager->GetTuningCount(), manager->GetTuningList(), form->TuningRows,
                  TuningsFlags);
        FillTable(form->sgImages, manager->GetImageCount(), manager->GetImageList(), form->ImageRows, ImagesFlags);
        form->LoadAllFieldSettings();
        ApplyCriteria(form->sgTunings, TuningSettings);
        ApplyCriteria(form->sgImages, ImageSettings);
        form->UpdateStatusBar();
    } catch (const Exception &error) {
        ReportLumbraFailure(error);
    }
}

void lumbra_u::OnDataChanged()
{
    if (frmLumbra) {
        frmLumbra->TuningRows.Clear();
        frmLumbra->ImageRows.Clear();
    }
    OnDataUpdate();
}

int RegisterLumbra(HWND appHandle, std::uint8_t *isDataManager, TDataManager **dataManager,
                   TmlLangDispatcher *dispatcher)
{
    static TLumbraFinalization finalization;
    UnregisterLumbra();
    Application->SetHandle(appHandle);
    TmpObj = new TTmpObj(Application);
    Application->SetOnException(MakeEvent<&TTmpObj::AppException>(TmpObj));
    TmpObj->DataManager = *dataManager;
    *isDataManager = 0;
    HostDispatcher = dispatcher;
    if (dispatcher)
        frmLumbra->mlLangDispatcher1->SetActiveLanguage(dispatcher->ActiveLanguage);
    return 1;
}

void UnregisterLumbra()
{
    // The windows' last words (a window place the store does not take) reach the plug-in's handler like all its
    // failures; the handler goes with the command object.
    const bool handling = TmpObj && Application->OnException().Data == TmpObj;
    delete std::exchange(TmpObj, nullptr);
    if (handling)
        Application->SetOnException({});
    HostDispatcher = nullptr;
}
