// The image side of the plug-in's main window: adding previews to the composite sheet and working on it, the
// palette strip, the level image window and dragging the level preview into the images set window.

#include "images/CompositeSheet.h"
#include "images/ImagesSetWindow.h"
#include "images/LevelImageWindow.h"
#include "images/PaletteDialog.h"
#include "mainwindow/LumbraWindow.h"
#include "reports/ReportAllImage.h"

#include "FormatSettingsGuard.h"
#include "RecordSamples.h"
#include "controls/Button.h"
#include "controls/Image.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/ScrollBox.h"
#include "controls/SpeedButton.h"
#include "controls/SpinEdit.h"
#include "controls/StatusBar.h"
#include "forms/ModalHook.h"
#include "graphics/Canvas.h"
#include "menus/Menus.h"
#include "mlLangDispatcher.h"
#include "platform/Help.h"
#include "printing/RepPrintable.h"
#include "printing/ReportPage.h"
#include "registry/Registry.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDropEvent>
#include <gtest/gtest.h>

namespace {
constexpr int Cell = TCompositeSlots::Spacing;

// Images 21 (ordinary), 22 (level, its pixels at every level) and 23 (impact).
class CompositeImages : public testing::Test {
protected:
    // A language switch changes the process locale settings; later tests in the same run must not see that.
    FormatSettingsGuard Locale;

    CompositeImages()
    {
        TRegistry().DeleteKey("\\Software\\Kelmar\\OrmelSW\\LUMBRA");
        for (int type = 0; type < 3; ++type)
            Images.push_back(SampleImage(5, 21 + type, 7, type));
        Images[1]->BitImage.SetLength(120 * 120);
        for (int k = 0; k < 120 * 120; ++k)
            Images[1]->BitImage[k] = quint8(k % 251);
        Images[2]->SetSizeX(4);
        Images[2]->SetSizeY(3);
        Journal.LoadRecords({Images[0].get(), Images[1].get(), Images[2].get()});
        TDataManager *cell = Journal.Loaded.get();
        std::uint8_t isDataManager = 1;
        RegisterLumbra(nullptr, &isDataManager, &cell, nullptr);
        Form = frmLumbra;
        TmpObj->DoConfigAction(nullptr);
    }
    ~CompositeImages() override { UnregisterLumbra(); }

    void SelectImage(int id)
    {
        for (int row = 1; row < Form->sgImages->RowCount(); ++row) {
            const auto *image = dynamic_cast<const TLumbraImageMessage *>(Form->sgImages->Objects(0, row));
            if (image && image->ImageID == id) {
                Form->sgImages->SetRow(row);
                bool canSelect = true;
                Form->sgTuningsSelectCell(Form->sgImages, 0, row, canSelect);
                return;
            }
        }
        FAIL() << "no row of image " << id;
    }
    // The sheet's preview of the image number, null when there is none.
    static TImage *Preview(int number) { return AllImageForm->Images[number - 1].Image; }
    static QString Status(int panel) { return AllImageForm->StatusBar1->Panels()->Items(panel)->Text(); }
    static void Sheet(QEvent::Type type, int x, int y, Qt::MouseButton button = Qt::LeftButton)
    {
        MouseAt(AllImageForm->Panel1, type, x, y, button,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button));
    }
    static void Drag(QPoint from, QPoint to)
    {
        Sheet(QEvent::MouseButtonPress, from.x(), from.y());
        Sheet(QEvent::MouseMove, to.x(), to.y());
        Sheet(QEvent::MouseButtonRelease, to.x(), to.y());
    }

    JournalFixture Journal;
    std::vector<std::unique_ptr<TLumbraImageMessage>> Images;
    TfrmLumbra *Form = nullptr;
};

QRect PlaceOf(const TImage *image) { return {image->Left(), image->Top(), image->Width(), image->Height()}; }
} // namespace

