#include "LangEntry.h"

#include "classes/Strings.h"
#include "mlLang.h"

void AddLangEntry(const TmlCustomLang *lang, TStrings *list, const QString &name, const QString &english,
                  const QString &russian)
{
    const QChar delim(lang->LangDelim());
    list->Add(name + delim + english + delim + russian + delim);
}
