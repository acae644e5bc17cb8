#pragma once

#include "PluginContract.h"
#include "Records.h"
#include "classes/Component.h"
#include "controls/Control.h"
#include "controls/StringGrid.h"
#include "forms/Form.h"
#include "rtl/Exceptions.h"
#include "tables/FieldSettings.h"
#include "tables/RecordRows.h"

#include <QString>
#include <array>

class TCanvas;
class TComboBox;
class TEdit;
class TGroupBox;
class TImage;
class TImageList;
class TLabel;
class TMainMenu;
class TMenuItem;
class TPaintBox;
class TPrintDialog;
class TPanel;
class TSpeedButton;
class TSpinEdit;
class TStatusBar;
class TmlFormStorage;
class TmlLangDispatcher;
class TmlLangLinked;
class TfrmEditRecord;
struct TViewerContext;

// One cell of the composite-images window: where a preview goes and which image it shows.
struct TCompositeSlot {
    bool Used = false;
    int X = 0;
    int Y = 0;
    int ImageNumber = 0;
    int ImageID = 0;
};

// The composite-images window's cells, 8 rows of 6, and the number the next added image gets.
struct TCompositeSlots {
    static constexpr int Columns = 6;
    static constexpr int Rows = 8;
    static constexpr int Spacing = 121;
    std::array<TCompositeSlot, Columns * Rows> Slots;
    int NextImageNumber = 1;

    // Every cell unused, at its place in the grid.
    void Reset();
};

// The plug-in's main window: the stored tunings and images of the shared data manager in two tables, each
// with its tool bar, find panel, column settings and preview. Handlers shared by both tables tell them apart
// by the Tag of the control that raised the event: 1 tunings, 2 images.
class TfrmLumbra : public TForm {
    Q_OBJECT
public:
    explicit TfrmLumbra(TComponent *owner);
    ~TfrmLumbra() override;

    TGroupBox *GroupBox1;
    TPanel *pnTunBar;
    TSpeedButton *sbTunEdit;
    TSpeedButton *sbTunDelete;
    TSpeedButton *sbTunCrit;
    TSpeedButton *sbTunSearch;
    TPanel *pnTunSearch;
    TLabel *Label1;
    TComboBox *cbTunSrchCol;
    TLabel *Label2;
    TEdit *edTunSrch;
    TStringGrid *sgTunings;
    TPanel *Panel1;
    TImage *imgTun;
    TGroupBox *GroupBox2;
    TPanel *pnImgBar;
    TSpeedButton *sbImgEdit;
    TSpeedButton *sbImgDelete;
    TSpeedButton *sbImgSearch;
    TSpeedButton *sbImgCrit;
    TSpeedButton *sbCompositeImages;
    TSpeedButton *SpeedButton1;
    TStringGrid *sgImages;
    TPanel *Panel2;
    TPanel *paImage;
    TImage *imgImage;
    TPanel *pnDynImg;
    TImage *imgDynImg;
    TPanel *Panel5;
    TSpinEdit *seImgLevel;
    TPanel *paColor;
    TPaintBox *pbColor;
    TSpeedButton *sbDynImageView;
    TStatusBar *StatusBar1;
    TMainMenu *MainMenu1;
    TMenuItem *Tunings1;
    TMenuItem *TunView1;
    TMenuItem *TunDelete1;
    TMenuItem *N1;
    TMenuItem *TunPrint1;
    TMenuItem *TunPrintAll1;
    TMenuItem *N2;
    TMenuItem *TunCriteria1;
    TMenuItem *N3;
    TMenuItem *TunFind1;
    TMenuItem *Images1;
    TMenuItem *ImgView1;
    TMenuItem *ImgDelete1;
    TMenuItem *N4;
    TMenuItem *ImgPrint1;
    TMenuItem *ImgPrintAll1;
    TMenuItem *N5;
    TMenuItem *ImgCriteria1;
    TMenuItem *N6;
    TMenuItem *ImgFind1;
    TMenuItem *N8;
    TMenuItem *ImgSet1;
    TMenuItem *Help1;
    TMenuItem *Contents1;
    TMenuItem *Index1;
    TMenuItem *N7;
    TMenuItem *About1;
    TImageList *ImageList1;
    TmlLangDispatcher *mlLangDispatcher1;
    TmlLangLinked *mlLangLinked1;
    TmlFormStorage *mlFormStorage1;
    TPrintDialog *PrintDialog1;

    TDataManager *DataManager = nullptr;
    int ImagesSortColumn = -1;
    int TuningsSortColumn = -1;
    bool ImagesAscending = true;
    bool TuningsAscending = true;
    bool DoWarnings = true;
    TPaletteEntry Palette[PaletteSize] = {};
    // Each table's row texts, made once for each record and kept for the next rebuild.
    TRecordRows TuningRows;
    TRecordRows ImageRows;

