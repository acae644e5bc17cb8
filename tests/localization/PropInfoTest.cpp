#include "mlPropInfo.h"

#include "classes/Component.h"
#include "classes/Events.h"
#include "classes/Strings.h"
#include "graphics/Font.h"
#include "rtl/Exceptions.h"

#include "QtPrint.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
class TTestButton : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
    Q_PROPERTY(TFont *Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(TStrings *Items READ Items)
    Q_PROPERTY(QString ClassText READ ClassText)
    Q_PROPERTY(double Ratio MEMBER Ratio)

public:
    using TComponent::TComponent;
    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption) { caption_ = caption; }
    QString Hint() const { return hint_; }
    void SetHint(const QString &hint) { hint_ = hint; }
    TFont *Font() { return &font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont) { parentFont_ = parentFont; }
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    TStrings *Items() const { return items_; }
    void SetItemsObject(TStrings *items) { items_ = items; }
    QString ClassText() const { return QStringLiteral("read only"); }

    // Events are plain fields and signals, never published properties.
    TNotifyEvent OnClick;
    double Ratio = 0.5;

signals:
    void Clicked();

private:
    QString caption_, hint_;
    TFont font_;
    bool parentFont_ = false;
    int width_ = 75;
    TStrings *items_ = nullptr;
};

// Declares Caption again and adds names that sort differently with and without regard to case.
class TTestBigButton : public TTestButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ BigCaption WRITE SetCaption)
    Q_PROPERTY(int abc READ Width)
    Q_PROPERTY(int Ab READ Width)
    Q_PROPERTY(int ABD READ Width)

public:
    using TTestButton::TTestButton;
    QString BigCaption() const { return Caption().toUpper(); }
};

QStringList Names(const TmlPropInfoList &list)
{
    QStringList names;
    for (int i = 0; i < list.Count(); ++i)
        names << list.Items(i).Name();
    return names;
}
} // namespace

TEST(PropInfo, ListsEveryDataPropertyInheritedOnesTooSortedByName)
{
    TTestButton button(nullptr);
    const TmlPropInfoList list(&button);
    EXPECT_EQ(Names(list), QStringList({"Caption", "ClassText", "Font", "Hint", "Items", "Name", "ParentFont",
                                        "Ratio", "Tag", "Width"}));

    TTestBigButton big(nullptr);
    big.SetCaption("ok");
    const TmlPropInfoList bigList(&big);
    EXPECT_EQ(Names(bigList), QStringList({"Ab", "abc", "ABD", "Caption", "ClassText", "Font", "Hint", "Items",
                                           "Name", "ParentFont", "Ratio", "Tag", "Width"}));
    // The property declared again is listed once, read as the derived class declares it.
    EXPECT_EQ(bigList.Find("Caption")->GetStrProp(&big), "OK");

    EXPECT_EQ(Names(TmlPropInfoList(&button, tkString)), QStringList({"Caption", "ClassText", "Hint", "Name"}));
    EXPECT_EQ(Names(TmlPropInfoList(&button, tkClass)), QStringList({"Font", "Items"}));
    EXPECT_EQ(Names(TmlPropInfoList(&button, tkInteger | tkOther)),
              QStringList({"ParentFont", "Ratio", "Tag", "Width"}));
}

TEST(PropInfo, FindIgnoresCaseAndIndexesAreChecked)
{
    TTestButton button(nullptr);
    const TmlPropInfoList list(&button);
    ASSERT_NE(list.Find("caption"), nullptr);
    EXPECT_EQ(list.Find("CAPTION")->Name(), "Caption");
    EXPECT_EQ(list.Find("Capt"), nullptr);
    EXPECT_EQ(list.Find("OnClick"), nullptr);
    EXPECT_EQ(list.Find("Clicked"), nullptr);
    EXPECT_EQ(list.Find("objectName"), nullptr);
    EXPECT_EQ(list.Find(""), nullptr);
    EXPECT_THROW(list.Items(-1), ERangeError);
    EXPECT_THROW(list.Items(list.Count()), ERangeError);

    // A string list publishes no data properties.
    TStringList strings;
    const TmlPropInfoList none(&strings);
    EXPECT_EQ(none.Count(), 0);
    EXPECT_EQ(none.Find("Text"), nullptr);
    EXPECT_THROW(none.Items(0), ERangeError);
}

