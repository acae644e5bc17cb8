#include "images/LevelImageWindow.h"

#include "LangEntry.h"
#include "controls/Button.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "controls/ScrollBox.h"
#include "controls/SpeedButton.h"
#include "controls/SpinEdit.h"
#include "forms/Application.h"
#include "graphics/Bitmap.h"
#include "mlLngLnk.h"

#include <algorithm>

namespace {
TSpeedButton *NewZoomButton(TfrmDynImg *form, const QString &name, int left, const QString &caption,
                            const QString &hint, TNotifyEvent onClick)
{
    auto *button = new TSpeedButton(form);
    button->SetName(name);
    button->SetParent(form->Panel3);
    button->SetBounds(left, 3, 25, 25);
    button->SetCaption(caption);
    button->SetHint(hint);
    button->SetShowHint(true);
    button->SetOnClick(onClick);
    return button;
}

TButton *NewButton(TfrmDynImg *form, const QString &name, int left, const QString &caption)
{
    auto *button = new TButton(form);
    button->SetName(name);
    button->SetParent(form->Panel1);
    button->SetBounds(left, 8, 75, 25);
    button->SetCaption(caption);
    return button;
}
} // namespace

TfrmDynImg::TfrmDynImg(TComponent *owner, TmlCustomLang *commonLang) : TForm(owner)
{
    BeginLoading();
    SetName(QStringLiteral("frmDynImg"));
    SetCaption(QStringLiteral("Image processing"));
    SetPosition(poScreenCenter);
    SetClientWidth(360);
    SetClientHeight(330);
    SetHelpContext(210);
    SetHelpFile(QStringLiteral("lumbra.hlp"));

    Panel3 = new TPanel(this);
    Panel3->SetName(QStringLiteral("Panel3"));
    Panel3->SetParent(this);
    Panel3->SetHeight(31);
    Panel3->SetAlign(alTop);
    Panel3->SetCaption(QString());
    sbZoomIn = NewZoomButton(this, QStringLiteral("sbZoomIn"), 4, QStringLiteral("+"), QStringLiteral("Zoom In"),
                             MakeEvent<&TfrmDynImg::sbZoomInClick>(this));
    sbZoomOut = NewZoomButton(this, QStringLiteral("sbZoomOut"), 29, QStringLiteral("-"), QStringLiteral("Zoom Out"),
                              MakeEvent<&TfrmDynImg::sbZoomOutClick>(this));
    sbZoomOut->SetEnabled(false);
    sbActualSize = NewZoomButton(this, QStringLiteral("sbActualSize"), 58, QStringLiteral("1:1"),
                                 QStringLiteral("Actual size"), MakeEvent<&TfrmDynImg::sbActualSizeClick>(this));
    sbFullWind = NewZoomButton(this, QStringLiteral("sbFullWind"), 83, QStringLiteral("[ ]"),
                               QStringLiteral("Zoom to window"), MakeEvent<&TfrmDynImg::sbFullWindClick>(this));

    Panel2 = new TPanel(this);
    Panel2->SetName(QStringLiteral("Panel2"));
    Panel2->SetParent(this);
    Panel2->SetTop(31);
    Panel2->SetHeight(31);
    Panel2->SetAlign(alTop);
    Panel2->SetAlignment(taLeftJustify);
    Panel2->SetCaption(QStringLiteral("Threshold:"));
    Panel2->SetVisible(false);
    seImgLevel = new TSpinEdit(this);
    seImgLevel->SetName(QStringLiteral("seImgLevel"));
    seImgLevel->SetParent(Panel2);
    seImgLevel->SetBounds(80, 4, 57, 22);
    seImgLevel->SetMinValue(0);
    seImgLevel->SetMaxValue(255);
    seImgLevel->SetValue(0);
    seImgLevel->SetHint(QStringLiteral("Change the sensitivity threshold"));
    seImgLevel->SetShowHint(true);
    seImgLevel->SetOnChange(MakeEvent<&TfrmDynImg::seImgLevelChange>(this));

    Panel1 = new TPanel(this);
    Panel1->SetName(QStringLiteral("Panel1"));
    Panel1->SetParent(this);
    Panel1->SetHeight(41);
    Panel1->SetAlign(alBottom);
    Panel1->SetCaption(QString());
    Button1 = NewButton(this, QStringLiteral("Button1"), 196, QStringLiteral("&Close"));
    Button1->SetDefault(true);
    Button1->SetCancel(true);
    Button1->SetModalResult(mrOk);
    Button2 = NewButton(this, QStringLiteral("Button2"), 278, QStringLiteral("&Help"));
    Button2->SetOnClick(MakeEvent<&TfrmDynImg::Button2Click>(this));

    ScrollBox1 = new TScrollBox(this);
    ScrollBox1->SetName(QStringLiteral("ScrollBox1"));
    ScrollBox1->SetParent(this);
    ScrollBox1->SetAlign(alClient);
    Image1 = new TImage(this);
    Image1->SetName(QStringLiteral("Image1"));
    Image1->SetParent(ScrollBox1);
    Image1->SetBounds(0, 0, PictureSize, PictureSize);

    mlLangLinked1 = new TmlLangLinked(this);
    mlLangLinked1->SetName(QStringLiteral("mlLangLinked1"));
    const auto add = [this](TStrings *list, const QString &name, const QString &english, const QString &russian) {
        AddLangEntry(mlLangLinked1, list, name, english, russian);
    };
    TStrings *captions = mlLangLinked1->Captions();
    add(captions, "TfrmDynImg", "Image processing", "Обработка изображения");
    add(captions, "Button1", "&Close", "&Закрыть");
    add(captions, "Button2", "&Help", "&Помощь");
    add(captions, "Panel2", "Threshold:", "Порог:");
    TStrings *hints = mlLangLinked1->Hints();
    add(hints, "seImgLevel", "Change the sensitivity threshold", "Изменить порог чувствительности");
    add(hints, "sbZoomIn", "Zoom In", "Увеличить");
    add(hints, "sbZoomOut", "Zoom Out", "Уменьшить");
    add(hints, "sbActualSize", "Actual size", "Реальный размер");
    add(hints, "sbFullWind", "Zoom to window", "Развернуть на все окно");
    add(mlLangLinked1->OtherStrings(), "TfrmDynImg.HelpFile", "lumbra.hlp", "lumbra_ru.hlp");
    mlLangLinked1->SetNumOfLanguages(2);
    mlLangLinked1->Follow(commonLang);

    SetOnCreate(MakeEvent<&TfrmDynImg::FormCreate>(this));
    SetOnShow(MakeEvent<&TfrmDynImg::FormShow>(this));
    SetOnResize(MakeEvent<&TfrmDynImg::FormResize>(this));
    EndLoading();
}

