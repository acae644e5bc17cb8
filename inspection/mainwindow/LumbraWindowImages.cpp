#include "images/CompositeSheet.h"
#include "images/ImagesSetWindow.h"
#include "images/LevelImageWindow.h"
#include "images/PaletteDialog.h"
#include "mainwindow/LumbraWindow.h"

#include "controls/Image.h"
#include "controls/PaintBox.h"
#include "controls/SpinEdit.h"
#include "graphics/Canvas.h"
#include "mlLngLnk.h"

namespace {
const TLumbraImageMessage *CurrentImage(const TStringGrid *grid)
{
    if (ImagesFlags.NoRecord)
        return nullptr;
    return dynamic_cast<const TLumbraImageMessage *>(grid->Objects(0, grid->Row()));
}

// The square of a preview that a composite preview shows: the middle of a level or ordinary picture, the
// top-left corner of an impact picture.
void CopyPreviewSquare(const TLumbraImageMessage *record, TImage *levelPreview, TImage *preview, TImage *target)
{
    constexpr int Size = TAllImageForm::PreviewSize;
    constexpr int Half = Size / 2;
    TImage *source = record->ImageType == 1 ? levelPreview : preview;
    TRect square;
    switch (record->ImageType) {
    case 0:
    case 1: {
        const int cx = source->Width() / 2;
        const int cy = source->Height() / 2;
        square = Rect(cx - Half, cy - Half, cx + Half, cy + Half);
        break;
    }
    case 2:
        square = Rect(0, 0, Size, Size);
        break;
    default:
        return;
    }
    target->Canvas()->CopyRect(Rect(0, 0, Size, Size), source->Canvas(), square);
}
} // namespace

void TfrmLumbra::sbDynImageViewClick(TObject *)
{
    seImgLevel->SetValue(ShowLevelImage(CurrentImage(sgImages), Palette, seImgLevel->Value(), mlLangLinked1));
}

void TfrmLumbra::imgDynImgMouseDown(TObject *, TMouseButton button, TShiftState, int, int)
{
    if (button == mbLeft)
        imgDynImg->BeginDrag(false, -1);
}

void TfrmLumbra::pbColorPaint(TObject *)
{
    TCanvas *canvas = pbColor->Canvas();
    const int part = pbColor->Width() / PaletteSize;
    const int rest = pbColor->Width() % PaletteSize;
    for (int i = 0; i < PaletteSize; ++i) {
        const int width = i == PaletteSize - 1 ? part + rest : part;
        canvas->Brush()->SetColor(Palette[i].Color);
        canvas->FillRect(Rect(i * part, 0, i * part + width, pbColor->Height() - 1));
    }
}

void TfrmLumbra::pbColorClick(TObject *)
{
    if (!EditPalette(Palette, [this] { RedrawLevelPreview(); }, mlLangLinked1))
        return;
    pbColor->Invalidate();
    RedrawLevelPreview();
}

void TfrmLumbra::RedrawLevelPreview()
{
    if (const TLumbraImageMessage *image = CurrentImage(sgImages))
        DrawLevelImage(image, imgDynImg->Canvas(), 0, 0, Palette);
}

void TfrmLumbra::SpeedButton1Click(TObject *)
{
    if (!AllImageForm) {
        AllImageForm = new TAllImageForm(nullptr);
        // From now on the sheet switches language with this window, also while it is open.
        AllImageForm->mlLangLinked1->SetLangDispatcher(mlLangLinked1->LangDispatcher());
    }
    AllImageForm->mlLangLinked1->SetActiveLanguage(mlLangLinked1->ActiveLanguage());
    if (const TLumbraImageMessage *image = CurrentImage(sgImages))
        if (TImage *target = AllImageForm->AddImage(image->ImageID))
            CopyPreviewSquare(image, imgDynImg, imgImage, target);
    AllImageForm->Show();
}

void TfrmLumbra::ImgSet1Click(TObject *) { ShowImagesSet(); }
