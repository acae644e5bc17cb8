#pragma once

#include "classes/Component.h"
#include "classes/Types.h"
#include "forms/Cursors.h"

#include <QList>

class TForm;

// The screen of this module: its size, the cursor shown over every window, and the form the user works in.
class TScreen : public TComponent {
    Q_OBJECT
public:
    TScreen();
    ~TScreen() override;

    int Width() const;
    int Height() const;
    // The part of the screen at the point that windows may take (the desktop's panels left out); the primary
    // screen's when no screen shows the point, empty when there is no screen at all.
    TRect WorkAreaAt(int x, int y) const;

    // Anything but crDefault overrides the cursor of every window until crDefault is set again.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);

    // The form that was activated last and is still showing; null when none.
    TForm *ActiveForm() const;

    void RemoveForm(TForm *form);
    void FormActivated(TForm *form);

private:
    TCursor cursor_ = crDefault;
    QList<TForm *> activation_;
};

extern TScreen *const Screen;