TfrmDynImg::~TfrmDynImg()
{
    // Tearing the window down resizes it; the picture is gone by then.
    SetOnResize({});
}

void TfrmDynImg::FormCreate(TObject *) { bitmap_ = std::make_unique<TBitmap>(); }

void TfrmDynImg::FormShow(TObject *)
{
    zoom_ = 1;
    Redraw();
}

void TfrmDynImg::FormResize(TObject *) { Redraw(); }

void TfrmDynImg::Redraw()
{
    if (!bitmap_)
        return;
    bitmap_->SetSize(PictureSize, PictureSize);
    TCanvas *canvas = bitmap_->Canvas();
    canvas->Brush()->SetColor(clWhite);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->FillRect(canvas->ClipRect());
    // Without a record the blank picture is still shown, so the window never shows a stale or empty one.
    if (ImageRecord)
        DrawLevelImage(ImageRecord, canvas, 0, 0, Palette);
    Image1->SetAlign(alNone);
    Image1->Hide();
    Image1->SetAutoSize(false);
    Image1->Picture()->Assign(bitmap_.get());
    // Centred; a picture larger than the box starts at its corner, so that scrolling reaches all of it.
    const int size = PictureSize * zoom_;
    Image1->SetBounds(std::max(0, ClientWidth() / 2 - size / 2), std::max(0, ScrollBox1->Height() / 2 - size / 2),
                      size, size);
    Image1->SetStretch(true);
    Image1->Show();
}

void TfrmDynImg::sbZoomInClick(TObject *)
{
    if (zoom_ == MaxZoom)
        return;
    ++zoom_;
    sbZoomIn->SetEnabled(zoom_ < MaxZoom);
    sbZoomOut->SetEnabled(zoom_ != 1);
    Redraw();
}

void TfrmDynImg::sbZoomOutClick(TObject *)
{
    if (zoom_ == 1)
        return;
    --zoom_;
    sbZoomIn->SetEnabled(true);
    sbZoomOut->SetEnabled(zoom_ != 1);
    Redraw();
}

void TfrmDynImg::sbActualSizeClick(TObject *)
{
    zoom_ = 1;
    sbZoomIn->SetEnabled(true);
    sbZoomOut->SetEnabled(false);
    Redraw();
}

void TfrmDynImg::sbFullWindClick(TObject *)
{
    // Aligning fills the box's client area; dropping the alignment again keeps that size until the next redraw.
    Image1->SetAutoSize(false);
    Image1->SetAlign(alClient);
    Image1->SetStretch(true);
    Image1->SetAlign(alNone);
}

void TfrmDynImg::Button2Click(TObject *) { Application->HelpContext(HelpContext()); }

void TfrmDynImg::seImgLevelChange(TObject *)
{
    if (ImageRecord)
        Redraw();
}

int ShowLevelImage(const TLumbraImageMessage *record, const TPaletteEntry *palette, int threshold,
                   TmlCustomLang *commonLang)
{
    const std::unique_ptr<TfrmDynImg> window(new TfrmDynImg(nullptr, commonLang));
    window->ImageRecord = record;
    window->Palette = palette;
    window->seImgLevel->SetValue(threshold);
    window->ShowModal();
    return window->seImgLevel->Value();
}
