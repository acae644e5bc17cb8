#include "graphics/Color.h"

#include "rtl/Exceptions.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {
struct TSysColorRole {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// Each system colour index mapped to the palette role that plays its part in a Qt desktop.
constexpr std::array<TSysColorRole, 31> SysColorRoles{{
    {QPalette::Active, QPalette::Mid},             // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop background
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Inactive, QPalette::Mid},           // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    {QPalette::Active, QPalette::Base},            // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Window},          // 10 active border
    {QPalette::Inactive, QPalette::Window},        // 11 inactive border
    {QPalette::Active, QPalette::Dark},            // 12 application work space
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3-D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3-D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tool-tip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tool-tip background
    {QPalette::Active, QPalette::NoRole},          // 25 unused
    {QPalette::Active, QPalette::Link},            // 26 hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // 27 active caption gradient
    {QPalette::Inactive, QPalette::Mid},           // 28 inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // 29 highlighted menu item
    {QPalette::Active, QPalette::Window},          // 30 menu bar
}};

struct TColorIdent {
    TColor Value;
    const char *Name;
};

// The sixteen standard colours, then the system colours in the order of their indexes, then the two special
// values. Lists of colours to choose from show them in this order.
constexpr TColorIdent ColorIdents[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
};
} // namespace

TColor GetSysColor(int index)
{
    if (index < 0 || index >= int(SysColorRoles.size()) || SysColorRoles[index].Role == QPalette::NoRole)
        return 0;
    const TSysColorRole &entry = SysColorRoles[index];
    return QColorToColor(QGuiApplication::palette().color(entry.Group, entry.Role));
}

TColor ColorToRGB(TColor color) { return color < 0 ? GetSysColor(color & 0xFF) : color; }

QColor ColorToQColor(TColor color)
{
    if (color == clNone)
        return QColor(Qt::transparent);
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor QColorToColor(const QColor &color) { return RGB(color.red(), color.green(), color.blue()); }

void GetColorValues(const std::function<void(const QString &name)> &proc)
{
    for (const TColorIdent &ident : ColorIdents)
        proc(QString::fromLatin1(ident.Name));
}

bool ColorToIdent(TColor color, QString &ident)
{
    for (const TColorIdent &entry : ColorIdents)
        if (entry.Value == color) {
            ident = QString::fromLatin1(entry.Name);
            return true;
        }
    return false;
}

bool IdentToColor(const QString &ident, TColor &color)
{
    for (const TColorIdent &entry : ColorIdents)
        if (ident.compare(QLatin1String(entry.Name), Qt::CaseInsensitive) == 0) {
            color = entry.Value;
            return true;
        }
    return false;
}

QString ColorToString(TColor color)
{
    QString ident;
    if (ColorToIdent(color, ident))
        return ident;
    return QStringLiteral("$%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

TColor StringToColor(const QString &s)
{
    TColor color = 0;
    if (IdentToColor(s, color))
        return color;
    bool ok = false;
    const qint64 value = s.startsWith(u'$') ? s.mid(1).toLongLong(&ok, 16) : s.toLongLong(&ok, 10);
    if (!ok || value < -2147483648LL || value > 0xFFFFFFFFLL)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return TColor(quint32(value));
}
