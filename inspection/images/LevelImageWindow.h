#pragma once

#include "Records.h"
#include "forms/Form.h"

#include <memory>

class TBitmap;
class TButton;
class TImage;
class TPanel;
class TScrollBox;
class TSpeedButton;
class TSpinEdit;
class TmlCustomLang;
class TmlLangLinked;

// The level image of one image record, enlarged: drawn with the main window's palette into a 160 x 160
// picture that is shown 1 to 5 times its size, centred, or stretched over the window.
class TfrmDynImg : public TForm {
    Q_OBJECT
public:
    // Shares the common texts and the language of the given language component (the main window's), if any.
    TfrmDynImg(TComponent *owner, TmlCustomLang *commonLang);
    ~TfrmDynImg() override;

    static constexpr int PictureSize = 160;
    static constexpr int MaxZoom = 5;

    TPanel *Panel3;
    TSpeedButton *sbZoomIn;
    TSpeedButton *sbZoomOut;
    TSpeedButton *sbActualSize;
    TSpeedButton *sbFullWind;
    TPanel *Panel2;
    TSpinEdit *seImgLevel;
    TScrollBox *ScrollBox1;
    TImage *Image1;
    TPanel *Panel1;
    TButton *Button1;
    TButton *Button2;
    TmlLangLinked *mlLangLinked1;

    // Not owned; none draws a blank picture.
    const TLumbraImageMessage *ImageRecord = nullptr;
    // Not owned; none means the default palette.
    const TPaletteEntry *Palette = nullptr;

    quint8 Zoom() const { return zoom_; }
    void Redraw();

    void FormCreate(TObject *sender);
    void FormShow(TObject *sender);
    void FormResize(TObject *sender);
    void sbZoomInClick(TObject *sender);
    void sbZoomOutClick(TObject *sender);
    void sbActualSizeClick(TObject *sender);
    void sbFullWindClick(TObject *sender);
    void Button2Click(TObject *sender);
    void seImgLevelChange(TObject *sender);

private:
    std::unique_ptr<TBitmap> bitmap_;
    quint8 zoom_ = 1;
};

// Shows the level image window modally for the record (none: a blank picture) with the palette, starting
// from the given threshold, and answers the threshold the window ends with. The main window's level image
// button calls it with its own palette and language component.
int ShowLevelImage(const TLumbraImageMessage *record, const TPaletteEntry *palette, int threshold,
                   TmlCustomLang *commonLang);
