#pragma once

#include "forms/Form.h"

#include <array>

class TImage;
class TMainMenu;
class TMenuItem;
class TPanel;
class TPopupMenu;
class TScrollBox;
class TStatusBar;
class TmlLangLinked;

// One of the sheet's image numbers: its preview, owned by the sheet panel, while present.
struct TCompositeImage {
    TImage *Image = nullptr;
    bool Present = false;
};

// The sheet of composite images: up to 48 previews in the cells of the plug-in's cell table, moved between free
// cells with the mouse, deleted one by one or all at once, and printed as one page.
class TAllImageForm : public TForm {
    Q_OBJECT
public:
    static constexpr int ImageCount = 48;
    static constexpr int PreviewSize = 122;

    explicit TAllImageForm(TComponent *owner);

    TScrollBox *ScrollBox1;
    TPanel *Panel1;
    TStatusBar *StatusBar1;
    TPopupMenu *PopupMenu1;
    TMenuItem *Delete1;
    TMenuItem *N1;
    TMenuItem *Preview1;
    TMainMenu *MainMenu1;
    TMenuItem *Preview2;
    TMenuItem *Clearall1;
    TMenuItem *Help1;
    TMenuItem *Context1;
    TMenuItem *Index1;
    TMenuItem *N2;
    TMenuItem *About1;
    TmlLangLinked *mlLangLinked1;

    // Image number n is entry n - 1.
    std::array<TCompositeImage, ImageCount> Images;
    // 0: none.
    int SelectedImage = 0;
    int SelectedCell = 0;
    bool Dragging = false;

    // Puts a new blank preview of the image into the first free cell under the first free image number and
    // answers it for the caller to draw on; null when the sheet is full.
    TImage *AddImage(int imageId);
    // The used cell (1..48) whose square holds the point of the sheet; 0 when none.
    int CellAt(int x, int y) const;

    void Panel1MouseDown(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void Panel1MouseMove(TObject *sender, TShiftState shift, int x, int y);
    void Panel1MouseUp(TObject *sender, TMouseButton button, TShiftState shift, int x, int y);
    void Delete1Click(TObject *sender);
    void ToolButton1Click(TObject *sender);
    void ToolButton2Click(TObject *sender);
    void Context1Click(TObject *sender);
    void Index1Click(TObject *sender);
    void About1Click(TObject *sender);

private:
    void BuildMenus();
    void MoveSelectedTo(int x, int y);
    bool Russian() const;
};

// The one sheet, created by the main window's add command on first use; none before.
extern TAllImageForm *AllImageForm;
