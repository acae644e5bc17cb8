#include "tables/FieldSettings.h"

#include "entries/SettingsKey.h"
#include "registry/Registry.h"
#include "rtl/SysUtils.h"

#include <optional>

namespace {

const QString fieldsKey = QString(LumbraSettingsKey) + "\\FieldsSettings";

QString SectionKey(const QString &section) { return fieldsKey + "\\" + section; }

// The store keeps every value as text; one that is missing, of another type or no decimal integer leaves the
// current value, so the load never fails on what the store holds. A store that cannot be read fails it.
std::optional<QString> ReadText(const TRegistry &reg, const QString &name)
{
    try {
        QString text = reg.ReadString(name);
        // Only an empty answer may stand for a missing value.
        if (!text.isEmpty() || reg.ValueExists(name))
            return text;
    } catch (const ERegistryException &) {
        // Of another type, unless the store failed.
        if (reg.ValueExists(name))
            return std::nullopt;
    }
    if (!reg.LastError().isEmpty())
        throw ERegistryException(reg.LastError());
    return std::nullopt;
}

void ReadNumber(const TRegistry &reg, const QString &name, int &value)
{
    const std::optional<QString> text = ReadText(reg, name);
    int number;
    if (text && !text->contains('$') && TryStrToInt(*text, number))
        value = number;
}

// Reading makes no key: a section that is not stored leaves the current settings.
void LoadSection(const QString &section, TFieldSettings &items, int high)
{
    TRegistry reg;
    if (!reg.OpenKeyReadOnly(SectionKey(section))) {
        if (!reg.LastError().isEmpty())
            throw ERegistryException(reg.LastError());
        return;
    }
    for (int i = 0; i <= high; ++i) {
        TFieldSetting &item = items.at(i);
        const QString n = IntToStr(i);
        int visible = item.IsVisible ? 1 : 0;
        ReadNumber(reg, "IsVisible" + n, visible);
        item.IsVisible = visible != 0;
        int bg = int(item.BGColor), txt = int(item.TxtColor), operation = item.DataOperation;
        ReadNumber(reg, "BGColor" + n, bg);
        ReadNumber(reg, "TxtColor" + n, txt);
        ReadNumber(reg, "DataOperation" + n, operation);
        item.BGColor = TColor(bg);
        item.TxtColor = TColor(txt);
        item.DataOperation = std::uint8_t(operation);
        if (const std::optional<QString> value = ReadText(reg, "DataValue" + n))
            item.DataValue = *value;
    }
}

} // namespace

void ResetFieldSettings(TFieldSettings &items, int high)
{
    for (int i = 0; i <= high; ++i)
        items.at(i) = TFieldSetting{};
}

void LoadFieldSettings(const QString &section, TFieldSettings &items, int high)
{
    try {
        LoadSection(section, items, high);
    } catch (const ERegistryException &error) {
        throw ERegistryException("Failed to get data for '" + section + "': " + error.Message());
    }
}

void SaveFieldSettings(const QString &section, const TFieldSettings &items, int high, const TFieldSettings &read)
{
    TRegistry reg;
    if (!reg.OpenKey(SectionKey(section), true))
        throw ERegistryException("Failed to set data for '" + section + "': " + reg.LastError());
    for (int i = 0; i <= high; ++i) {
        const TFieldSetting &item = items.at(i);
        const TFieldSetting *was = i < int(read.size()) ? &read[i] : nullptr;
        const QString n = IntToStr(i);
        const auto write = [&reg, &n](const QString &name, const QString &text, bool changed) {
            if (changed || !reg.ValueExists(name + n))
                reg.WriteString(name + n, text);
        };
        write("IsVisible", item.IsVisible ? "1" : "0", !was || was->IsVisible != item.IsVisible);
        write("BGColor", IntToStr(qint32(item.BGColor)), !was || was->BGColor != item.BGColor);
        write("TxtColor", IntToStr(qint32(item.TxtColor)), !was || was->TxtColor != item.TxtColor);
        write("DataOperation", IntToStr(item.DataOperation), !was || was->DataOperation != item.DataOperation);
        write("DataValue", item.DataValue, !was || was->DataValue != item.DataValue);
    }
}