TEST_F(CompositeImages, CellsFillRowByRowFollowDragsAndDeletesStopAt48AndClearAllEmptiesTheSheet)
{
    SelectImage(21);
    for (int k = 1; k <= 7; ++k)
        Form->SpeedButton1->Click();
    ASSERT_NE(AllImageForm, nullptr);
    EXPECT_TRUE(AllImageForm->Visible());
    EXPECT_EQ(PlaceOf(Preview(1)), QRect(0, 0, 122, 122));
    EXPECT_EQ(PlaceOf(Preview(6)), QRect(5 * Cell, 0, 122, 122));
    EXPECT_EQ(PlaceOf(Preview(7)), QRect(0, Cell, 122, 122));
    EXPECT_EQ(CompositeSlots.NextImageNumber, 8);
    EXPECT_EQ(CompositeSlots.Slots[6].ImageID, 21);

    Sheet(QEvent::MouseMove, Cell + 5, 7);
    EXPECT_EQ(Status(0), "Image= 2/7");
    EXPECT_EQ(Status(1), "Image ID= 21");
    EXPECT_EQ(Status(2), "X= 126 Y= 7");
    EXPECT_EQ(AllImageForm->Panel1->Cursor(), crDrag);
    Sheet(QEvent::MouseMove, 3 * Cell + 5, 3 * Cell);
    EXPECT_EQ(Status(0), "Image= 0/7");
    EXPECT_EQ(Status(1), "Image ID=");
    EXPECT_EQ(AllImageForm->Panel1->Cursor(), crDefault);

    // Cell 1 to cell 9; onto the used cell 2, past the last column or left of the sheet nothing moves.
    Drag({10, 10}, {2 * Cell + 5, Cell + 5});
    EXPECT_EQ(PlaceOf(Preview(1)).topLeft(), QPoint(2 * Cell, Cell));
    EXPECT_FALSE(AllImageForm->Dragging);
    Drag({2 * Cell + 5, Cell + 5}, {Cell + 5, 5});
    Drag({2 * Cell + 5, Cell + 5}, {6 * Cell + 5, Cell + 5});
    Drag({2 * Cell + 5, Cell + 5}, {-20, Cell + 5});
    EXPECT_EQ(PlaceOf(Preview(1)).topLeft(), QPoint(2 * Cell, Cell));
    EXPECT_TRUE(CompositeSlots.Slots[8].Used);
    EXPECT_FALSE(CompositeSlots.Slots[0].Used);
    Form->SpeedButton1->Click();
    EXPECT_EQ(PlaceOf(Preview(8)).topLeft(), QPoint(0, 0));

    // Right clicks: empty space offers a disabled "Delete"; image 3 is deleted and its number is given again.
    Sheet(QEvent::MouseButtonPress, 4 * Cell, 4 * Cell, Qt::RightButton);
    EXPECT_FALSE(AllImageForm->Delete1->Enabled());
    EXPECT_EQ(AllImageForm->Delete1->Caption(), "Delete");
    Sheet(QEvent::MouseButtonPress, 2 * Cell + 5, 5, Qt::RightButton);
    EXPECT_TRUE(AllImageForm->Delete1->Enabled());
    EXPECT_EQ(AllImageForm->Delete1->Caption(), "Delete 3");
    AllImageForm->Delete1->Click();
    AllImageForm->Delete1->Click();
    EXPECT_EQ(Preview(3), nullptr);
    EXPECT_FALSE(CompositeSlots.Slots[2].Used);
    Sheet(QEvent::MouseMove, 5, 5);
    EXPECT_EQ(Status(0), "Image= 8/7");
    SelectImage(23);
    Form->SpeedButton1->Click();
    ASSERT_NE(Preview(3), nullptr);
    EXPECT_EQ(PlaceOf(Preview(3)).topLeft(), QPoint(2 * Cell, 0));
    EXPECT_EQ(CompositeSlots.Slots[2].ImageID, 23);

    while (CompositeSlots.NextImageNumber <= 48)
        Form->SpeedButton1->Click();
    EXPECT_EQ(PlaceOf(Preview(48)).topLeft(), QPoint(5 * Cell, 7 * Cell));
    AllImageForm->Hide();
    Form->SpeedButton1->Click();
    EXPECT_EQ(CompositeSlots.NextImageNumber, 49);
    EXPECT_EQ(AllImageForm->Panel1->ControlCount(), 48);
    EXPECT_TRUE(AllImageForm->Visible()) << "a full sheet still comes to the front";

    AllImageForm->Clearall1->Click();
    EXPECT_FALSE(AllImageForm->Visible());
    EXPECT_EQ(AllImageForm->Panel1->ControlCount(), 0);
    EXPECT_EQ(CompositeSlots.NextImageNumber, 1);
    Form->SpeedButton1->Click();
    EXPECT_EQ(PlaceOf(Preview(1)).topLeft(), QPoint(0, 0));
}

