#pragma once

#include "forms/Form.h"

class TScrollBox;

// A free-form sheet: every image dropped on it becomes a 160 x 160 copy at the drop point, which the user then
// moves anywhere with the left mouse button.
class TfmImagesSet : public TForm {
    Q_OBJECT
public:
    static constexpr int ImageSize = 160;

    explicit TfmImagesSet(TComponent *owner);
    ~TfmImagesSet() override;

    TScrollBox *sbImages;

    void sbImagesDragOver(TObject *sender, TObject *source, int x, int y, TDragState state, bool &accept);
    void sbImagesDragDrop(TObject *sender, TObject *source, int x, int y);
    void ImageMouseDown(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void ImageMouseMove(TObject *sender, TShiftState shift, int x, int y);
    void ImageMouseUp(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void FormClose(TObject *sender, TCloseAction &action);

private:
    bool moving_ = false;
    TPoint lastCursor_;
};

// The open images set window; none while it is closed.
extern TfmImagesSet *fmImagesSet;
// Shows the images set window, creating it when none is open.
void ShowImagesSet();
