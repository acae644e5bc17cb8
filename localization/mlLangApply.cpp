#include "mlLang.h"

#include "mlFields.h"
#include "mlLangSupport.h"
#include "mlLangTables.h"
#include "mlPropInfo.h"

#include "classes/Collection.h"
#include "controls/ComboBox.h"
#include "forms/Form.h"
#include "forms/Screen.h"
#include "graphics/Font.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <QDir>

namespace {
// Shows the component's changing cursor while a switch runs, when the screen shows the default one.
class ChangingCursorScope {
public:
    explicit ChangingCursorScope(TCursor cursor)
    {
        if (cursor == crNone || Screen->Cursor() != crDefault)
            return;
        SavedCursor = Screen->Cursor();
        Screen->SetCursor(cursor);
        replaced_ = true;
    }
    ~ChangingCursorScope()
    {
        if (replaced_)
            Screen->SetCursor(SavedCursor);
    }
    ChangingCursorScope(const ChangingCursorScope &) = delete;
    ChangingCursorScope &operator=(const ChangingCursorScope &) = delete;

private:
    bool replaced_ = false;
};

// The full path of a file name against the current folder, with "." and ".." resolved.
QString ExpandFileName(const QString &name)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(QString(name).replace(u'\\', u'/')));
}

bool HasParentFont(const TmlPropInfoList &properties, const QObject *target)
{
    const TPropInfo *parentFont = properties.Find(QStringLiteral("ParentFont"));
    return parentFont && parentFont->Kind() == tkOther && parentFont->GetOrdProp(target) != 0;
}

void ReplaceNames(QString *names, int count, const QString &commaText)
{
    TStringList items;
    items.SetCommaText(commaText);
    for (int i = 0; i < count && i < items.Count(); ++i)
        names[i] = items.Strings(i);
}

// Writes a locale text into the module's settings; the position (1-based) in the Locales list, not the entry's
// name, says which setting. Separators take the text's first character.
void ApplyLocaleItem(int position, const QString &text)
{
    TFormatSettings &fs = FormatSettings;
    switch (position) {
    case 1: fs.CurrencyString = text; break;
    case 2: fs.ThousandSeparator = text.at(0); break;
    case 3: fs.DecimalSeparator = text.at(0); break;
    case 4: fs.DateSeparator = text.at(0); break;
    case 5: fs.ShortDateFormat = text; break;
    case 6: fs.LongDateFormat = text; break;
    case 7: fs.TimeSeparator = text.at(0); break;
    case 8: fs.TimeAMString = text; break;
    case 9: fs.TimePMString = text; break;
    case 10: fs.ShortTimeFormat = text; break;
    case 11: fs.LongTimeFormat = text; break;
    case 12: ReplaceNames(fs.ShortMonthNames, 12, text); break;
    case 13: ReplaceNames(fs.LongMonthNames, 12, text); break;
    case 14: ReplaceNames(fs.ShortDayNames, 7, text); break;
    case 15: ReplaceNames(fs.LongDayNames, 7, text); break;
    default: break;
    }
}

// Refills a string list line by line from a comma text, keeping a combo box's selection and a sorted list's
// order.
void ReplaceLines(QObject *target, TStrings &lines, const QString &commaText)
{
    TStringList fresh;
    fresh.SetCommaText(commaText);
    auto *combo = dynamic_cast<TComboBox *>(target);
    const int selected = combo ? combo->ItemIndex() : -1;
    auto *sortable = dynamic_cast<TStringList *>(&lines);
    const bool sorted = sortable && sortable->Sorted();
    if (sortable)
        sortable->SetSorted(false);
    lines.BeginUpdate();
    for (int i = 0; i < fresh.Count(); ++i) {
        if (i < lines.Count())
            lines.SetStrings(i, fresh.Strings(i));
        else
            lines.Add(fresh.Strings(i));
    }
    while (lines.Count() > fresh.Count())
        lines.Delete(lines.Count() - 1);
    lines.EndUpdate();
    if (sortable)
        sortable->SetSorted(sorted);
    if (combo)
        combo->SetItemIndex(selected);
}
} // namespace