TEST_F(CompositeImages, EachImageTypeCopiesItsSquareOfThePreviewAsShown)
{
    const auto mark = [](TImage *image) {
        TCanvas *canvas = image->Canvas();
        for (int y = 0; y < image->Height(); ++y)
            for (int x = 0; x < image->Width(); ++x)
                canvas->SetPixels(x, y, RGB(x, y, (x * y) % 256));
    };
    // Every pixel of the copy that has one in the source shows it.
    const auto expectCopy = [](TImage *source, QPoint origin, TImage *copy, const char *kind) {
        const QRect inside(0, 0, source->Width(), source->Height());
        int wrong = 0;
        for (int y = 0; y < 122; ++y)
            for (int x = 0; x < 122; ++x)
                if (inside.contains(origin + QPoint(x, y)))
                    wrong += copy->Canvas()->Pixels(x, y) !=
                             source->Canvas()->Pixels(origin.x() + x, origin.y() + y);
        EXPECT_EQ(wrong, 0) << kind;
    };
    SelectImage(22);
    mark(Form->imgDynImg);
    Form->SpeedButton1->Click();
    expectCopy(Form->imgDynImg, {162 / 2 - 61, 140 / 2 - 61}, Preview(1), "level");
    SelectImage(21);
    mark(Form->imgImage);
    Form->SpeedButton1->Click();
    expectCopy(Form->imgImage, {-1, -1}, Preview(2), "ordinary");
    SelectImage(23);
    mark(Form->imgImage);
    Form->SpeedButton1->Click();
    expectCopy(Form->imgImage, {0, 0}, Preview(3), "impact");

    // The printed sheet: every preview where it lies, and the banner with the selected image's device type.
    TReportPage *page = nullptr;
    int images = 0;
    QString banner;
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            page = dynamic_cast<TReportPage *>(request.Source);
            for (TReportBand *band : page->Bands())
                for (TRepPrintable *item : band->Items()) {
                    if (auto *image = dynamic_cast<TRepImage *>(item)) {
                        ++images;
                        EXPECT_NEAR(image->Width(), 122 * 25.4 / 96, 0.01);
                    }
                }
            banner = dynamic_cast<TReportAllImageForm *>(page->Owner())->RepColontitulLabel->Caption();
            return int(mrNone);
        });
        AllImageForm->Preview2->Click();
    }
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(images, 3);
    EXPECT_TRUE(banner.endsWith("LUMBRA-C")) << banner.toStdString();
}

TEST_F(CompositeImages, TheSheetSpeaksTheMainWindowsLanguage)
{
    SelectImage(21);
    Form->mlLangDispatcher1->SetActiveLanguage(2);
    SelectImage(21);
    Form->SpeedButton1->Click();
    EXPECT_EQ(AllImageForm->Caption(), QString::fromUtf8("Склейка изображений"));
    EXPECT_EQ(AllImageForm->Clearall1->Caption(), QString::fromUtf8("Удалить все"));
    Sheet(QEvent::MouseMove, 5, 5);
    EXPECT_EQ(Status(0), QString::fromUtf8("Изображение= 1/1"));
    EXPECT_EQ(Status(1), QString::fromUtf8("ID Изображения= 21"));
    Sheet(QEvent::MouseMove, 300, 5);
    EXPECT_EQ(Status(1), QString::fromUtf8("ID Изображения= "));
    Sheet(QEvent::MouseButtonPress, 5, 5, Qt::RightButton);
    EXPECT_EQ(AllImageForm->Delete1->Caption(), "Delete 1");
    QList<THelpRequest> help;
    SetHelpHook([&](const THelpRequest &request) { help << request; });
    AllImageForm->Context1->Click();
    SetHelpHook({});
    ASSERT_EQ(help.size(), 1);
    EXPECT_EQ(help[0].File, "AllImage");
    EXPECT_EQ(help[0].Data, 10u);
    Form->mlLangDispatcher1->SetActiveLanguage(1);
    Form->SpeedButton1->Click();
    EXPECT_EQ(AllImageForm->Caption(), "Arrange images");
    Sheet(QEvent::MouseMove, 5, 5);
    EXPECT_EQ(Status(0), "Image= 1/2");
}

