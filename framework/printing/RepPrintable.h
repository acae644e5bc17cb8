#pragma once

#include "classes/Component.h"
#include "graphics/Color.h"
#include "graphics/Font.h"
#include "graphics/Picture.h"

#include <QList>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <memory>

class QPainter;
class TCanvas;
class TReportBand;

// The outline a report item may have.
struct TRepFrame {
    bool Visible = false;
    TColor Color = clBlack;
};

// Something a report band prints, placed in millimetres inside the band. An item of a detail band prints on the
// page of the report its PageIndex names (from 0); an item of a title band on every page.
class TRepPrintable : public TComponent {
    Q_OBJECT
public:
    explicit TRepPrintable(TComponent *owner);
    ~TRepPrintable() override;

    TReportBand *Band() const { return band_; }
    void SetBand(TReportBand *band);
    void SetBounds(double left, double top, double width, double height);
    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    int PageIndex() const { return pageIndex_; }
    void SetPageIndex(int page) { pageIndex_ = page; }
    TRepFrame &Frame() { return frame_; }
    const TRepFrame &Frame() const { return frame_; }

    // Draws the item into its place, given in device pixels, then its frame.
    void Render(QPainter &painter, const QRectF &place) const;

protected:
    virtual void RenderContent(QPainter &painter, const QRectF &place) const = 0;

private:
    QPointer<TReportBand> band_;
    double left_ = 0, top_ = 0, width_ = 30, height_ = 5;
    int pageIndex_ = 0;
    TRepFrame frame_;
};

// A text in its font, from the top-left of its place: its lines as they are, which may pass the right edge, or,
// when WordWrap is set, broken into lines of the place's width (between words, inside a word wider than the
// place) as far down as the place holds whole lines. From FirstLine on: a text too long for one place goes on in
// another label of the same text whose FirstLine is the line after the last one the first place holds.
class TRepLabel : public TRepPrintable {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
public:
    explicit TRepLabel(TComponent *owner);
    ~TRepLabel() override;

    const QString &Caption() const { return caption_; }
    void SetCaption(const QString &caption) { caption_ = caption; }
    TFont *Font() const { return font_.get(); }
    void SetFont(TFont *font) { font_->Assign(*font); }
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap) { wordWrap_ = wordWrap; }
    int FirstLine() const { return firstLine_; }
    void SetFirstLine(int line) { firstLine_ = line; }
    // In millimetres: the height the whole text takes broken into lines of that width, the width of its widest
    // line unbroken, and the bottom of each line broken into lines of that width, from the text's top.
    double TextHeight(double width) const;
    double TextWidth() const;
    QList<double> LineBottoms(double width) const;

protected:
    void RenderContent(QPainter &painter, const QRectF &place) const override;

private:
    QString caption_;
    std::unique_ptr<TFont> font_;
    bool wordWrap_ = false;
    int firstLine_ = 0;
};

// A picture, printed at its size on the screen (one pixel a 96th of an inch) from the top-left of its place,
// or stretched over the place.
class TRepImage : public TRepPrintable {
    Q_OBJECT
    Q_PROPERTY(TPicture *Picture READ Picture WRITE SetPicture)
public:
    explicit TRepImage(TComponent *owner);
    ~TRepImage() override;

    TPicture *Picture() const { return picture_.get(); }
    void SetPicture(TPicture *picture) { picture_->Assign(picture); }
    bool Stretch() const { return stretch_; }
    void SetStretch(bool stretch) { stretch_ = stretch; }
    // Draws on the picture, which is made a white bitmap of the item's size on the screen when it is empty.
    TCanvas *Canvas();

protected:
    void RenderContent(QPainter &painter, const QRectF &place) const override;

private:
    std::unique_ptr<TPicture> picture_;
    bool stretch_ = false;
};
