#pragma once

#include "classes/Component.h"

#include <QIcon>
#include <QImage>
#include <QList>

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

    // Adds the top-left Width x Height pixels of the image; where the mask has a set (white) pixel the image
    // is transparent. A null mask leaves every pixel opaque. Answers the new index.
    int AddImage(const QImage &image, const QImage &mask);
    // The image at the index with its transparency; raises EListError for an index outside the list.
    QImage Image(int index) const;
    QIcon Icon(int index) const { return QIcon(QPixmap::fromImage(Image(index))); }
    void Clear() { images_.clear(); }

private:
    int width_ = 16;
    int height_ = 16;
    QList<QImage> images_;
};
