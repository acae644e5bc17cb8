#include "images/LevelImageWindow.h"

#include "MainWindowLang.h"
#include "controls/Button.h"
#include "controls/Image.h"
#include "controls/Panel.h"
#include "controls/ScrollBox.h"
#include "controls/SpeedButton.h"
#include "controls/SpinEdit.h"
#include "forms/ModalHook.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "mlLang.h"
#include "mlLngLnk.h"
#include "platform/Help.h"

#include <QList>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<TLumbraImageMessage> LevelImage()
{
    std::unique_ptr<TLumbraImageMessage> image(NewObject<TLumbraImageMessage>(&TLumbraImageMessage::Create));
    image->ImageType = 1;
    image->SetWidth(120);
    image->SetHeight(120);
    image->SizeX = 60;
    image->SizeY = 30;
    image->BitImage.SetLength(14400);
    for (int k = 0; k < 14400; ++k)
        image->BitImage[k] = quint8(k % 97);
    return image;
}

// The picture the window should show: the record drawn on white with the palette.
QImage Expected(const TLumbraImageMessage *image, const TPaletteEntry *palette)
{
    TBitmap bitmap;
    bitmap.SetSize(160, 160);
    bitmap.Canvas()->Brush()->SetColor(clWhite);
    bitmap.Canvas()->FillRect(Rect(0, 0, 160, 160));
    if (image)
        DrawLevelImage(image, bitmap.Canvas(), 0, 0, palette);
    return bitmap.Image();
}

// Where the picture should stand at this zoom: centred in the window, never beyond the box's corner.
QRect Centred(const TfrmDynImg *window, int zoom)
{
    const int size = 160 * zoom;
    return {std::max(0, window->ClientWidth() / 2 - size / 2), std::max(0, window->ScrollBox1->Height() / 2 - size / 2),
            size, size};
}

// Shows the window as the main window does and lets the user act in it; answers the threshold taken back.
int ShowWindow(const TLumbraImageMessage *image, const TPaletteEntry *palette, int threshold,
               const std::function<void(TfrmDynImg *)> &user, TmlCustomLang *lang = nullptr)
{
    TModalHookScope scope([&](const TModalRequest &request) {
        auto *window = dynamic_cast<TfrmDynImg *>(request.Source);
        user(window);
        window->Button1->Click();
        EXPECT_EQ(window->ModalResult(), mrOk);
        return int(mrNone);
    });
    return ShowLevelImage(image, palette, threshold, lang);
}
} // namespace

