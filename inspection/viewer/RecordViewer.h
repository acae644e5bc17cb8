#pragma once

#include "classes/Types.h"
#include "controls/Control.h"
#include "forms/Form.h"

#include <functional>

class TBitBtn;
class TBitmap;
class TButton;
class TCustomLumbraMessage;
class TDataManager;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TLumbraImageMessage;
class TLumbraTuningMessage;
class TMemo;
class TNotebook;
class TPanel;
class TmlCustomLang;
class TmlLangDispatcher;
class TmlLangLinked;
struct TPaletteEntry;
class TfrmEditRecord;

// What the open viewer shows; the report of the viewer reads it to choose its layout.
enum TViewerOrigin { voNone = 0, voTuning = 1, voImage = 2 };
extern int ViewerOrigin;

// The pages of the viewer, one per kind of record.
enum TViewerPage { vpTuning = 0, vpImage = 1, vpImpactImage = 2 };

// State of the two image tools, one set for every viewer. ImpactScale (pixels a surface cell) keeps its value
// from one viewer to the next; the rest starts anew with each viewer or impact view.
struct TViewerToolState {
    qint32 ZoneStartX = 0, ZoneStartY = 0;
    qint32 ZoneEndX = 0, ZoneEndY = 0;
    qint32 MeasureWidth = 0, MeasureHeight = 0;
    bool MoveArmed = false;
    qint32 ImpactScale = 30;
    qint32 ImpactOffsetX = 0, ImpactOffsetY = 0;
};
extern TViewerToolState ViewerTools;
constexpr qint32 ContourStep = 24;
constexpr qint32 MinImpactScale = 2;
constexpr qint32 MaxImpactScale = 100;
// The record's picture lies this far inside the 160-pixel image, where the measuring frame starts.
constexpr int MeasureFrameOrigin = 20;

// What a viewer takes from the window that opens it.
struct TViewerContext {
    TDataManager *Manager = nullptr;
    const TPaletteEntry *Palette = nullptr;
    // The record in the images table's current row, or none: it sets the measuring frame.
    const TLumbraImageMessage *CurrentImage = nullptr;
    TmlLangDispatcher *LangDispatcher = nullptr;
    TmlCustomLang *CommonLang = nullptr;
    // ">>" of an image: show the tuning with these keys beside the calling viewer, or warn that there is none.
    std::function<void(int deviceNumber, int tuningId, TfrmEditRecord *caller)> ShowTuning;
    // The image report's tuning: made the tunings table's current row and answered, or none when the table holds
    // no record or no tuning of these keys.
    std::function<const TLumbraTuningMessage *(int deviceNumber, int tuningId)> FindTuning;
};

// Shows one tuning or image record on one of its three pages. Only the free texts can be changed; OK is enabled
// by the first change.
class TfrmEditRecord : public TForm {
    Q_OBJECT
public:
    explicit TfrmEditRecord(const TViewerContext &context);

    TPanel *pnTop;
    TLabel *lbComments;
    TEdit *edComments;
    TNotebook *nbEdit;
    TPanel *paBottom;
    TButton *btOK;
    TButton *btCancel;
    TButton *btHelp;
    TButton *ButPreview;

    // Tuning page.
    TGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    TEdit *edDevice, *edDeviceID, *EditTuningID, *edTunName, *EditTransducerID, *EditDate, *EditTime;
    TEdit *EditFrequency, *EditGain, *EditPulse, *EditStartPoint, *EditEndPoint, *EditAttenuation;
    TImage *imgSurface;

    // Image page.
    TGroupBox *GroupBox4, *GroupBox5, *GroupBox6, *GroupBox7;
    TEdit *edImgDevName, *edImgDevID, *EditImageID, *EditTuningID2, *edImgName, *EditStartDate, *EditStartTime;
    TEdit *EditDate2, *EditTime2, *EditImageWidth, *EditImageHeight, *EditStepX, *EditStepY, *Defectarea;
    TEdit *EditControlMade;
    TButton *buShowTunning;
    TImage *imgImage;
    TImage *Image1;
    TMemo *Memo1;