TEST_F(CompositeImages, PaletteStripShowsTheLevelsAndItsDialogRepaintsOnlyOnOk)
{
    SelectImage(22);
    Form->pbColor->SetAlign(alNone);
    Form->pbColor->SetWidth(130);
    const auto colourAt = [&](int x) { return QColor(Form->pbColor->Snapshot().pixel(x, 2)); };
    const auto colourOf = [&](int entry) { return ColorToQColor(Form->Palette[entry].Color); };
    EXPECT_EQ(colourAt(15), colourOf(0));
    EXPECT_EQ(colourAt(16), colourOf(1));
    EXPECT_EQ(colourAt(111), colourOf(6));
    EXPECT_EQ(colourAt(112), colourOf(7));
    EXPECT_EQ(colourAt(129), colourOf(7));

    const QImage before = Form->imgDynImg->Picture()->Bitmap()->Image();
    const TColor first = Form->Palette[0].Color;
    const auto answer = [&](TModalResult result) {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *dialog = dynamic_cast<TfmSetColor *>(request.Source);
            if (!dialog)
                return int(mrNone);
            for (TPaletteEntry &entry : Form->Palette)
                entry.Color = clRed;
            (result == mrOk ? dialog->buOK : dialog->buCancel)->Click();
            return int(dialog->ModalResult());
        });
        Form->pbColor->Click();
    };
    answer(mrCancel);
    EXPECT_EQ(TColor(Form->Palette[0].Color), first);
    EXPECT_EQ(Form->imgDynImg->Picture()->Bitmap()->Image(), before);
    answer(mrOk);
    EXPECT_EQ(TColor(Form->Palette[0].Color), clRed);
    EXPECT_EQ(colourAt(5), QColor(Qt::red));
    EXPECT_NE(Form->imgDynImg->Picture()->Bitmap()->Image(), before);
}

TEST_F(CompositeImages, LevelPreviewOpensItsWindowAndDragsIntoTheImagesSet)
{
    SelectImage(22);
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            auto *window = dynamic_cast<TfrmDynImg *>(request.Source);
            EXPECT_EQ(window->ImageRecord, Form->sgImages->Objects(0, Form->sgImages->Row()));
            window->seImgLevel->SetValue(77);
            window->Button1->Click();
            return int(mrNone);
        });
        Form->sbDynImageView->Click();
    }
    EXPECT_EQ(Form->seImgLevel->Value(), 77);

    MouseAt(Form->imgDynImg, QEvent::MouseButtonPress, 5, 5, Qt::RightButton, Qt::RightButton);
    EXPECT_FALSE(Form->imgDynImg->DragPending());
    MouseAt(Form->imgDynImg, QEvent::MouseButtonRelease, 5, 5, Qt::RightButton, Qt::NoButton);
    MouseAt(Form->imgDynImg, QEvent::MouseButtonPress, 5, 5, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(Form->imgDynImg->DragPending()) << "the drag waits for the system's threshold";
    MouseAt(Form->imgDynImg, QEvent::MouseButtonRelease, 5, 5, Qt::LeftButton, Qt::NoButton);

    Form->ImgSet1->Click();
    ASSERT_NE(fmImagesSet, nullptr);
    TScrollBox *box = fmImagesSet->sbImages;
    TDragData data(Form->imgDynImg);
    QDragEnterEvent enter(QPoint(30, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box->Widget(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(30, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box->Widget(), &drop);
    ASSERT_EQ(box->ControlCount(), 1);
    auto *copy = dynamic_cast<TImage *>(box->Controls(0));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(PlaceOf(copy), QRect(30, 40, 160, 160));
    EXPECT_EQ(copy->Picture()->Bitmap()->Image(), Form->imgDynImg->Picture()->Bitmap()->Image());
    EXPECT_EQ(copy->Owner(), fmImagesSet);

    // Moved by the screen cursor's travel while the left button is held.
    QCursor::setPos(100, 100);
    MouseAt(copy, QEvent::MouseButtonPress, 5, 5, Qt::LeftButton, Qt::LeftButton);
    QCursor::setPos(110, 95);
    MouseAt(copy, QEvent::MouseMove, 15, 0, Qt::NoButton, Qt::LeftButton);
    MouseAt(copy, QEvent::MouseButtonRelease, 15, 0, Qt::LeftButton, Qt::NoButton);
    QCursor::setPos(200, 200);
    MouseAt(copy, QEvent::MouseMove, 15, 0, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(PlaceOf(copy).topLeft(), QPoint(40, 35));

    fmImagesSet->Close();
    EXPECT_EQ(fmImagesSet, nullptr);
}