TEST(LevelImageWindow, ZoomStaysWithinOneToFiveActualSizeAndZoomToWindowResizeRecentresAndTheThresholdComesBack)
{
    const auto image = LevelImage();
    TPaletteEntry palette[PaletteSize];
    for (int e = 0; e < PaletteSize; ++e)
        palette[e] = {quint8(12 * (e + 1)), RGB(30 * e, 255 - 30 * e, 100)};
    QList<THelpRequest> help;
    SetHelpHook([&](const THelpRequest &request) { help << request; });

    const int threshold = ShowWindow(image.get(), palette, 37, [&](TfrmDynImg *w) {
        EXPECT_EQ(w->seImgLevel->Value(), 37);
        EXPECT_FALSE(w->Panel2->Visible());
        EXPECT_EQ(w->Image1->Picture()->Graphic()->Image(), Expected(image.get(), palette));
        EXPECT_EQ(w->Zoom(), 1);
        EXPECT_EQ(w->Image1->Widget()->geometry(), Centred(w, 1));
        EXPECT_TRUE(w->sbZoomIn->Enabled());
        EXPECT_FALSE(w->sbZoomOut->Enabled());

        // Zoom in up to 5: the picture grows by 160 pixels a step and a picture larger than the box starts at its
        // corner, the box scrolling over all of it.
        for (int zoom = 2; zoom <= 5; ++zoom) {
            w->sbZoomIn->Click();
            EXPECT_EQ(w->Zoom(), zoom);
            EXPECT_EQ(w->Image1->Widget()->geometry(), Centred(w, zoom));
            EXPECT_TRUE(w->sbZoomOut->Enabled());
        }
        EXPECT_EQ(w->Image1->Widget()->geometry(), QRect(0, 0, 800, 800));
        EXPECT_EQ(w->ScrollBox1->Range(), QSize(800, 800));
        EXPECT_FALSE(w->sbZoomIn->Enabled());
        w->sbZoomIn->Click();
        EXPECT_EQ(w->Zoom(), 5);
        EXPECT_EQ(w->Image1->Width(), 800);

        // Stretched: every picture pixel shows as a square of zoom x zoom pixels.
        w->sbZoomOut->Click();
        w->sbZoomOut->Click();
        w->sbZoomOut->Click();
        EXPECT_EQ(w->Zoom(), 2);
        const QImage shown = w->Image1->Snapshot();
        const QImage picture = w->Image1->Picture()->Graphic()->Image();
        for (const auto &[x, y] : {std::pair{30, 30}, {80, 75}, {139, 139}, {5, 150}})
            EXPECT_EQ(shown.pixel(2 * x + 1, 2 * y + 1), picture.pixel(x, y)) << x << "," << y;
        w->sbZoomOut->Click();
        EXPECT_EQ(w->Zoom(), 1);
        EXPECT_FALSE(w->sbZoomOut->Enabled());
        EXPECT_TRUE(w->sbZoomIn->Enabled());
        w->sbZoomOut->Click();
        EXPECT_EQ(w->Zoom(), 1);
        EXPECT_EQ(w->Image1->Widget()->geometry(), Centred(w, 1));

        w->sbZoomIn->Click();
        w->sbZoomIn->Click();
        w->sbActualSize->Click();
        EXPECT_EQ(w->Zoom(), 1);
        EXPECT_TRUE(w->sbZoomIn->Enabled());
        EXPECT_FALSE(w->sbZoomOut->Enabled());
        EXPECT_EQ(w->Image1->Widget()->geometry(), Centred(w, 1));

        // Zoom to window stretches the picture over the box's client area; it never stays down, and resizing
        // the window brings back the zoomed picture, centred anew.
        w->sbFullWind->Click();
        EXPECT_EQ(w->Image1->Widget()->geometry(),
                  QRect(0, 0, w->ScrollBox1->ClientWidth(), w->ScrollBox1->ClientHeight()));
        EXPECT_EQ(w->Image1->Align(), alNone);
        EXPECT_TRUE(w->Image1->Stretch());
        EXPECT_FALSE(w->sbFullWind->Down());
        w->SetClientWidth(520);
        EXPECT_EQ(w->Image1->Widget()->geometry(), QRect(520 / 2 - 80, w->ScrollBox1->Height() / 2 - 80, 160, 160));
        w->SetClientHeight(420);
        EXPECT_EQ(w->Image1->Widget()->geometry(), QRect(520 / 2 - 80, (420 - 31 - 41) / 2 - 80, 160, 160));

        w->Button2->Click();
        w->seImgLevel->SetValue(120);
        EXPECT_EQ(w->Image1->Picture()->Graphic()->Image(), Expected(image.get(), palette));
    });
    SetHelpHook({});
    EXPECT_EQ(threshold, 120);
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0].File, "lumbra.hlp");
    EXPECT_EQ(help[0].Command, unsigned(HELP_CONTEXT));
    EXPECT_EQ(help[0].Data, quintptr(210));
}

TEST(LevelImageWindow, WithoutARecordItShowsABlankSquareAndItSpeaksTheMainWindowsLanguage)
{
    TMainWindowLang main;
    main.Dispatcher->SetActiveLanguage(2);

    const int threshold = ShowWindow(
        nullptr, nullptr, 255,
        [](TfrmDynImg *w) {
            EXPECT_EQ(w->Image1->Picture()->Graphic()->Image(), Expected(nullptr, nullptr));
            EXPECT_EQ(w->Image1->Widget()->geometry(), Centred(w, 1));
            EXPECT_EQ(w->Caption(), "Обработка изображения");
            EXPECT_EQ(w->Button1->Caption(), "&Закрыть");
            EXPECT_EQ(w->Panel2->Caption(), "Порог:");
            EXPECT_EQ(w->sbFullWind->Hint(), "Развернуть на все окно");
            EXPECT_EQ(w->seImgLevel->Hint(), "Изменить порог чувствительности");
            EXPECT_EQ(w->HelpFile(), "lumbra_ru.hlp");
            EXPECT_EQ(w->HelpContext(), 210);
            EXPECT_TRUE(w->Button1->Default() && w->Button1->Cancel());
        },
        main.Lang);
    EXPECT_EQ(threshold, 255);
    EXPECT_EQ(main.Dispatcher->LangComponentCount(), 1);
}
