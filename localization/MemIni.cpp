#include "MemIni.h"

#include "rtl/SysUtils.h"

#include <QFileInfo>
#include <memory>

namespace {
// Runs a change of a caller's list as one batch, so whoever follows the list hears of it once.
template <typename Change>
void Batch(TStrings &list, Change change)
{
    list.BeginUpdate();
    try {
        change();
    } catch (...) {
        list.EndUpdate();
        throw;
    }
    list.EndUpdate();
}

// A text that does not convert gives the default; any other failure is the caller's.
template <typename T>
T ConvertedOr(const QString &text, T defaultValue, T (*convert)(const QString &))
{
    if (text.isEmpty())
        return defaultValue;
    try {
        return convert(text);
    } catch (const EConvertError &) {
        return defaultValue;
    }
}
} // namespace

TCustomIniFile::TCustomIniFile(const QString &fileName) : fileName_(fileName) {}

int TCustomIniFile::ReadInteger(const QString &section, const QString &ident, int defaultValue) const
{
    QString text = ReadString(section, ident, QString());
    if (text.size() > 2 && text[0] == u'0' && (text[1] == u'x' || text[1] == u'X'))
        text.replace(0, 2, u'$');
    return StrToIntDef(text, defaultValue);
}

void TCustomIniFile::WriteInteger(const QString &section, const QString &ident, int value)
{
    WriteString(section, ident, IntToStr(value));
}

bool TCustomIniFile::ReadBool(const QString &section, const QString &ident, bool defaultValue) const
{
    return ReadInteger(section, ident, defaultValue ? 1 : 0) != 0;
}

void TCustomIniFile::WriteBool(const QString &section, const QString &ident, bool value)
{
    WriteString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

TDateTime TCustomIniFile::ReadDate(const QString &section, const QString &ident, TDateTime defaultValue) const
{
    return ConvertedOr(ReadString(section, ident, QString()), defaultValue, StrToDate);
}

TDateTime TCustomIniFile::ReadDateTime(const QString &section, const QString &ident, TDateTime defaultValue) const
{
    return ConvertedOr(ReadString(section, ident, QString()), defaultValue, StrToDateTime);
}

double TCustomIniFile::ReadFloat(const QString &section, const QString &ident, double defaultValue) const
{
    return ConvertedOr(ReadString(section, ident, QString()), defaultValue, StrToFloat);
}

TDateTime TCustomIniFile::ReadTime(const QString &section, const QString &ident, TDateTime defaultValue) const
{
    return ConvertedOr(ReadString(section, ident, QString()), defaultValue, StrToTime);
}

void TCustomIniFile::WriteDate(const QString &section, const QString &ident, TDateTime value)
{
    WriteString(section, ident, DateToStr(value));
}

void TCustomIniFile::WriteDateTime(const QString &section, const QString &ident, TDateTime value)
{
    WriteString(section, ident, DateTimeToStr(value));
}

void TCustomIniFile::WriteFloat(const QString &section, const QString &ident, double value)
{
    WriteString(section, ident, FloatToStr(value));
}

void TCustomIniFile::WriteTime(const QString &section, const QString &ident, TDateTime value)
{
    WriteString(section, ident, TimeToStr(value));
}

TMemIniFile::TMemIniFile(const QString &fileName) : TCustomIniFile(fileName)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).isFile())
        return;
    TStringList lines;
    lines.LoadFromFile(fileName);
    SetStrings(lines);
}

TStrings *TMemIniFile::FindSection(const QString &section) const
{
    const int index = sections_.IndexOf(section);
    return index < 0 ? nullptr : static_cast<TStrings *>(sections_.Objects(index));
}

TStrings &TMemIniFile::AddSection(const QString &section)
{
    auto lines = std::make_unique<TStringList>();
    sections_.AddObject(section, lines.get());
    return *lines.release();
}

QString TMemIniFile::ReadString(const QString &section, const QString &ident, const QString &defaultValue) const
{
    const TStrings *lines = FindSection(section);
    const int index = lines ? lines->IndexOfName(ident) : -1;
    if (index < 0)
        return defaultValue;
    const QString line = lines->Strings(index);
    return line.mid(line.indexOf(u'=') + 1);
}

void TMemIniFile::WriteString(const QString &section, const QString &ident, const QString &value)
{
    TStrings *found = FindSection(section);
    TStrings &lines = found ? *found : AddSection(section);
    const QString line = ident + u'=' + value;
    const int index = lines.IndexOfName(ident);
    if (index < 0)
        lines.Add(line);
    else
        lines.SetStrings(index, line);
}

void TMemIniFile::ReadSection(const QString &section, TStrings &strings) const
{
    Batch(strings, [&] {
        strings.Clear();
        if (const TStrings *lines = FindSection(section))
            for (int i = 0; i < lines->Count(); ++i)
                strings.Add(lines->Names(i));
    });
}

void TMemIniFile::ReadSections(TStrings &strings) const
{
    Batch(strings, [&] {
        strings.Clear();
        for (int i = 0; i < sections_.Count(); ++i)
            strings.Add(sections_.Strings(i));
    });
}

void TMemIniFile::ReadSectionValues(const QString &section, TStrings &strings) const
{
    Batch(strings, [&] {
        strings.Clear();
        if (const TStrings *lines = FindSection(section))
            strings.AddStrings(*lines);
    });
}

void TMemIniFile::EraseSection(const QString &section)
{
    const int index = sections_.IndexOf(section);
    if (index >= 0)
        sections_.Delete(index);
}

void TMemIniFile::DeleteKey(const QString &section, const QString &ident)
{
    TStrings *lines = FindSection(section);
    const int index = lines ? lines->IndexOfName(ident) : -1;
    if (index >= 0)
        lines->Delete(index);
}

void TMemIniFile::UpdateFile()
{
    TStringList text;
    GetStrings(text);
    text.SaveToFile(FileName());
}

void TMemIniFile::GetStrings(TStrings &list) const
{
    Batch(list, [&] {
        for (int i = 0; i < sections_.Count(); ++i) {
            list.Add(u'[' + sections_.Strings(i) + u']');
            list.AddStrings(*static_cast<const TStrings *>(sections_.Objects(i)));
            list.Add(QString());
        }
    });
}

void TMemIniFile::SetStrings(const TStrings &list)
{
    sections_.Clear();
    TStrings *current = nullptr;
    for (int i = 0; i < list.Count(); ++i) {
        const QString line = list.Strings(i);
        if (line.isEmpty())
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']'))
            current = &AddSection(line.mid(1, line.size() - 2));
        else if (current && !line.startsWith(u';'))
            current->Add(line);
    }
}
