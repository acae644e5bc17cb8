#include "platform/SystemResources.h"

#include "graphics/Color.h"
#include "graphics/Font.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QStyle>

bool GetMessageFont(TFont &font)
{
    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return false;
    font.AssignQFont(QApplication::font("QMessageBox"));
    return true;
}

QImage LoadIcon(int id)
{
    QStyle::StandardPixmap pixmap;
    switch (id) {
    case IDI_HAND: pixmap = QStyle::SP_MessageBoxCritical; break;
    case IDI_QUESTION: pixmap = QStyle::SP_MessageBoxQuestion; break;
    case IDI_EXCLAMATION: pixmap = QStyle::SP_MessageBoxWarning; break;
    case IDI_ASTERISK: pixmap = QStyle::SP_MessageBoxInformation; break;
    default: return QImage();
    }
    constexpr int Size = 32;
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(ColorToQColor(clBtnFace));
    QPainter painter(&image);
    painter.drawPixmap(QRect(0, 0, Size, Size), QApplication::style()->standardIcon(pixmap).pixmap(Size, Size));
    return image;
}
