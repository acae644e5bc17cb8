#include "classes/Collection.h"
#include "controls/Bevel.h"
#include "controls/Button.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/Edit.h"
#include "controls/GroupBox.h"
#include "controls/Image.h"
#include "controls/Label.h"
#include "controls/Memo.h"
#include "controls/PageControl.h"
#include "controls/PaintBox.h"
#include "controls/Panel.h"
#include "controls/ScrollBox.h"
#include "controls/SpeedButton.h"
#include "controls/SpinButton.h"
#include "controls/SpinEdit.h"
#include "controls/StatusBar.h"
#include "controls/StringGrid.h"
#include "dialogs/ColorDialog.h"
#include "dialogs/OpenDialog.h"
#include "forms/Form.h"
#include "menus/Menus.h"

#include "QtPrint.h"

#include <QMetaProperty>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace {
// What the language components see of an object: its string properties and its class properties with their
// type names, inherited ones included.
struct Published {
    QStringList all;
    QStringList strings;
    QStringList classes; // "Name:TypeName"
};

Published List(const QObject *object)
{
    Published result;
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        result.all << property.name();
        if (property.metaType() == QMetaType::fromType<QString>())
            result.strings << property.name();
        else if (property.metaType().flags() & QMetaType::PointerToQObject)
            result.classes << QString("%1:%2").arg(property.name(), QString(property.metaType().name()).remove('*'));
    }
    result.strings.sort();
    result.classes.sort();
    return result;
}
} // namespace

TEST(PublishedProperties, EveryControlPublishesTheTextsAndObjectsTheLanguageTextsReadAndNoEvents)
{
    TForm form(nullptr);
    struct Expected {
        TComponent *component;
        QStringList strings;
        QStringList classes;
    };
    const QList<Expected> expected = {
        {&form, {"Caption", "HelpFile", "Hint", "Name"},
         {"Action:TBasicAction", "Constraints:TSizeConstraints", "Font:TFont", "Menu:TMainMenu"}},
        {new TButton(&form), {"Caption", "Hint", "Name"}, {"Action:TBasicAction", "Font:TFont"}},
        {new TLabel(&form), {"Caption", "Hint", "Name"}, {"FocusControl:TWinControl", "Font:TFont"}},
        {new TPanel(&form), {"Caption", "Hint", "Name"}, {"Font:TFont"}},
        {new TEdit(&form), {"Hint", "Name", "Text"}, {"Font:TFont"}},
        {new TMemo(&form), {"Hint", "Name"}, {"Font:TFont", "Lines:TStrings"}},
        {new TComboBox(&form), {"Hint", "Name", "Text"}, {"Font:TFont", "Items:TStrings"}},
        {new TCheckBox(&form), {"Caption", "Hint", "Name"}, {"Action:TBasicAction", "Font:TFont"}},
        {new TStatusBar(&form), {"Hint", "Name", "SimpleText"}, {"Action:TBasicAction", "Font:TFont", "Panels:TStatusPanels"}},
        {new TSpeedButton(&form), {"Caption", "Hint", "Name"}, {"Action:TBasicAction", "Font:TFont", "Glyph:TBitmap"}},
        {new TImage(&form), {"Hint", "Name"}, {"Picture:TPicture"}},
        {new TBevel(&form), {"Hint", "Name"}, {}},
        {new TPageControl(&form), {"Hint", "Name"}, {"ActivePage:TTabSheet", "Font:TFont"}},
        {new TTabSheet(&form), {"Caption", "Hint", "Name"}, {"Font:TFont"}},
        {new TMenuItem(&form), {"Caption", "Hint", "Name"}, {"Action:TBasicAction"}},
        {new TMainMenu(&form), {"Name"}, {"Images:TImageList"}},
        {new TOpenDialog(&form), {"DefaultExt", "FileName", "Filter", "InitialDir", "Name", "Title"}, {}},
        {new TGroupBox(&form), {"Caption", "Hint", "Name"}, {"Font:TFont"}},
        {new TSpinEdit(&form), {"Hint", "Name"}, {"Font:TFont"}},
        {new TPaintBox(&form), {"Hint", "Name"}, {"Font:TFont"}},
        {new TStringGrid(&form), {"Hint", "Name"}, {"Font:TFont"}},
        {new TSpinButton(&form), {"Hint", "Name"}, {}},
        {new TScrollBox(&form), {"Hint", "Name"}, {}},
        {new TColorDialog(&form), {"Name"}, {}},
    };
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.component->ClassName().toStdString());
        const Published published = List(e.component);
        EXPECT_EQ(published.strings, e.strings);
        EXPECT_EQ(published.classes, e.classes);
        for (const QString &name : published.all)
            EXPECT_FALSE(name.startsWith("On")) << name.toStdString();
        EXPECT_FALSE(published.all.contains("objectName"));
        // Objects are read through the property and are the control's own.
        if (published.classes.contains("Font:TFont")) {
            EXPECT_EQ(qvariant_cast<QObject *>(e.component->property("Font")),
                      static_cast<QObject *>(static_cast<TControl *>(e.component)->Font()));
        }
        if (published.classes.contains("Action:TBasicAction")) {
            EXPECT_EQ(qvariant_cast<QObject *>(e.component->property("Action")), nullptr);
        }
    }
}

TEST(PublishedProperties, StringsAndCollectionsAreReachedThroughTheirProperties)
{
    TForm form(nullptr);
    auto *bar = new TStatusBar(&form);
    bar->Panels()->Add()->SetText("Ready");
    bar->Panels()->Add()->SetText("12 records");
    auto *panels = dynamic_cast<TCollection *>(qvariant_cast<QObject *>(bar->property("Panels")));
    ASSERT_NE(panels, nullptr);
    ASSERT_EQ(panels->Count(), 2);
    EXPECT_EQ(panels->Items(1)->property("Text").toString(), "12 records");
    EXPECT_TRUE(panels->Items(0)->setProperty("Text", "Busy"));
    EXPECT_EQ(bar->Panels()->Items(0)->Text(), "Busy");
    EXPECT_THROW(panels->Items(2), EListError);

    auto *combo = new TComboBox(&form);
    auto *items = dynamic_cast<TStrings *>(qvariant_cast<QObject *>(combo->property("Items")));
    ASSERT_NE(items, nullptr);
    items->SetCommaText("One,Two");
    EXPECT_EQ(combo->Items()->Count(), 2);

    // Writing a string property through its name changes what the control shows.
    auto *edit = new TEdit(&form);
    EXPECT_TRUE(edit->setProperty("Text", "ormeldata.txt"));
    EXPECT_EQ(edit->Text(), "ormeldata.txt");
    EXPECT_TRUE(form.setProperty("Caption", "Options"));
    EXPECT_EQ(form.Widget()->windowTitle(), "Options");
    EXPECT_EQ(form.property("Caption").toString(), "Options");
}
