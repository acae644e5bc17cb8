#include "mlLang.h"

#include "mlFields.h"

#include "rtl/SysUtils.h"

TStringList *TmlCustomLang::OwnKindList(TStringsType kind)
{
    switch (kind) {
    case stCaptions: return &captions_;
    case stHints: return &hints_;
    case stDisplayLabels: return &displayLabels_;
    case stFonts: return &fonts_;
    case stMultiLines: return &multiLines_;
    case stDlgsCaptions: return &dlgsCaptions_;
    case stStrings: return &strings_;
    case stOtherStrings: return &otherStrings_;
    case stLocales: return &locales_;
    case stCollections: return &collections_;
    case stCharSets: return &charSets_;
    case stListView_TreeView_Items: break;
    }
    return nullptr;
}

int TmlCustomLang::SharedKind(const TStrings *list, bool withStrings) const
{
    if ((options_ & loUseExtCommonStrings) && list == &dlgsCaptions_)
        return stDlgsCaptions;
    if ((options_ & loUseExtCommonStrings) && list == &locales_)
        return stLocales;
    if (withStrings && (options_ & loUseExtUDStrings) && list == &strings_)
        return stStrings;
    return -1;
}

TStrings *TmlCustomLang::SharedSource(TStrings *list, int kind)
{
    if (kind < 0)
        return list;
    if (!langDispatcher_)
        return nullptr;
    for (int i = 0; i < langDispatcher_->LangComponentCount(); ++i) {
        TStringList *shared = langDispatcher_->LangComponents(i)->OwnKindList(TStringsType(kind));
        if (shared->Count() > 0)
            return shared;
    }
    return list;
}

QString TmlCustomLang::EntryText(const QString &entry, bool fallBack) const
{
    const QString delimiters(Delim());
    QString text = ExtractField(activeLanguage_ + 1, entry, delimiters);
    if (text.isEmpty() && fallBack)
        text = ExtractField(2, entry, delimiters);
    return text;
}

QString TmlCustomLang::LookupListEntry(TStrings *list, const QString &name, bool fallBack)
{
    const TStrings *source = SharedSource(list, SharedKind(list, true));
    if (!source)
        return QString();
    const QString key = AnsiUpperCase(name);
    const QString delimiters(Delim());
    for (int i = 0; i < source->Count(); ++i) {
        const QString entry = source->Strings(i);
        if (AnsiUpperCase(ExtractField(1, entry, delimiters)) == key)
            return EntryText(entry, fallBack);
    }
    if (doRaiseExceptions_)
        throw ELanguageError(QStringLiteral("String identifier \"") + name + QStringLiteral("\" not found!"));
    return QString();
}

QString TmlCustomLang::LookupString(const QString &name)
{
    return LookupListEntry(&strings_, name, translateType_ == ttGetDefault);
}

QString TmlCustomLang::LookupListEntryByIndex(TStrings *list, int index, bool fallBack)
{
    const TStrings *source = SharedSource(list, SharedKind(list, false));
    if (!source || index < 0 || index >= source->Count())
        return QString();
    return EntryText(source->Strings(index), fallBack);
}

bool TmlCustomLang::OwnerTranslatable() const { return doNotTranslate_.IndexOf(Owner()->ClassName()) < 0; }
