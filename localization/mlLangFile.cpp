#include "mlLang.h"

#include "MemIni.h"
#include "mlLangSupport.h"
#include "mlLangTables.h"

#include "rtl/SysUtils.h"

#include <QFileInfo>
#include <QSet>

// A language file is an INI file: OPTIONS/DELIMITER names the text between the languages of a value, the
// language names have a section of their own, and each kind has its section of "Owner.Entry=texts" keys.
// A line break inside a text is stored as character 25 (CR) or 26 (LF); the brackets of collection entry
// names are stored as "-" and "+".

namespace {
const QString OptionsSection = QStringLiteral("OPTIONS");
const QString DelimiterKey = QStringLiteral("DELIMITER");
const QString DefaultDelimiter = QStringLiteral("|");
const QString LanguageNamesSection = QStringLiteral("Language names - for internal use only!");
// Written by earlier versions under this spelling; removed, never read.
const QString OldLanguageNamesSection = QStringLiteral("Language names - for intenal use only!");
constexpr QChar StoredCR = QChar(25);
constexpr QChar StoredLF = QChar(26);
// Marks a key whose value could not be read. No text of a file holds it, so a text made of the single letter
// whose code is 255 is read like any other.
constexpr QChar Unreadable = QChar(0xFFFF);

bool HasBracketedNames(TStringsType kind) { return kind == stCollections || kind == stListView_TreeView_Items; }

QString LanguageKey(int language) { return QStringLiteral("Language_") + IntToStr(language); }
} // namespace

int TmlCustomLang::SaveKindToFile(TStringsType kind, const QString &fileName, const QString &delimiter)
{
    TStrings *list = GetKindList(kind);
    if (!list)
        return -1;
    TMemIniFile ini(fileName);
    ini.WriteString(OptionsSection, DelimiterKey, delimiter);
    ini.EraseSection(LanguageNamesSection);
    for (int i = 1; i <= numOfLanguages_; ++i) {
        const QString name = i <= langNames_.Count() ? langNames_.Strings(i - 1) : QString();
        ini.WriteString(LanguageNamesSection, LanguageKey(i),
                        name.isEmpty() ? GeneratedLanguageName(i) : name);
    }
    ini.EraseSection(OldLanguageNamesSection);

    const QString &section = KindSectionNames.at(kind);
    const QString className = Owner()->ClassName();
    const QChar d = Delim();
    for (int i = 0; i < list->Count(); ++i) {
        const QString entry = list->Strings(i);
        const qsizetype first = entry.indexOf(d);
        QString name = TextBefore(entry, d);
        if (HasBracketedNames(kind))
            name.replace(u'[', u'-').replace(u']', u'+');
        QString value = first < 0 ? QString() : entry.mid(first + 1);
        value.replace(d, delimiter).replace(u'\r', StoredCR).replace(u'\n', StoredLF);
        ini.WriteString(section, className + u'.' + name, value);
    }

    // Keys under the owner's component name are an older form of the same entries.
    const QString ownerName = Owner()->Name();
    if (!ownerName.isEmpty() && ownerName != className) {
        const QString prefix = ownerName + u'.';
        TStringList lines;
        ini.GetStrings(lines);
        const int header = lines.IndexOf(u'[' + section + u']');
        for (int i = header + 1; header >= 0 && i < lines.Count() && !lines.Strings(i).startsWith(u'[');) {
            if (lines.Strings(i).startsWith(prefix))
                lines.Delete(i);
            else
                ++i;
        }
        ini.SetStrings(lines);
    }
    ini.UpdateFile();
    return list->Count();
}

int TmlCustomLang::LoadKindFromFile(TStringsType kind, const QString &fileName, bool clearFirst)
{
    if (!QFileInfo(fileName).isFile())
        return -1;
    TStrings *list = GetKindList(kind);
    if (!list)
        return -1;
    if (clearFirst)
        list->Clear();
    try {
        const TMemIniFile ini(fileName);
        const QString delimiter = ini.ReadString(OptionsSection, DelimiterKey, DefaultDelimiter);
        for (int i = 1;; ++i) {
            const QString name = ini.ReadString(LanguageNamesSection, LanguageKey(i), QString());
            if (name.isEmpty())
                break;
            if (i <= langNames_.Count())
                langNames_.SetStrings(i - 1, name);
            else
                langNames_.Add(name);
        }
        if (numOfLanguages_ < langNames_.Count())
            numOfLanguages_ = langNames_.Count();

        const QString &section = KindSectionNames.at(kind);
        TStringList keys;
        ini.ReadSection(section, keys);
        QSet<QString> seen;
        const QChar d = Delim();
        const QString ownerName = Owner()->Name();
        const QString className = Owner()->ClassName();
        for (int k = 0; k < keys.Count(); ++k) {
            const QString key = keys.Strings(k);
            const QString upperKey = AnsiUpperCase(key);
            if (seen.contains(upperKey))
                continue;
            seen.insert(upperKey);

            QString candidate = key + d;
            if (HasBracketedNames(kind))
                candidate.replace(u'-', u'[').replace(u'+', u']');
            QString matched;
            if (!ownerName.isEmpty() && candidate.startsWith(ownerName + u'.'))
                matched = ownerName;
            else if (candidate.startsWith(className + u'.'))
                matched = className;
            else
                continue;
            candidate.remove(0, matched.size() + 1);

            QString value = ini.ReadString(section, key, QString(Unreadable));
            if (value == QString(Unreadable))
                continue;
            const bool hasDelimiter = !delimiter.isEmpty() && value.contains(delimiter);
            if (!hasDelimiter)
                candidate += value + d;
            if (!delimiter.isEmpty())
                value.replace(delimiter, d);
            candidate += value;
            candidate.replace(StoredCR, u'\r').replace(StoredLF, u'\n');
            if (candidate.startsWith(matched + d, Qt::CaseInsensitive))
                list->Insert(0, candidate);
            else
                list->Add(candidate);
        }
        if (!fileLoading_) {
            TStrings *loaded = GetKindList(kind);
            SweepKindList(loaded, kind);
            ApplyLanguage();
        }
        return int(seen.size());
    } catch (const std::exception &) {
        return -1;
    }
}

void TmlCustomLang::LoadFromFile(const QString &fileName, bool clearFirst) { LoadAll(fileName, clearFirst, true); }

void TmlCustomLang::LoadFromFileNoApply(const QString &fileName, bool clearFirst)
{
    LoadAll(fileName, clearFirst, false);
}

void TmlCustomLang::LoadAll(const QString &fileName, bool clearFirst, bool apply)
{
    const FileLoadingScope loading(fileLoading_);
    for (int kind = 0; kind < StringsTypeCount; ++kind) {
        LoadKindFromFile(TStringsType(kind), fileName, clearFirst);
        if (TStrings *list = GetKindList(TStringsType(kind)))
            SweepKindList(list, TStringsType(kind));
    }
    if (apply)
        ApplyLanguage();
}

void TmlCustomLang::SaveToFile(const QString &fileName, const QString &delimiter)
{
    for (int kind = 0; kind < StringsTypeCount; ++kind)
        SaveKindToFile(TStringsType(kind), fileName, delimiter);
}

int TmlCustomLang::LoadStringsFromFile(const QString &fileName, bool clearFirst)
{
    return LoadKindFromFile(stStrings, fileName, clearFirst);
}

int TmlCustomLang::SaveStringsToFile(const QString &fileName, QChar delimiter)
{
    return SaveKindToFile(stStrings, fileName, QString(delimiter));
}
