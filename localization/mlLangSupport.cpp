#include "mlLangSupport.h"

#include "mlLangTables.h"
#include "mlPropInfo.h"

#include "classes/Strings.h"
#include "controls/Control.h"
#include "forms/Form.h"
#include "rtl/Exceptions.h"
#include "rtl/SysUtils.h"

#include <algorithm>

QString TextBefore(const QString &entry, QChar delimiter)
{
    const qsizetype end = entry.indexOf(delimiter);
    return end < 0 ? entry : entry.left(end);
}

QString TextBeforeChar(const QString &text, QChar c)
{
    const qsizetype end = text.indexOf(c);
    return end < 0 ? QString() : text.left(end);
}

QString GeneratedLanguageName(int language) { return QStringLiteral("Language N") + IntToStr(language); }

void FitLanguageNames(TStrings &names, int count)
{
    while (names.Count() < count)
        names.Add(GeneratedLanguageName(names.Count() + 1));
    while (names.Count() > count)
        names.Delete(names.Count() - 1);
}

void ReplaceInEntries(TStrings &list, QChar oldChar, QChar newChar)
{
    for (int i = 0; i < list.Count(); ++i) {
        const QString entry = list.Strings(i);
        if (entry.contains(oldChar))
            list.SetStrings(i, QString(entry).replace(oldChar, newChar));
    }
}

QString ReadStrProp(const TPropInfo &property, const QObject *instance)
{
    try {
        return property.GetStrProp(instance);
    } catch (const Exception &) {
        return QString();
    }
}

bool IsForm(const TComponent *component) { return dynamic_cast<const TForm *>(component) != nullptr; }

bool HasAssignedAction(const TComponent *component)
{
    if (const auto *control = dynamic_cast<const TControl *>(component); control && control->Action())
        return true;
    return HasAssignedActionProperty(component);
}

bool HasAssignedActionProperty(const QObject *object)
{
    const TmlPropInfoList properties(object);
    const TPropInfo *action = properties.Find(QStringLiteral("Action"));
    return action && action->Kind() == tkClass && action->GetObjectProp(object) != nullptr;
}

QString CharsetName(int charset)
{
    const auto found = std::find(CharsetValues.begin(), CharsetValues.end(), charset);
    return found == CharsetValues.end() ? QString() : CharsetNames[found - CharsetValues.begin()];
}

int CharsetValue(const QString &name)
{
    const auto found = std::find(CharsetNames.begin(), CharsetNames.end(), name);
    return found == CharsetNames.end() ? -1 : CharsetValues[found - CharsetNames.begin()];
}
