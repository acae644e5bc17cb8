#include "mlLang.h"

#include "mlFields.h"
#include "mlLangSupport.h"
#include "mlLangTables.h"
#include "mlPropInfo.h"

#include "classes/Collection.h"
#include "forms/Form.h"
#include "graphics/Font.h"
#include "rtl/SysUtils.h"

#include <algorithm>

// Collecting brings the lists up to date with what the owner shows now: every translatable property gets an
// entry, new entries hold the current value as their first language's text, and the translations of a vanished
// component travel to a new one that shows the same text. Existing entries of the owned components take the
// current value only while the owner is designed; the form's own entries always do.

namespace {
// Stands in for the character set of a form font that has no name in the table when the first entry is re-keyed.
const QString UnnamedCharset = QStringLiteral("eee");

bool IsSimpleProperty(const QString &name)
{
    return std::any_of(SimplePropertyNames.begin(), SimplePropertyNames.end(),
                       [&](const QString &simple) { return SameText(simple, name); });
}

bool IsMenuSeparator(const QObject *component, const QString &caption)
{
    const auto *named = dynamic_cast<const TObject *>(component);
    return named && named->ClassName() == QLatin1String("TMenuItem") && caption == QLatin1String("-");
}

int FindEntryBeginning(const TStrings &list, const QString &prefix)
{
    for (int i = 0; i < list.Count(); ++i)
        if (list.Strings(i).startsWith(prefix))
            return i;
    return -1;
}
} // namespace

void TmlCustomLang::CollectStrings()
{
    const TPropInfoCache properties;
    const bool raising = doRaiseExceptions_;
    doRaiseExceptions_ = false;
    try {
        if (const auto *form = dynamic_cast<const TForm *>(Owner()))
            CollectFormEntries(*form);
        holdingList_ = std::make_unique<TStringList>();
        const auto pass = [this](TStringList &list, TStringsType kind) {
            SweepKindList(&list, kind);
            CollectKind(&list, kind);
            holdingList_->Clear();
        };
        if (!IsExcluded(QStringLiteral("Caption")))
            pass(captions_, stCaptions);
        if (!IsExcluded(QStringLiteral("Hint")))
            pass(hints_, stHints);
        if (!IsExcluded(QStringLiteral("DisplayLabel")))
            pass(displayLabels_, stDisplayLabels);
        if (!IsExcluded(QStringLiteral("Font"))) {
            SweepKindList(&fonts_, stFonts);
            CollectKind(&fonts_, stFonts);
            // Only now: a font that took a vanished component's translations read its held character sets.
            SweepKindList(&charSets_, stCharSets);
            holdingList_->Clear();
        }
        pass(multiLines_, stMultiLines);
        pass(otherStrings_, stOtherStrings);
        pass(collections_, stCollections);
        RemoveStaleEntries();
    } catch (...) {
        // A text that cannot be collected ends the collection; what was collected so far stays.
    }
    doRaiseExceptions_ = raising;
    holdingList_.reset();
}

void TmlCustomLang::CollectFormEntries(const TForm &form)
{
    if (!OwnerTranslatable())
        return;
    if (!IsExcluded(QStringLiteral("Caption")))
        UpdateOwnEntry(captions_, form.Caption());
    if (!IsExcluded(QStringLiteral("Hint")))
        UpdateOwnEntry(hints_, form.Hint());
    if (IsExcluded(QStringLiteral("Font")))
        return;
    const TFont *font = form.Font();
    const QString charset = CharsetName(font->Charset());
    RekeyOwnEntry(charSets_, charset.isEmpty() ? UnnamedCharset : charset);
    // The own character-set entry goes first, also in a list that holds only components' entries: the sweeps
    // keep the first entry of a form's list and would hold any later one of the form's class name.
    if (UpdateOwnEntry(fonts_, font->Name()) && !IsExcluded(QStringLiteral("Charset"))) {
        const QString own = Owner()->ClassName() + Delim() + charset + QString(numOfLanguages_, Delim());
        if (charSets_.Count() == 0)
            charSets_.Add(own);
        else
            charSets_.Insert(0, own);
    }
}

void TmlCustomLang::RekeyOwnEntry(TStrings &list, const QString &value)
{
    if (list.Count() == 0)
        return;
    const QString className = Owner()->ClassName();
    const QString &formName = Owner()->Name();
    const QString entry = list.Strings(0);
    const qsizetype end = entry.indexOf(Delim());
    const QString rest = end < 0 ? QString() : entry.mid(end);
    QString name = TextBefore(entry, Delim());
    if (name != className && name != formName) {
        name = ExtractField(2, entry, QString(Delim()));
        if (name == value)
            list.SetStrings(0, className + rest);
    }
    if (name == formName)
        list.SetStrings(0, className + rest);
}

bool TmlCustomLang::UpdateOwnEntry(TStrings &list, const QString &value)
{
    RekeyOwnEntry(list, value);
    const QString className = Owner()->ClassName();
    const QString &formName = Owner()->Name();
    const QString own = className + Delim() + value + QString(numOfLanguages_, Delim());
    bool added = false;
    if (list.Count() == 0) {
        list.Add(own);
        added = true;
    } else if (const QString first = list.Strings(0);
               !first.contains(className) && (formName.isEmpty() || !first.contains(formName))) {
        list.Insert(0, own);
        added = true;
    }
    if (ExtractField(activeLanguage_ + 1, list.Strings(0), QString(Delim())) != value)
        SetEntryText(&list, value, className, activeLanguage_);
    return added;
}

