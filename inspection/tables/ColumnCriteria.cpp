// The column settings of the main window's tables: kept in the settings store, edited in the criteria dialog.

#include "mainwindow/FailureReport.h"
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

// The settings as this program last read them from the store or wrote them there: what differs from them is
// what the user changed here, the only thing written back, so that another program's changes stay.
TFieldSettings tuningsRead;
TFieldSettings imagesRead;
} // namespace

// A store that cannot be read is told of; the tables keep the settings they have, and without any the defaults
// stand in, which are never written over what the store holds.
void TfrmLumbra::LoadAllFieldSettings()
{
    TFieldSettings tunings(TuningColumnCount);
    TFieldSettings images(ImageColumnCount);
    try {
        LoadFieldSettings(TuningsSection, tunings, TuningColumnCount - 1);
        LoadFieldSettings(ImagesSection, images, ImageColumnCount - 1);
    } catch (const ERegistryException &error) {
        ReportLumbraFailure(error);
        if (int(TuningSettings.size()) == TuningColumnCount && int(ImageSettings.size()) == ImageColumnCount)
            return;
        // What was read before the failure is no whole setting either.
        ResetFieldSettings(tunings, TuningColumnCount - 1);
        ResetFieldSettings(images, ImageColumnCount - 1);
    }
    TuningSettings = tuningsRead = tunings;
    ImageSettings = imagesRead = images;
}

// Arrays emptied by a close save nothing. Both tables' settings go to the store in one rewrite, which counts as
// read once it is made (inside a caller's update: once the update has taken it).
void TfrmLumbra::SaveAllFieldSettings()
{
    {
        TRegistryUpdate update;
        SaveFieldSettings(TuningsSection, TuningSettings, int(TuningSettings.size()) - 1, tuningsRead);
        SaveFieldSettings(ImagesSection, ImageSettings, int(ImageSettings.size()) - 1, imagesRead);
    }
    tuningsRead = TuningSettings;
    imagesRead = ImageSettings;
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
    // A store that cannot take them now is told of; the tables apply them all the same, and the window's close
    // tries to store them again.
    try {
        SaveAllFieldSettings();
    } catch (const ERegistryException &error) {
        ReportLumbraFailure(error);
    }
    lumbra_u::OnDataUpdate();
}

void TfrmLumbra::sbTunCritClick(TObject *sender)
{
    EditCriteria(static_cast<TComponent *>(sender)->Tag() == 1 ? sgTunings : sgImages);
}