void TmlCustomLang::SetActiveLanguage(int value)
{
    if (value == activeLanguage_)
        return;
    if (value < 1 || value > numOfLanguages_) {
        if (IsLoading())
            return;
        throw ELanguageError(Format(QStringLiteral("%d - is not a valid property value!\rValue must be within [1..%d]!"),
                                    {value, numOfLanguages_}));
    }
    changedKind_ = -1;
    const ChangingCursorScope cursor(changingCursor_);
    // A component still being read only takes the number, unless a dispatcher already drives it.
    const bool switching = langDispatcher_ || !IsLoading();
    if (switching)
        CollectStrings();
    activeLanguage_ = value;
    if (!IsLoading() && langNames_.Count() >= activeLanguage_)
        language_ = langNames_.Strings(activeLanguage_ - 1);
    if (switching)
        ApplyLanguage();
}

QString TmlCustomLang::LanguageText(TStrings *list, int index, const QString &entry)
{
    QString text = ExtractField(activeLanguage_ + 1, entry, QString(Delim()));
    if (text.isEmpty() && translateType_ == ttGetDefault)
        text = LookupListEntryByIndex(list, index, true);
    return text;
}

void TmlCustomLang::ApplyLanguage()
{
    ApplyTexts();
    onChangeLanguage_(this);
}

void TmlCustomLang::ApplyTexts()
{
    const TPropInfoCache properties;
    const auto applies = [this](int kind) { return changedKind_ == -1 || changedKind_ == kind; };
    auto *form = dynamic_cast<TForm *>(Owner());
    if (form) {
        try {
            const auto applyOwn = [&](TStringList &list, auto set) {
                if (list.Count() == 0 || !OwnerTranslatable())
                    return;
                const QString text = LanguageText(&list, 0, list.Strings(0));
                if (!text.isEmpty() && !form->Action())
                    set(text);
            };
            applyOwn(captions_, [&](const QString &text) {
                if (text != form->Caption())
                    form->SetCaption(text);
            });
            applyOwn(hints_, [&](const QString &text) { form->SetHint(text); });
        } catch (const Exception &) {
            // The form keeps what it shows; the rest of the apply goes on.
        }
    }
    if (applies(stCaptions))
        ApplyKind(&captions_, stCaptions);
    if (applies(stHints))
        ApplyKind(&hints_, stHints);
    if (applies(stDisplayLabels))
        ApplyKind(&displayLabels_, stDisplayLabels);
    if (applies(stFonts) || changedKind_ == stCharSets)
        ApplyKind(&fonts_, stFonts);
    if (form && fonts_.Count() > 0 && OwnerTranslatable()) {
        const QString name = LanguageText(&fonts_, 0, fonts_.Strings(0));
        if (!name.isEmpty())
            form->Font()->SetName(name);
        const int charset = CharsetValue(GetNamedEntryText(&charSets_, Owner()->ClassName(), activeLanguage_));
        if (charset >= 0)
            form->Font()->SetCharset(charset);
    }
    if (applies(stMultiLines))
        ApplyKind(&multiLines_, stMultiLines);
    if (applies(stOtherStrings))
        ApplyKind(&otherStrings_, stOtherStrings);
    if (changeLocales_ && applies(stLocales))
        ApplyKind(&locales_, stLocales);
    if (applies(stCollections))
        ApplyKind(&collections_, stCollections);
}

void TmlCustomLang::ApplyKind(TStrings *list, TStringsType kind)
{
    SweepKindList(list, kind);
    if (kind == stCollections) {
        ApplyCollections(list);
        return;
    }
    TComponent *owner = Owner();
    const QChar d = Delim();
    const bool dotted = kind == stMultiLines || kind == stOtherStrings;
    // The form's own entry was applied with the form.
    const bool ownEntryFirst =
        (kind == stCaptions || kind == stHints || kind == stFonts) && IsForm(owner) && OwnerTranslatable();
    for (int i = ownEntryFirst ? 1 : 0; i < list->Count(); ++i) {
        const QString entry = list->Strings(i);
        QString componentName;
        QString propertyName = KindNames[kind];
        if (dotted) {
            componentName = TextBeforeChar(entry, u'.');
            const qsizetype start = componentName.size() + 1;
            propertyName = entry.mid(start, entry.indexOf(d, start) - start);
        } else {
            componentName = TextBefore(entry, d);
        }
        if (doNotTranslate_.IndexOf(componentName) >= 0)
            continue;
        const QString text = LanguageText(list, i, entry);
        if (kind == stLocales) {
            if (!text.isEmpty())
                ApplyLocaleItem(i + 1, text);
            continue;
        }
        QObject *target = owner->FindComponent(componentName);
        if (!target && componentName == owner->ClassName())
            target = owner;
        if (!target)
            continue;
        try {
            ApplyEntry(kind, target, componentName, propertyName, text);
        } catch (const EListError &) {
            // The entry cannot reach its property; it is left for the next collection to sort out.
        }
    }
}