    // Impact image page.
    TGroupBox *GroupBox8, *GroupBox9;
    TMemo *memo_impimgconcl;
    TEdit *Ed_impimgtest, *Ed_impimgname, *Ed_impimgdate1, *Ed_impimgtime1, *Ed_impimgdate2, *Ed_impimgtime2;
    TEdit *Ed_impimgw, *Ed_impimgh, *ed_devtype, *Ed_deviceid, *Ed_impimgid;
    TPanel *Panel2;
    TImage *Image2;
    TBitBtn *BitBtn1, *BitBtn2, *BitBtn3, *BitBtn4, *BitBtn5, *BitBtn6;

    TmlLangLinked *mlLangLinked1;

    // Fills the page of the record's kind and draws its picture.
    void ShowTuning(const TLumbraTuningMessage *record);
    void ShowImage(const TLumbraImageMessage *record, TViewerPage page);
    // Writes the edited texts into the record through the manager and marks the manager modified.
    void ApplyTuning(TLumbraTuningMessage *record);
    void ApplyImage(TLumbraImageMessage *record);

    void FormCreate(TObject *sender);
    void FieldsChange(TObject *sender);
    void btOKClick(TObject *sender);
    void btHelpClick(TObject *sender);
    void ButPreviewClick(TObject *sender);
    void buShowTunningClick(TObject *sender);
    void Image1MouseDown(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void Image1MouseMove(TObject *sender, TShiftState shift, int x, int y);
    void drawimpactimg();
    void BitBtn1Click(TObject *sender);
    void BitBtn2Click(TObject *sender);
    void BitBtn3Click(TObject *sender);
    void BitBtn4Click(TObject *sender);
    void BitBtn5Click(TObject *sender);
    void BitBtn6Click(TObject *sender);

private:
    // A text field that OK writes into the record, and the label that names it.
    struct TStoredText {
        const TLabel *Label;
        const TControl *Control;
    };

    void BuildFields();
    void FitFieldsToLabels();
    void BuildImpactButtons();
    void AddTexts();
    void FirstImpactDrawing();
    void DrawImpactCells();
    void ClearOverlay();
    int CountMarkedPixels(int x0, int y0, int x1, int y1);
    void PreviewTuningReport();
    void PreviewImageReport(const TLumbraImageMessage *record);
    void PreviewImpactImageReport(const TLumbraImageMessage *record);
    int ActiveLanguage() const;
    QList<TStoredText> StoredTexts() const;
    void ShowConclusion(TMemo *memo, const QString &conclusion);
    // Runs the drawing of a record's picture. A picture whose data ends early stays drawn as far as it goes, and a
    // message names the record.
    void DrawPicture(const TCustomLumbraMessage *record, const std::function<void()> &draw);
    void ShowProblem(const QString &text);

    TViewerContext context_;
    const TLumbraImageMessage *image_ = nullptr;
    // A conclusion too long to lay out is shown in part and read-only; OK then leaves the record's own.
    bool conclusionShownWhole_ = true;
};

// Each opens a new viewer on the record, modally, and frees it afterwards. On OK the texts go back into the
// record through the manager and the answer is true; Cancel changes nothing. A tuning asked for by an image
// viewer (caller) stands to the right of it; the caller moves left for that time when the screen is too narrow.
bool ViewTuningRecord(const TViewerContext &context, TLumbraTuningMessage *record, TForm *caller);
bool ViewImageRecord(const TViewerContext &context, TLumbraImageMessage *record);
bool ViewImpactImageRecord(const TViewerContext &context, TLumbraImageMessage *record);

// How much of a conclusion the viewer shows and edits, and a report prints: all of it up to 32,767 characters
// (more is a damaged record), else as many as that without splitting a character beyond the basic plane.
qsizetype EditableLength(const QString &text);

// A record's date as day.month.year and time as hour:minute:second, numbers without leading zeros.
QString DateText(int day, int month, int year);
QString TimeText(int hour, int minute, int second);

// Arrow glyphs of the impact view's shift buttons, drawn here: dx, dy give the direction (one of them 0).
void DrawArrowGlyph(TBitmap *glyph, int dx, int dy);
