#include "forms/Screen.h"

#include "forms/Form.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace {
QSize PrimaryScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}
} // namespace

TScreen::TScreen() : TComponent(nullptr) {}

TScreen::~TScreen()
{
    if (cursor_ != crDefault && QGuiApplication::instance())
        QGuiApplication::restoreOverrideCursor();
}

int TScreen::Width() const { return PrimaryScreenSize().width(); }

int TScreen::Height() const { return PrimaryScreenSize().height(); }

TRect TScreen::WorkAreaAt(int x, int y) const
{
    const QScreen *screen = QGuiApplication::screenAt(QPoint(x, y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? TRect::FromQRect(screen->availableGeometry()) : TRect{};
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == cursor_)
        return;
    if (cursor == crDefault)
        QGuiApplication::restoreOverrideCursor();
    else if (cursor_ == crDefault)
        QGuiApplication::setOverrideCursor(QCursor(CursorShapeOf(cursor)));
    else
        QGuiApplication::changeOverrideCursor(QCursor(CursorShapeOf(cursor)));
    cursor_ = cursor;
}

TForm *TScreen::ActiveForm() const
{
    for (qsizetype i = activation_.size() - 1; i >= 0; --i)
        if (activation_[i]->Showing())
            return activation_[i];
    return nullptr;
}

void TScreen::RemoveForm(TForm *form) { activation_.removeOne(form); }

void TScreen::FormActivated(TForm *form)
{
    activation_.removeOne(form);
    activation_.append(form);
}
