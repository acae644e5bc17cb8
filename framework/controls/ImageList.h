#pragma once

#include "classes/Component.h"
#include "graphics/Color.h"

#include <QIcon>
#include <QImage>
#include <QList>

class TBitmap;

// Small images of one size (16 x 16 unless set otherwise) that menus and buttons show by index.
class TImageList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE SetWidth)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)

public:
    explicit TImageList(TComponent *owner);

    int Width() const { return width_; }
    void SetWidth(int width);
    int Height() const { return height_; }
    void SetHeight(int height);
    int Count() const { return int(images_.size()); }
    // The colour behind the images where GetBitmap draws them; clNone leaves the bitmap's own pixels.
    TColor BkColor() const { return bkColor_; }
    void SetBkColor(TColor color) { bkColor_ = color; }

    // Adds the bitmap with its monochrome mask (may be null) and answers the new index.
    int Add(const TBitmap *image, const TBitmap *mask);
    // Draws the image at the index into the bitmap, which takes the list's image size.
    void GetBitmap(int index, TBitmap *bitmap) const;

    // Adds the top-left Width x Height pixels of the image; where the mask has a set (white) pixel the image
    // is transparent. A null mask leaves every pixel opaque. Answers the new index.
    int AddImage(const QImage &image, const QImage &mask);
    // Adds the pictures of the bitmap resource, cut left to right into pieces of the list's size; pixels of
    // the mask colour are see-through. Raises EResNotFound for a missing resource.
    void ResourceLoad(const QString &name, TColor maskColor);
    // The image at the index with its transparency; raises EListError for an index outside the list.
    QImage Image(int index) const;
    QIcon Icon(int index) const { return QIcon(QPixmap::fromImage(Image(index))); }
    void Clear() { images_.clear(); }

private:
    int width_ = 16;
    int height_ = 16;
    TColor bkColor_ = clNone;
    QList<QImage> images_;
};
