#pragma once

#include "graphics/Color.h"
#include "graphics/GraphicsObject.h"

#include <QFont>
#include <QString>

enum TFontStyle : unsigned {
    fsBold = 1u << 0,
    fsItalic = 1u << 1,
    fsUnderline = 1u << 2,
    fsStrikeOut = 1u << 3,
};
using TFontStyles = unsigned;

// Windows character-set codes; a font keeps whichever code it is given (0..255), whether Qt uses it or not,
// so the language texts read back the character set they stored.
constexpr int ANSI_CHARSET = 0;
constexpr int DEFAULT_CHARSET = 1;
constexpr int SYMBOL_CHARSET = 2;
constexpr int MAC_CHARSET = 77;
constexpr int SHIFTJIS_CHARSET = 128;
constexpr int HANGEUL_CHARSET = 129;
constexpr int JOHAB_CHARSET = 130;
constexpr int GB2312_CHARSET = 134;
constexpr int CHINESEBIG5_CHARSET = 136;
constexpr int GREEK_CHARSET = 161;
constexpr int TURKISH_CHARSET = 162;
constexpr int VIETNAMESE_CHARSET = 163;
constexpr int HEBREW_CHARSET = 177;
constexpr int ARABIC_CHARSET = 178;
constexpr int BALTIC_CHARSET = 186;
constexpr int RUSSIAN_CHARSET = 204;
constexpr int THAI_CHARSET = 222;
constexpr int EASTEUROPE_CHARSET = 238;
constexpr int OEM_CHARSET = 255;

// A font as the forms describe it. Size is in points, Height in screen pixels at 96 pixels per inch: a
// negative Height is the character height, a positive one the cell height (character plus internal leading);
// setting either one sets the other. New fonts are "MS Sans Serif", 8 points, clWindowText, DEFAULT_CHARSET.
class TFont : public TGraphicsObject {
    Q_OBJECT
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(uint Style READ Style WRITE SetStyle)

public:
    static constexpr int PixelsPerInch = 96;

    int Charset() const { return charset_; }
    // Codes outside 0..255 keep their low byte, as a byte-sized character set would.
    void SetCharset(int charset);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Height() const { return height_; }
    void SetHeight(int height);
    const QString &Name() const { return name_; }
    // An empty name leaves the font as it is.
    void SetName(const QString &name);
    int Size() const;
    void SetSize(int size);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);

    void Assign(const TFont &other);
    // Takes family, size and style of a Qt font; colour and character set stay.
    void AssignQFont(const QFont &font);
    // The Qt font for a device with the given resolution (96 for images and the screen, the printer's own).
    QFont ToQFont(int dpi = PixelsPerInch) const;

private:
    QString name_ = QStringLiteral("MS Sans Serif");
    int height_ = -11;
    TColor color_ = clWindowText;
    int charset_ = DEFAULT_CHARSET;
    TFontStyles style_ = 0;
};
