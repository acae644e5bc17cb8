#include "controls/BitBtn.h"
#include "controls/Notebook.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"

#include <QPushButton>
#include <QStackedWidget>
#include <gtest/gtest.h>

TEST(Notebook, ShowsThePageChosenByIndexAndForgetsFreedPages)
{
    TForm form(nullptr);
    auto *notebook = new TNotebook(&form);
    notebook->SetParent(&form);
    EXPECT_EQ(notebook->PageIndex(), -1);
    TPage *pages[3];
    for (int i = 0; i < 3; ++i) {
        pages[i] = new TPage(&form);
        pages[i]->SetCaption(QString("Page%1").arg(i));
        pages[i]->SetParent(notebook);
    }
    ASSERT_EQ(notebook->PageCount(), 3);
    EXPECT_EQ(notebook->PageIndex(), 0);
    EXPECT_EQ(pages[2]->Notebook(), notebook);
    EXPECT_EQ(notebook->Pages(1)->Caption(), "Page1");

    form.Show();
    EXPECT_TRUE(pages[0]->Showing());
    EXPECT_FALSE(pages[1]->Showing());
    notebook->SetPageIndex(2);
    EXPECT_EQ(notebook->PageIndex(), 2);
    EXPECT_TRUE(pages[2]->Showing());
    EXPECT_FALSE(pages[0]->Showing());
    EXPECT_EQ(static_cast<QStackedWidget *>(notebook->Widget())->currentWidget(), pages[2]->Widget());
    notebook->SetPageIndex(3);
    notebook->SetPageIndex(-1);
    EXPECT_EQ(notebook->PageIndex(), 2);
    EXPECT_THROW(notebook->Pages(3), EListError);

    delete pages[1];
    ASSERT_EQ(notebook->PageCount(), 2);
    EXPECT_EQ(notebook->Pages(1), pages[2]);
    EXPECT_EQ(notebook->PageIndex(), 1);
}

TEST(Notebook, GlyphButtonShowsItsGlyphWithTheKeyColourSeeThroughAndStillEndsItsForm)
{
    TForm form(nullptr);
    auto *button = new TBitBtn(&form);
    button->SetParent(&form);
    button->SetModalResult(mrOk);
    auto *qbutton = static_cast<QPushButton *>(button->Widget());
    EXPECT_TRUE(qbutton->icon().isNull());

    // Drawing on the glyph's own canvas shows too: the button follows every change of its glyph.
    button->Glyph()->SetSize(12, 10);
    TCanvas *canvas = button->Glyph()->Canvas();
    canvas->Brush()->SetColor(clOlive);
    canvas->FillRect(Rect(0, 0, 12, 10));
    canvas->SetPixels(5, 5, clBlack);
    ASSERT_FALSE(qbutton->icon().isNull());
    EXPECT_EQ(qbutton->iconSize(), QSize(12, 10));
    const QImage shown = qbutton->icon().pixmap(QSize(12, 10)).toImage();
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(5, 5), qRgb(0, 0, 0));

    TModalHookScope scope([&](const TModalRequest &) {
        button->Click();
        return int(mrNone);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    button->SetGlyph(nullptr);
    EXPECT_TRUE(qbutton->icon().isNull());
}