    void SetColumnTitles();
    void UpdateStrings();
    void UpdateStatusBar();
    void LoadAllFieldSettings();
    // Writes what the user changed in this program since the settings were last read or written, and what the
    // store lacks; raises ERegistryException when the store cannot take it.
    void SaveAllFieldSettings();
    void EditCriteria(TStringGrid *grid);

    void sbTunCritClick(TObject *sender);
    void sbTunSearchClick(TObject *sender);
    void edTunSrchChange(TObject *sender);
    void pnTunSearchExit(TObject *sender);
    void sgTuningsDrawCell(TObject *sender, int col, int row, TRect rect, TGridDrawState state);
    void sgTuningsSelectCell(TObject *sender, int col, int row, bool &canSelect);
    void sgTuningsMouseDown(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void sgTuningsMouseUp(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void pnTunBarMouseMove(TObject *sender, TShiftState shift, int x, int y);
    void seImgLevelChange(TObject *sender);
    void FormCreate(TObject *sender);
    void FormShow(TObject *sender);
    void FormClose(TObject *sender, TCloseAction &action);
    void mlLangLinked1ChangeLanguage(TObject *sender);
    void Contents1Click(TObject *sender);
    void Index1Click(TObject *sender);
    void About1Click(TObject *sender);
    // Stores a changed choice in the settings store.
    void SetDoWarnings(bool value);

    // The image side: level image window, palette strip and dialog, dragging the level preview out, adding the
    // selected image to the composite sheet, and the images set window that takes dropped previews.
    void sbDynImageViewClick(TObject *sender);
    void imgDynImgMouseDown(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void pbColorPaint(TObject *sender);
    void pbColorClick(TObject *sender);
    void SpeedButton1Click(TObject *sender);
    void ImgSet1Click(TObject *sender);
    // Draws the level preview of the current images row anew; a row without a record is left as it is.
    void RedrawLevelPreview();

    // Deleting and viewing the record of the current row; the table is the one of the sender's Tag.
    void sbTunDeleteClick(TObject *sender);
    void sbTunEditClick(TObject *sender);
    // The record viewer on the current row's record; OK rewrites the row. A tuning asked for by an image's
    // viewer (caller) stands beside it; an impact image opens the impact viewer.
    void ViewTuning(TForm *caller);
    void ViewImage();
    // Makes the first tunings row with a record of these keys the current row; false when none is shown.
    bool SelectTuningByIds(int deviceNumber, int tuningId);

    // After the print dialog, the current row's record or every row's, in the table's order, a page each.
    void Print1Click(TObject *sender);
    void PrintAll1Click(TObject *sender);
    void Print2Click(TObject *sender);
    void PrintAll2Click(TObject *sender);
    // Draws the page of the row's record on the printer's canvas; a row without a record draws nothing.
    void PrintTunings(TCanvas *canvas, int row);
    void PrintImages(TCanvas *canvas, int row);

private:
    void BuildComponents();
    // The record in the table's current row, none when the row has none.
    TLumbraTuningMessage *CurrentTuningRecord() const;
    TLumbraImageMessage *CurrentImageRecord() const;
    TViewerContext ViewerContext();
    void BuildMenu();
    void BuildPrinting();
    void FillLanguageTexts();
    // The header cell of the column under the point, when a left press or release there means a header click.
    bool HeaderHit(TStringGrid *grid, TMouseButton button, int x, int y, int &col) const;
};

// Carries the plug-in's menu command and its exception handler; owns the main window.
class TTmpObj : public TComponent {
    Q_OBJECT
public:
    explicit TTmpObj(TComponent *owner);
    ~TTmpObj() override;

    TDataManager *DataManager = nullptr;

    void DoTestAction(TObject *sender);
    void DoConfigAction(TObject *sender);
    // Every exception of the plug-in's windows ends here, dropped: the operation in progress just stops.
    void AppException(TObject *sender, Exception *error);
};

// Per table: the selected row holds no record; the table's last record was deleted and row 1 is blank.
struct TTableFlags {
    bool NoRecord = false;
    bool Emptied = false;
};

extern TfrmLumbra *frmLumbra;
extern TTmpObj *TmpObj;
// The host's dispatcher, kept from the registration; only its ActiveLanguage is read.
extern TmlLangDispatcher *HostDispatcher;
extern TTableFlags TuningsFlags;
extern TTableFlags ImagesFlags;
extern TFieldSettings TuningSettings;
extern TFieldSettings ImageSettings;
extern TCompositeSlots CompositeSlots;

// The unit's own name for it: the contract's entry of the same name only calls it.
namespace lumbra_u {
// Rebuilds both tables from the window's data manager; a failure is shown as "From LUMBRA-C:" and its message.
void OnDataUpdate();
// The same after the data manager added records, which may stand where records it freed stood: the rows kept
// for the records are made anew.
void OnDataChanged();
} // namespace lumbra_u

// The registration steps of the plug-in; answers the number of its menu items.
int RegisterLumbra(HWND appHandle, std::uint8_t *isDataManager, TDataManager **dataManager,
                   TmlLangDispatcher *dispatcher);
// Frees the command object and with it the window.
void UnregisterLumbra();
