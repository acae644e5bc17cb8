#include "controls/ImageList.h"
#include "controls/Panel.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "graphics/Bitmap.h"
#include "graphics/Canvas.h"
#include "menus/Menus.h"

#include "QtPrint.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStringList>
#include <gtest/gtest.h>

namespace {
TMenuItem *Item(TComponent *owner, const QString &caption, int tag = 0)
{
    auto *item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->SetTag(tag);
    return item;
}

QStringList BarTexts(const TMainMenu &menu)
{
    QStringList texts;
    for (const QAction *action : menu.MenuBar()->actions())
        texts << action->text();
    return texts;
}

struct Clicks {
    QList<TObject *> senders;
    void Click(TObject *sender) { senders << sender; }
    void Fail(TObject *) { throw EListError("List index out of bounds (3)"); }
};
} // namespace

TEST(Menu, ItemsInsertMoveAndShowOnTheBarInOrder)
{
    TForm form(nullptr);
    auto *menu = new TMainMenu(&form);
    form.SetMenu(menu);
    TMenuItem *tools = Item(&form, "&Tools");
    TMenuItem *help = Item(&form, "&Help");
    menu->Items()->Add(tools);
    menu->Items()->Add(help);
    // A plug-in of order 1 while the bar holds two menus goes to index 1.
    TMenuItem *plugin = Item(&form, "&Inspection");
    menu->Items()->Insert(1, plugin);
    EXPECT_EQ(BarTexts(*menu), QStringList({"&Tools", "&Inspection", "&Help"}));
    tools->SetMenuIndex(menu->Items()->Count() - 1);
    help->SetMenuIndex(menu->Items()->Count() - 1);
    EXPECT_EQ(BarTexts(*menu), QStringList({"&Inspection", "&Tools", "&Help"}));
    EXPECT_EQ(plugin->MenuIndex(), 0);
    EXPECT_EQ(plugin->GetParentMenu(), menu);
    EXPECT_THROW(menu->Items()->Insert(9, Item(&form, "x")), EListError);
    EXPECT_THROW(menu->Items()->Insert(0, tools), EInvalidOperation);

    // Entries open a submenu; a "-" caption is a separator; freeing an entry takes it off its menu.
    TMenuItem *contents = Item(&form, "&Contents");
    help->Add(contents);
    help->Add(Item(&form, "-"));
    const QMenu *submenu = help->QtAction()->menu();
    ASSERT_NE(submenu, nullptr);
    ASSERT_EQ(submenu->actions().size(), 2);
    EXPECT_TRUE(submenu->actions()[1]->isSeparator());
    // A separator is a plain line: a text on it would be drawn as a heading.
    EXPECT_TRUE(submenu->actions()[1]->text().isEmpty());
    EXPECT_EQ(help->Items(1)->Caption(), "-");
    delete contents;
    EXPECT_EQ(help->Count(), 1);
    // The last entry to go takes the submenu with it.
    delete help->Items(0);
    EXPECT_EQ(help->QtAction()->menu(), nullptr);
    delete plugin;
    EXPECT_EQ(BarTexts(*menu), QStringList({"&Tools", "&Help"}));
    EXPECT_EQ(StripHotkey("&Inspection && more"), "Inspection & more");
    EXPECT_EQ(StripHotkey("No marker"), "No marker");
}

TEST(Menu, AMenuKeepsItsBarWhenTheFormThatShowedItGoes)
{
    TMainMenu menu(nullptr);
    menu.Items()->Add(Item(&menu, "&File"));
    auto *form = new TForm(nullptr);
    form->SetMenu(&menu);
    delete form;
    ASSERT_NE(menu.MenuBar(), nullptr);
    menu.Items()->Add(Item(&menu, "&Help"));
    EXPECT_EQ(BarTexts(menu), QStringList({"&File", "&Help"}));
    TForm other(nullptr);
    other.SetMenu(&menu);
    EXPECT_EQ(menu.MenuBar()->parentWidget(), other.Widget());
}

