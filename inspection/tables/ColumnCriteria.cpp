// The column settings of the main window's tables: kept in the settings store, edited in the criteria dialog.

#include "mainwindow/LumbraTexts.h"
#include "mainwindow/LumbraWindow.h"
#include "tables/CriteriaDialog.h"

#include "controls/ComboBox.h"
#include "controls/PageControl.h"
#include "forms/Cursors.h"
#include "mlLangDispatcher.h"
#include "mlLngLnk.h"
#include "registry/RegistryStore.h"

#include <memory>

TFieldSettings TuningSettings;
TFieldSettings ImageSettings;

namespace {
const QString TuningsSection = QStringLiteral("Tunings");
const QString ImagesSection = QStringLiteral("Images");

// The arrays hold the defaults standing in for stored settings that could not be read.
bool standIn = false;
} // namespace

void TfrmLumbra::LoadAllFieldSettings()
{
    TuningSettings.assign(TuningColumnCount, {});
    ImageSettings.assign(ImageColumnCount, {});
    ResetFieldSettings(TuningSettings, TuningColumnCount - 1);
    ResetFieldSettings(ImageSettings, ImageColumnCount - 1);
    standIn = true;
    LoadFieldSettings(TuningsSection, TuningSettings, TuningColumnCount - 1);
    LoadFieldSettings(ImagesSection, ImageSettings, ImageColumnCount - 1);
    standIn = false;
}

// Arrays emptied by a close save nothing. Both tables' settings go to the store in one rewrite.
void TfrmLumbra::SaveAllFieldSettings()
{
    TRegistryUpdate update;
    SaveFieldSettings(TuningsSection, TuningSettings, int(TuningSettings.size()) - 1);
    SaveFieldSettings(ImagesSection, ImageSettings, int(ImageSettings.size()) - 1);
    standIn = false;
}

// Settings standing in for stored ones that could not be read never replace those: only the dialog's OK does.
void TfrmLumbra::SaveFieldSettingsAtClose()
{
    if (!standIn)
        SaveAllFieldSettings();
}

void TfrmLumbra::EditCriteria(TStringGrid *grid)
{
    TFieldSettings &settings = grid->Tag() == 1 ? TuningSettings : ImageSettings;
    // Settings not read yet (no data shown so far) come from the store, so every column has its own.
    if (int(settings.size()) < grid->ColCount())
        LoadAllFieldSettings();
    TFieldSettings working = settings;

    std::unique_ptr<TfrmGridCrit> dialog(new TfrmGridCrit(nullptr));
    dialog->mlLangLinked1->SetLangDispatcher(mlLangDispatcher1);
    for (int col = 0; col < grid->ColCount(); ++col) {
        auto *page = new TTabSheet(dialog.get());
        page->SetPageControl(dialog->pcFields);
        page->SetCaption(grid->Cells(col, 0));
    }
    for (TLumbraText name : CriteriaNames)
        dialog->cbDataCrit->Items()->Add(LumbraText(name));
    dialog->Settings = &working;
    dialog->pcFieldsChange(dialog.get());
    if (dialog->ShowModal() != mrOk)
        return;
    const TBusyCursor busy;
    settings = working;
    SaveAllFieldSettings();
    lumbra_u::OnDataUpdate();
}

void TfrmLumbra::sbTunCritClick(TObject *sender)
{
    EditCriteria(static_cast<TComponent *>(sender)->Tag() == 1 ? sgTunings : sgImages);
}