void TmlCustomLang::ApplyEntry(TStringsType kind, QObject *target, const QString &componentName,
                               const QString &propertyName, const QString &text)
{
    const TmlPropInfoList properties(target);
    const TPropInfo *property = properties.Find(propertyName);
    // A file may name a property the target lacks; the next collection removes such an entry.
    if (!property)
        return;
    switch (kind) {
    case stFonts: {
        auto *font = property->Kind() == tkClass ? dynamic_cast<TFont *>(property->GetObjectProp(target)) : nullptr;
        if (!font || HasParentFont(properties, target))
            return;
        const int charset = CharsetValue(GetNamedEntryText(&charSets_, componentName, activeLanguage_));
        if (charset >= 0)
            font->SetCharset(charset);
        if (!text.isEmpty())
            font->SetName(text);
        return;
    }
    case stMultiLines: {
        if (text.isEmpty() || property->Kind() != tkClass)
            return;
        auto *lines = dynamic_cast<TStrings *>(property->GetObjectProp(target));
        if (lines && lines->CommaText() != text)
            ReplaceLines(target, *lines, text);
        return;
    }
    default:
        break;
    }
    if (text.isEmpty())
        return;
    try {
        if (text == property->GetStrProp(target))
            return;
        if (kind == stDisplayLabels || kind == stOtherStrings) {
            // A relative path names the same file as its expanded form.
            if ((text.contains(QStringLiteral("..")) || text.contains(QStringLiteral(".\\"))) &&
                ExpandFileName(text) == property->GetStrProp(target))
                return;
        } else if (HasAssignedAction(dynamic_cast<const TComponent *>(target))) {
            return;
        }
        property->SetStrProp(target, text);
    } catch (const Exception &) {
        // A property that cannot take the text keeps its own.
    }
}

void TmlCustomLang::ApplyCollections(TStrings *list)
{
    TComponent *owner = Owner();
    const QChar d = Delim();
    for (int i = 0; i < list->Count();) {
        const QString entry = list->Strings(i);
        const QString componentName = TextBeforeChar(entry, u'.');
        if (doNotTranslate_.IndexOf(componentName) >= 0) {
            ++i;
            continue;
        }
        const qsizetype start = componentName.size() + 1;
        const qsizetype open = entry.indexOf(u'[', start);
        const qsizetype close = entry.indexOf(u']', open + 1);
        const QString collectionName = entry.mid(start, open - start);
        int index = -1;
        // An index that is not a number (a hand-edited language file) leads to no item, as when collecting.
        if (open < 0 || close < 0 || !TryStrToInt(entry.mid(open + 1, close - open - 1), index))
            index = -1;
        const qsizetype itemStart = close + 2;
        const QString itemPropertyName = entry.mid(itemStart, entry.indexOf(d, itemStart) - itemStart);
        const QString text = LanguageText(list, i, entry);

        const TComponent *component = owner->FindComponent(componentName);
        const TPropInfo *collectionProperty = nullptr;
        std::unique_ptr<TmlPropInfoList> componentProperties;
        if (component) {
            componentProperties = std::make_unique<TmlPropInfoList>(component);
            collectionProperty = componentProperties->Find(collectionName);
        }
        const auto *collection = collectionProperty && collectionProperty->Kind() == tkClass
                                     ? dynamic_cast<const TCollection *>(collectionProperty->GetObjectProp(component))
                                     : nullptr;
        // The sweep moved the entries of vanished components and items; what still does not lead to an item
        // stays for the next collection.
        if (!collection || index < 0 || index >= collection->Count()) {
            ++i;
            continue;
        }
        TCollectionItem *item = collection->Items(index);
        const TmlPropInfoList itemProperties(item);
        const TPropInfo *itemProperty = itemProperties.Find(itemPropertyName);
        if (!itemProperty) {
            list->Delete(i);
            continue;
        }
        // An unreadable text reads empty, so it differs from the entry's.
        if (!text.isEmpty() && ReadStrProp(*itemProperty, item) != text)
            itemProperty->SetStrProp(item, text);
        ++i;
    }
}