TEST(Menu, ChoosingAnEntryRunsItsHandlerWithTheEntryAsSenderBehindTheExceptionBarrier)
{
    TForm form(nullptr);
    TMainMenu menu(&form);
    TMenuItem *english = Item(&form, "&English", 1);
    menu.Items()->Add(english);
    english->SetChecked(true);
    Clicks clicks;
    english->SetOnClick(MakeEvent<&Clicks::Click>(&clicks));
    english->QtAction()->trigger();
    ASSERT_EQ(clicks.senders.size(), 1);
    EXPECT_EQ(clicks.senders[0], english);
    // A check mark is the item's, not the click's.
    EXPECT_TRUE(english->QtAction()->isChecked());
    english->SetEnabled(false);
    english->Click();
    EXPECT_EQ(clicks.senders.size(), 1);

    QStringList boxes;
    TModalHookScope scope([&](const TModalRequest &request) {
        boxes << request.Text;
        return int(IDOK);
    });
    TMenuItem *failing = Item(&form, "&Options");
    failing->SetOnClick(MakeEvent<&Clicks::Fail>(&clicks));
    menu.Items()->Add(failing);
    failing->QtAction()->trigger();
    EXPECT_EQ(boxes, QStringList({"TMenuItem - List index out of bounds (3)"}));

    // Highlighting an entry shows its hint as the application's hint, until its menu closes.
    failing->SetHint("Change options");
    failing->QtAction()->hover();
    EXPECT_EQ(Application->Hint(), "Change options");
    Application->SetHint("");
    TMenuItem *tools = Item(&form, "&Tools");
    menu.Items()->Add(tools);
    TMenuItem *options = Item(&form, "&Options");
    options->SetHint("Change options");
    tools->Add(options);
    tools->QtAction()->menu()->popup(QPoint(0, 0));
    options->QtAction()->hover();
    EXPECT_EQ(Application->Hint(), "Change options");
    tools->QtAction()->menu()->hide();
    EXPECT_EQ(Application->Hint(), "");
    auto *popup = new TPopupMenu(&form);
    popup->Items()->Add(Item(&form, "&Delete"));
    popup->Items()->Items(0)->SetHint("Delete the row");
    popup->Popup(0, 0);
    popup->Items()->Items(0)->QtAction()->hover();
    EXPECT_EQ(Application->Hint(), "Delete the row");
    popup->Menu()->hide();
    EXPECT_EQ(Application->Hint(), "");
}

TEST(Menu, ImageListMasksAndEntriesShowTheirImages)
{
    TForm form(nullptr);
    auto *images = new TImageList(&form);
    images->SetBkColor(clSilver);
    TBitmap glyph;
    glyph.SetSize(20, 20);
    glyph.Canvas()->Brush()->SetColor(clRed);
    glyph.Canvas()->FillRect(Rect(0, 0, 20, 20));
    glyph.Canvas()->SetPixels(0, 0, clWhite);
    TBitmap mask;
    mask.SetSize(16, 16);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 16, 16));
    mask.Canvas()->SetPixels(0, 0, clWhite);
    EXPECT_EQ(images->Add(&glyph, &mask), 0);
    const QImage stored = images->Image(0);
    EXPECT_EQ(stored.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(stored.pixel(0, 0)), 0);
    EXPECT_EQ(stored.pixel(5, 5), qRgb(255, 0, 0));
    TBitmap copy;
    images->GetBitmap(0, &copy);
    EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clSilver);
    EXPECT_EQ(copy.Canvas()->Pixels(5, 5), clRed);
    EXPECT_THROW(images->Image(1), EListError);

    TMainMenu menu(&form);
    menu.SetImages(images);
    TMenuItem *item = Item(&form, "&Inspection");
    item->SetImageIndex(0);
    menu.Items()->Add(item);
    EXPECT_FALSE(item->QtAction()->icon().isNull());
    delete images;
    EXPECT_EQ(menu.Images(), nullptr);
    EXPECT_TRUE(item->QtAction()->icon().isNull());
}

TEST(Menu, PopupMenuComesUpOnARightClickAfterOnMouseDown)
{
    TForm form(nullptr);
    auto *panel = new TPanel(&form);
    panel->SetParent(&form);
    auto *popup = new TPopupMenu(&form);
    popup->Items()->Add(Item(&form, "&Delete"));
    panel->SetPopupMenu(popup);
    QStringList order;
    struct Down {
        QStringList *order;
        TPopupMenu *popup;
        void MouseDown(TObject *, TMouseButton button, TShiftState, int, int)
        {
            *order << QString("down %1, menu %2").arg(button).arg(popup->Menu()->isVisible() ? "up" : "hidden");
        }
    } down{&order, popup};
    panel->SetOnMouseDown(MakeEvent<&Down::MouseDown>(&down));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(panel->Widget(), &press);
    QCoreApplication::sendEvent(panel->Widget(), &release);
    EXPECT_EQ(order, QStringList({QString("down %1, menu hidden").arg(mbRight)}));
    EXPECT_TRUE(popup->Menu()->isVisible());
    popup->Menu()->hide();
    delete popup;
    EXPECT_EQ(panel->PopupMenu(), nullptr);
}
