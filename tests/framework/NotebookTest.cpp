#include "controls/BitBtn.h"
#include "controls/Notebook.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "graphics/Canvas.h"
#include "rtl/Exceptions.h"

#include <QPushButton>
#include <gtest/gtest.h>

// Only the page at PageIndex shows, also right after the pages were put in; indexes outside are ignored or
// refused; a freed page leaves the notebook.
TEST(Notebook, ShowsOnlyThePageChosenByIndex)
{
    TForm form(nullptr);
    auto *notebook = new TNotebook(&form);
    notebook->SetParent(&form);
    EXPECT_EQ(notebook->PageIndex(), -1);
    TPage *pages[3];
    for (TPage *&page : pages) {
        page = new TPage(&form);
        page->SetParent(notebook);
    }
    form.Show();
    EXPECT_TRUE(pages[0]->Showing());
    EXPECT_FALSE(pages[1]->Showing());
    notebook->SetPageIndex(2);
    notebook->SetPageIndex(3);
    EXPECT_EQ(notebook->PageIndex(), 2);
    EXPECT_TRUE(pages[2]->Showing());
    EXPECT_FALSE(pages[0]->Showing());
    EXPECT_THROW(notebook->Pages(3), EListError);
    delete pages[1];
    EXPECT_EQ(notebook->PageCount(), 2);
    EXPECT_EQ(notebook->Pages(1), pages[2]);
    EXPECT_EQ(notebook->PageIndex(), 1);
}

// The glyph follows every change of the bitmap, with its key colour see-through; the button still ends its form.
TEST(Notebook, GlyphButtonShowsItsGlyphAndEndsItsForm)
{
    TForm form(nullptr);
    auto *button = new TBitBtn(&form);
    button->SetParent(&form);
    button->SetModalResult(mrOk);
    auto *shown = static_cast<QPushButton *>(button->Widget());
    button->Glyph()->SetSize(12, 10);
    TCanvas *canvas = button->Glyph()->Canvas();
    canvas->Brush()->SetColor(clOlive);
    canvas->FillRect(Rect(0, 0, 12, 10));
    canvas->SetPixels(5, 5, clBlack);
    EXPECT_EQ(shown->iconSize(), QSize(12, 10));
    const QImage icon = shown->icon().pixmap(QSize(12, 10)).toImage();
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(icon.pixel(5, 5), qRgb(0, 0, 0));
    button->SetGlyph(nullptr);
    EXPECT_TRUE(shown->icon().isNull());

    TModalHookScope scope([&](const TModalRequest &) {
        shown->click();
        return int(mrNone);
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
}
