#include "classes/MetaTypes.h"

#include "classes/Strings.h"

#include <QMetaType>

void RegisterFrameworkMetaTypes()
{
    qRegisterMetaType<TStrings *>();
    qRegisterMetaType<TStringList *>();
}
