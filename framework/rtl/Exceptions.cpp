#include "rtl/Exceptions.h"

Exception::Exception(const QString &message) { SetMessage(message); }

void Exception::SetMessage(const QString &message)
{
    message_ = message;
    utf8_ = message.toStdString();
}
