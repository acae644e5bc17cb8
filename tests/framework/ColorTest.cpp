#include "graphics/Color.h"
#include "rtl/Exceptions.h"

#include "PaletteGuard.h"
#include "QtPrint.h"

#include <QGuiApplication>
#include <QPalette>
#include <QStringList>
#include <gtest/gtest.h>


TEST(Color, ValuesKeepRedInTheLowByteAndSystemColoursAreNegative)
{
    EXPECT_EQ(RGB(128, 128, 0), clOlive);
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), clSilver);
    EXPECT_EQ(RGB(255, 0, 0), clRed);
    EXPECT_EQ(clBlue, 0xFF0000);
    EXPECT_EQ(clWindow, -2147483643);
    EXPECT_EQ(quint32(clWindowText), 0x80000008u);
    EXPECT_EQ(quint32(clBtnHighlight), 0x80000014u);

    const QColor q = ColorToQColor(0x123456);
    EXPECT_EQ(q.red(), 0x56);
    EXPECT_EQ(q.green(), 0x34);
    EXPECT_EQ(q.blue(), 0x12);
    EXPECT_EQ(QColorToColor(QColor(1, 2, 3)), 0x030201);
    EXPECT_EQ(ColorToQColor(clNone).alpha(), 0);
    EXPECT_EQ(ColorToRGB(0x00C0FFEE), 0x00C0FFEE);
}

TEST(Color, SystemColoursResolveThroughTheApplicationPalette)
{
    PaletteGuard guard;
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Base, QColor(250, 240, 230));
    palette.setColor(QPalette::Text, QColor(10, 20, 30));
    palette.setColor(QPalette::Button, QColor(200, 201, 202));
    palette.setColor(QPalette::Light, QColor(254, 253, 252));
    palette.setColor(QPalette::Dark, QColor(100, 101, 102));
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, QColor(255, 255, 254));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 129, 130));
    QGuiApplication::setPalette(palette);

    EXPECT_EQ(ColorToRGB(clWindow), RGB(250, 240, 230));
    EXPECT_EQ(ColorToRGB(clWindowText), RGB(10, 20, 30));
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(200, 201, 202));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(254, 253, 252));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(100, 101, 102));
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(0, 0, 128));
    EXPECT_EQ(ColorToRGB(clHighlightText), RGB(255, 255, 254));
    EXPECT_EQ(ColorToRGB(clGrayText), RGB(128, 129, 130));
    EXPECT_EQ(ColorToQColor(clWindow), QColor(250, 240, 230));
    // Indexes without a colour give black rather than garbage.
    EXPECT_EQ(ColorToRGB(SystemColor(25)), 0);
    EXPECT_EQ(ColorToRGB(SystemColor(200)), 0);
}

TEST(Color, NameTableListsTheNamedColoursInOrderAndConvertsBothWays)
{
    QStringList names;
    GetColorValues([&](const QString &name) { names << name; });
    ASSERT_GE(names.size(), 42);
    EXPECT_EQ(names.mid(0, 4), QStringList({"clBlack", "clMaroon", "clGreen", "clOlive"}));
    EXPECT_EQ(names[15], "clWhite");
    EXPECT_TRUE(names.contains("clWindow"));
    EXPECT_TRUE(names.contains("clWindowText"));
    EXPECT_EQ(names.removeDuplicates(), 0);
    for (const QString &name : names) {
        TColor color = 0;
        ASSERT_TRUE(IdentToColor(name, color)) << name.toStdString();
        EXPECT_EQ(ColorToString(color), name);
    }

    EXPECT_EQ(ColorToString(clWindow), "clWindow");
    EXPECT_EQ(ColorToString(0x00123456), "$00123456");
    EXPECT_EQ(ColorToString(0x00ABCDEF), "$00ABCDEF");
    EXPECT_EQ(StringToColor("clSilver"), clSilver);
    EXPECT_EQ(StringToColor("CLSILVER"), clSilver);
    EXPECT_EQ(StringToColor("$00ABCDEF"), 0x00ABCDEF);
    EXPECT_EQ(StringToColor("-2147483643"), clWindow);
    EXPECT_EQ(StringToColor("$80000005"), clWindow);
    EXPECT_EQ(StringToColor("255"), clRed);
    EXPECT_THROW(StringToColor("abc"), EConvertError);
    EXPECT_THROW(StringToColor(""), EConvertError);
    TColor untouched = 7;
    EXPECT_FALSE(IdentToColor("clNoSuchColour", untouched));
    EXPECT_EQ(untouched, 7);
}

TEST(Color, NameTableHasTheStandardThenTheSystemColoursByIndex)
{
    QStringList names;
    GetColorValues([&](const QString &name) { names << name; });
    const QStringList system{"clScrollBar",      "clBackground",    "clActiveCaption", "clInactiveCaption",
                             "clMenu",           "clWindow",        "clWindowFrame",   "clMenuText",
                             "clWindowText",     "clCaptionText",   "clActiveBorder",  "clInactiveBorder",
                             "clAppWorkSpace",   "clHighlight",     "clHighlightText", "clBtnFace",
                             "clBtnShadow",      "clGrayText",      "clBtnText",       "clInactiveCaptionText",
                             "clBtnHighlight",   "cl3DDkShadow",    "cl3DLight",       "clInfoText",
                             "clInfoBk"};
    ASSERT_GE(names.size(), 16 + system.size());
    EXPECT_EQ(names.mid(16, system.size()), system);
    EXPECT_EQ(names.mid(8, 8), QStringList({"clSilver", "clRed", "clLime", "clYellow", "clBlue", "clFuchsia",
                                            "clAqua", "clWhite"}));
    for (int i = 0; i < system.size(); ++i) {
        TColor color = 0;
        ASSERT_TRUE(IdentToColor(system[i], color));
        EXPECT_EQ(color, SystemColor(i)) << system[i].toStdString();
    }
    TColor color = 0;
    ASSERT_TRUE(IdentToColor("clTeal", color));
    EXPECT_EQ(color, RGB(0, 128, 128));
}
