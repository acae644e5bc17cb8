#include "images/ImagesSetWindow.h"

#include "controls/Image.h"
#include "controls/ScrollBox.h"
#include "forms/Screen.h"
#include "platform/CursorPos.h"

TfmImagesSet *fmImagesSet = nullptr;

TfmImagesSet::TfmImagesSet(TComponent *owner) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("fmImagesSet"));
    Widget()->setObjectName(Name());
    SetCaption(QStringLiteral("Images set"));
    SetClientWidth(520);
    SetClientHeight(400);
    sbImages = new TScrollBox(this);
    sbImages->SetName(QStringLiteral("sbImages"));
    sbImages->Widget()->setObjectName(sbImages->Name());
    sbImages->SetParent(this);
    sbImages->SetAlign(alClient);
    sbImages->SetOnDragOver(MakeEvent<&TfmImagesSet::sbImagesDragOver>(this));
    sbImages->SetOnDragDrop(MakeEvent<&TfmImagesSet::sbImagesDragDrop>(this));
    SetOnClose(MakeEvent<&TfmImagesSet::FormClose>(this));
    EndLoading();
}

TfmImagesSet::~TfmImagesSet()
{
    if (fmImagesSet == this)
        fmImagesSet = nullptr;
}

void TfmImagesSet::sbImagesDragOver(TObject *, TObject *source, int, int, TDragState, bool &accept)
{
    accept = dynamic_cast<TImage *>(source) != nullptr;
}

void TfmImagesSet::sbImagesDragDrop(TObject *, TObject *source, int x, int y)
{
    const auto *dropped = dynamic_cast<const TImage *>(source);
    if (!dropped)
        return;
    auto *image = new TImage(this);
    image->SetParent(sbImages);
    image->SetBounds(x, y, ImageSize, ImageSize);
    image->SetPicture(dropped->Picture());
    image->SetOnMouseDown(MakeEvent<&TfmImagesSet::ImageMouseDown>(this));
    image->SetOnMouseMove(MakeEvent<&TfmImagesSet::ImageMouseMove>(this));
    image->SetOnMouseUp(MakeEvent<&TfmImagesSet::ImageMouseUp>(this));
}

void TfmImagesSet::ImageMouseDown(TObject *, TMouseButton button, TShiftState, int, int)
{
    if (button != mbLeft)
        return;
    lastCursor_ = GetCursorPos();
    moving_ = true;
    Screen->SetCursor(crSizeAll);
}

void TfmImagesSet::ImageMouseMove(TObject *sender, TShiftState, int, int)
{
    if (!moving_)
        return;
    const TPoint at = GetCursorPos();
    if (at == lastCursor_)
        return;
    auto *image = static_cast<TImage *>(sender);
    image->SetBounds(image->Left() + at.X - lastCursor_.X, image->Top() + at.Y - lastCursor_.Y, image->Width(),
                     image->Height());
    lastCursor_ = at;
}

void TfmImagesSet::ImageMouseUp(TObject *, TMouseButton, TShiftState, int, int)
{
    moving_ = false;
    Screen->SetCursor(crDefault);
}

void TfmImagesSet::FormClose(TObject *, TCloseAction &action)
{
    action = caFree;
    fmImagesSet = nullptr;
}

void ShowImagesSet()
{
    if (!fmImagesSet)
        fmImagesSet = new TfmImagesSet(nullptr);
    fmImagesSet->Show();
}
