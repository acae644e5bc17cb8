#include "mlLangSupport.h"

#include "mlLangTables.h"
#include "mlPropInfo.h"

#include "controls/Control.h"
#include "forms/Form.h"

#include <algorithm>

QString TextBefore(const QString &entry, QChar delimiter)
{
    const qsizetype end = entry.indexOf(delimiter);
    return end < 0 ? entry : entry.left(end);
}

bool IsForm(const TComponent *component) { return dynamic_cast<const TForm *>(component) != nullptr; }

bool HasAssignedAction(const TComponent *component)
{
    if (const auto *control = dynamic_cast<const TControl *>(component); control && control->Action())
        return true;
    const TmlPropInfoList properties(component);
    const TPropInfo *action = properties.Find(QStringLiteral("Action"));
    return action && action->Kind() == tkClass && action->GetObjectProp(component) != nullptr;
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