void TmlCustomLang::CollectKind(TStrings *list, TStringsType kind)
{
    TComponent *owner = Owner();
    if (kind == stOtherStrings && doNotTranslate_.IndexOf(owner->ClassName()) < 0)
        CollectComponent(*list, kind, owner, owner->ClassName());
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        TComponent *component = owner->Components(i);
        if (dynamic_cast<TmlCustomLang *>(component) || doNotTranslate_.IndexOf(component->Name()) >= 0)
            continue;
        CollectComponent(*list, kind, component, component->Name());
    }
}

void TmlCustomLang::CollectComponent(TStrings &list, TStringsType kind, QObject *component, const QString &walkName)
{
    const auto *asComponent = dynamic_cast<const TComponent *>(component);
    if (walkName.isEmpty() && kind != stCollections)
        return;
    if (kind == stMultiLines && asComponent && asComponent->ClassName() == QLatin1String("TFormStorage"))
        return;
    const TmlPropInfoList properties(component);
    for (int p = 0; p < properties.Count(); ++p) {
        const TPropInfo &property = properties.Items(p);
        const QString &name = property.Name();
        switch (kind) {
        case stCaptions:
        case stHints:
        case stDisplayLabels:
            if (name == KindNames[kind]) {
                const QString value = ReadStrProp(property, component);
                if (kind == stCaptions && IsMenuSeparator(component, value))
                    break;
                CollectValue(list, kind, component, walkName, walkName, value);
            }
            break;
        case stFonts:
            if (name == KindNames[stFonts] && property.Kind() == tkClass) {
                // A font that is not there has no text to collect.
                if (const auto *font = dynamic_cast<const TFont *>(property.GetObjectProp(component)))
                    CollectValue(list, kind, component, walkName, walkName, font->Name(), font);
            }
            break;
        case stMultiLines:
            if (property.Kind() == tkClass &&
                (SameText(property.TypeName(), QStringLiteral("TStrings")) || IsStringListClass(property.TypeName())) &&
                !IsExcluded(name)) {
                if (const auto *lines = dynamic_cast<const TStrings *>(property.GetObjectProp(component)))
                    CollectValue(list, kind, component, walkName, walkName + u'.' + name, lines->CommaText());
            }
            break;
        case stOtherStrings:
            if (property.Kind() == tkString && name != QLatin1String("Name") && !IsSimpleProperty(name) &&
                !IsExcluded(name))
                CollectValue(list, kind, component, walkName, walkName + u'.' + name, ReadStrProp(property, component));
            break;
        case stCollections:
            if (property.Kind() == tkClass && !IsExcluded(name)) {
                if (const auto *collection = dynamic_cast<const TCollection *>(property.GetObjectProp(component)))
                    CollectCollection(list, *collection, walkName + u'.' + name);
            }
            break;
        default:
            break;
        }
    }
}

void TmlCustomLang::CollectCollection(TStrings &list, const TCollection &collection, const QString &namePrefix)
{
    for (int index = 0; index < collection.Count(); ++index) {
        const TCollectionItem *item = collection.Items(index);
        const QString itemPrefix = namePrefix + Format(QStringLiteral("[%d]."), {index});
        const TmlPropInfoList properties(item);
        for (int p = 0; p < properties.Count(); ++p) {
            const TPropInfo &property = properties.Items(p);
            if (property.Kind() == tkString)
                CollectValue(list, stCollections, item, QString(), itemPrefix + property.Name(),
                             ReadStrProp(property, item));
        }
    }
}

void TmlCustomLang::CollectValue(TStrings &list, TStringsType kind, const QObject *component, const QString &walkName,
                                 const QString &entryName, const QString &value, const TFont *font)
{
    const QChar d = Delim();
    QString prefix;
    switch (kind) {
    case stMultiLines:
    case stCollections:
        prefix = entryName;
        break;
    default:
        prefix = entryName + d;
        break;
    }
    if (const int existing = FindEntryBeginning(list, prefix); existing >= 0) {
        if (Owner()->HasState(csDesigning)) {
            const QString text = ExtractField(activeLanguage_ + 1, list.Strings(existing), QString(d));
            if (text != value && (!text.isEmpty() || activeLanguage_ == 1))
                SetEntryText(&list, value, entryName, activeLanguage_);
        }
        return;
    }

    const QString held = FindHeldEntry(value);
    QString entry;
    if (!held.isEmpty()) {
        const qsizetype end = held.indexOf(d);
        entry = entryName + d + (end < 0 ? QString() : held.mid(end + 1));
        if (kind == stFonts && !IsExcluded(QStringLiteral("Charset")))
            AddHeldCharSets(walkName, TextBefore(held, d));
    } else {
        entry = entryName + d + value + QString(numOfLanguages_, d);
    }
    if ((kind == stCaptions || kind == stHints) && HasAssignedActionProperty(component))
        return;
    list.Add(entry);
    if (kind == stFonts && held.isEmpty()) {
        // One text only, whatever the number of languages.
        if (const QString charset = CharsetName(font->Charset()); !charset.isEmpty())
            charSets_.Add(walkName + d + charset + d);
    }
}

void TmlCustomLang::AddHeldCharSets(const QString &componentName, const QString &heldName)
{
    const QChar d = Delim();
    QString entry = componentName + d;
    // The lookup reads the active language: it is moved through the languages and given back its value, with
    // no other effect (no lookup raises while collecting).
    const int active = activeLanguage_;
    for (int language = 1; language <= numOfLanguages_; ++language) {
        activeLanguage_ = language;
        entry += LookupListEntry(&charSets_, heldName, false) + d;
    }
    activeLanguage_ = active;
    charSets_.Add(entry);
}

QString TmlCustomLang::FindHeldEntry(const QString &value)
{
    if (!holdingList_)
        return QString();
    for (int i = 0; i < holdingList_->Count(); ++i)
        if (LookupListEntryByIndex(holdingList_.get(), i, true) == value)
            return holdingList_->Strings(i);
    return QString();
}