TEST(PropInfo, KindsTypeNamesAndValueAccess)
{
    TTestButton button(nullptr);
    button.SetName("buOK");
    button.SetCaption("OK");
    button.SetParentFont(true);
    const TmlPropInfoList list(&button);

    const TPropInfo &caption = *list.Find("Caption");
    EXPECT_EQ(caption.Kind(), tkString);
    EXPECT_EQ(caption.GetStrProp(&button), "OK");
    caption.SetStrProp(&button, QString::fromUtf8("Принять"));
    EXPECT_EQ(button.Caption(), QString::fromUtf8("Принять"));
    EXPECT_EQ(list.Find("Name")->GetStrProp(&button), "buOK");

    const TPropInfo &font = *list.Find("Font");
    EXPECT_EQ(font.Kind(), tkClass);
    EXPECT_EQ(font.TypeName(), "TFont");
    EXPECT_EQ(font.GetObjectProp(&button), button.Font());
    const TPropInfo &items = *list.Find("Items");
    EXPECT_EQ(items.TypeName(), "TStrings");
    EXPECT_EQ(items.GetObjectProp(&button), nullptr);
    TStringList lines;
    button.SetItemsObject(&lines);
    EXPECT_EQ(items.GetObjectProp(&button), &lines);

    EXPECT_EQ(list.Find("Width")->Kind(), tkInteger);
    EXPECT_EQ(list.Find("Width")->GetOrdProp(&button), 75);
    EXPECT_EQ(list.Find("ParentFont")->Kind(), tkOther);
    EXPECT_EQ(list.Find("ParentFont")->TypeName(), "bool");
    EXPECT_EQ(list.Find("ParentFont")->GetOrdProp(&button), 1);
    EXPECT_EQ(list.Find("Ratio")->Kind(), tkOther);

    EXPECT_THROW(list.Find("Width")->GetStrProp(&button), EInvalidCast);
    EXPECT_THROW(caption.GetObjectProp(&button), EInvalidCast);
    EXPECT_THROW(font.GetOrdProp(&button), EInvalidCast);
    EXPECT_THROW(list.Find("Ratio")->GetOrdProp(&button), EInvalidCast);
    EXPECT_THROW(list.Find("ClassText")->SetStrProp(&button, "x"), EInvalidOperation);
    EXPECT_EQ(list.Find("ClassText")->GetStrProp(&button), "read only");
}

TEST(PropInfo, AFrameworkFontIsWalkedThroughItsOwnProperties)
{
    TTestButton button(nullptr);
    QObject *font = TmlPropInfoList(&button).Find("font")->GetObjectProp(&button);
    const TmlPropInfoList fontProps(font);
    EXPECT_EQ(Names(fontProps), QStringList({"Charset", "Color", "Height", "Name", "Size", "Style"}));
    fontProps.Find("Name")->SetStrProp(font, "Arial");
    EXPECT_EQ(button.Font()->Name(), "Arial");
    button.Font()->SetCharset(204);
    EXPECT_EQ(fontProps.Find("Charset")->GetOrdProp(font), 204);
}

TEST(PropInfo, ACacheSharesListingsPerClassAndFilterOnlyWhileItIsOpen)
{
    TTestButton button(nullptr);
    TTestBigButton big(nullptr);
    const QStringList buttonNames = Names(TmlPropInfoList(&button));
    const QStringList bigNames = Names(TmlPropInfoList(&big));
    const QStringList stringNames = Names(TmlPropInfoList(&button, tkString));
    {
        const TPropInfoCache cache;
        const TPropInfoCache inner;
        EXPECT_EQ(Names(TmlPropInfoList(&button)), buttonNames);
        EXPECT_EQ(Names(TmlPropInfoList(&big)), bigNames);
        EXPECT_EQ(Names(TmlPropInfoList(&button, tkString)), stringNames);
        TTestButton other(nullptr);
        other.SetCaption("other");
        const TmlPropInfoList otherList(&other);
        EXPECT_EQ(Names(otherList), buttonNames);
        EXPECT_EQ(otherList.Find("Caption")->GetStrProp(&other), "other");
    }
    EXPECT_EQ(Names(TmlPropInfoList(&big)), bigNames);
}

#include "PropInfoTest.moc"
