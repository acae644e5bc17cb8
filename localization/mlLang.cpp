#include "mlLang.h"

#include "mlFields.h"
#include "mlFormStorage.h"
#include "mlLabel.h"
#include "mlLangSupport.h"
#include "mlLangTables.h"
#include "mlPropInfo.h"

#include "classes/Collection.h"
#include "rtl/FormatSettings.h"
#include "rtl/SysUtils.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>

namespace {
const QString VersionText = QStringLiteral("v4.9.3");
constexpr QChar Tab = u'\t';

// The kinds' list properties: the TStringsType names without their "st".
const std::array<QString, StringsTypeCount> KindListProperties = {
    "Captions", "Hints",  "DisplayLabels", "Fonts",       "MultiLines", "DlgsCaptions",
    "Strings",  "OtherStrings", "Locales", "Collections", "CharSets",   "ListView_TreeView_Items",
};

// The lists that follow the owner's components, with the kind each is swept and cleaned as.
struct ComponentList {
    TStrings *List;
    TStringsType Kind;
};

QString JoinNames(const QString *names, int count) { return QStringList(names, names + count).join(u','); }

bool SameUpper(const QString &a, const QString &b) { return AnsiUpperCase(a) == AnsiUpperCase(b); }

// A "Component.Property[index].ItemProperty" entry name whose collection has no item at the index.
bool ItemIndexBeyondCollection(const TComponent *component, const QString &name)
{
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0)
        return false;
    const QString indexed = TextBefore(name.mid(dot + 1), u'.');
    const qsizetype bracket = indexed.indexOf(u'[');
    const QString propertyName = indexed.left(bracket);
    int index = 0;
    if (bracket < 0 || !TryStrToInt(indexed.mid(bracket + 1, indexed.size() - bracket - 2), index))
        return false;
    const TmlPropInfoList properties(component);
    const TPropInfo *property = properties.Find(propertyName);
    if (!property || property->Name() != propertyName || property->Kind() != tkClass)
        return false;
    const auto *collection = dynamic_cast<const TCollection *>(property->GetObjectProp(component));
    return collection && index >= collection->Count();
}

bool PublishesProperty(const QObject *object, const QString &name)
{
    return TmlPropInfoList(object).Find(name) != nullptr;
}

// A dialog caption's entry is named by the caption without its first "&".
QString DialogCaptionEntry(const QString &caption, QChar delimiter)
{
    QString name = caption;
    if (const qsizetype amp = name.indexOf(u'&'); amp >= 0)
        name.remove(amp, 1);
    return name + delimiter + caption + delimiter;
}
} // namespace

TComponent *TmlCustomLang::RequireSoleLanguageComponent(TComponent *owner)
{
    if (!owner)
        throw EComponentError(QStringLiteral("A language component needs an owner"));
    for (int i = 0; i < owner->ComponentCount(); ++i)
        if (dynamic_cast<TmlCustomLang *>(owner->Components(i)))
            throw Exception(QStringLiteral("Only one TmlCustomLang component per Form/DataModule allowed!"));
    return owner;
}

TmlCustomLang::TmlCustomLang(TComponent *owner) : TComponent(RequireSoleLanguageComponent(owner)), version_(VersionText)
{
    langNames_.Add(GeneratedLanguageName(1));
    language_ = langNames_.Strings(0);
    const QChar d = Delim();
    for (int i = 0; i < DefaultDlgsCaptionCount; ++i)
        dlgsCaptions_.Add(DialogCaptionEntry(DefaultDlgsCaptions[i], d));

    const TFormatSettings &fs = FormatSettings;
    initialLocale_ = {fs.CurrencyString,
                      QString(fs.ThousandSeparator),
                      QString(fs.DecimalSeparator),
                      QString(fs.DateSeparator),
                      fs.ShortDateFormat,
                      fs.LongDateFormat,
                      QString(fs.TimeSeparator),
                      fs.TimeAMString,
                      fs.TimePMString,
                      fs.ShortTimeFormat,
                      fs.LongTimeFormat,
                      JoinNames(fs.ShortMonthNames, 12),
                      JoinNames(fs.LongMonthNames, 12),
                      JoinNames(fs.ShortDayNames, 7),
                      JoinNames(fs.LongDayNames, 7)};
    for (size_t i = 0; i < initialLocale_.size(); ++i)
        locales_.Add(LocaleItemNames[i] + d + initialLocale_[i] + d);
}

TmlCustomLang::~TmlCustomLang()
{
    if (langDispatcher_)
        langDispatcher_->RemoveLangComponent(this);
}

void TmlCustomLang::Loaded()
{
    TComponent::Loaded();
    FillDlgsCaptions();
    if (options_ & loUseExtCommonStrings) {
        dlgsCaptions_.Clear();
        locales_.Clear();
    }
    if (langDelim_ == 9)
        SetLangDelim(1);
    if (HasTabDelimiters()) {
        ReplaceDelimiter(Delim(), Tab);
        ReplaceDelimiter(Tab, Delim());
    }
    if (locales_.Count() == 11)
        for (int i = 11; i < 15; ++i)
            locales_.Add(LocaleItemNames[i] + Delim() + initialLocale_[i] + Delim());
    ApplyExcludedProperties();
}

bool TmlCustomLang::HasTabDelimiters()
{
    const auto firstHas = [](const TStrings &list, auto test) { return list.Count() > 0 && test(list.Strings(0)); };
    const auto hasTab = [](const QString &entry) { return entry.contains(Tab); };
    const auto hasLanguageTabs = [this](const QString &entry) { return entry.count(Tab) == numOfLanguages_ + 1; };
    return firstHas(dlgsCaptions_, hasTab) || firstHas(locales_, hasTab) || firstHas(captions_, hasLanguageTabs) ||
           firstHas(hints_, hasLanguageTabs);
}

void TmlCustomLang::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (dynamic_cast<TmlCustomLang *>(component))
        return;
    if (operation == TOperation::opRemove) {
        if (component == langDispatcher_)
            langDispatcher_ = nullptr;
        const int index = doNotTranslate_.IndexOf(component->Name());
        if (index >= 0)
            doNotTranslate_.Delete(index);
    }
    RemoveEntriesOfComponent(component, operation);
}

void TmlCustomLang::RemoveEntriesOfComponent(TComponent *component, TOperation operation)
{
    for (const ComponentList &entry : {ComponentList{&captions_, stCaptions}, {&hints_, stHints},
                                       {&displayLabels_, stDisplayLabels}, {&fonts_, stFonts},
                                       {&multiLines_, stMultiLines}, {&otherStrings_, stOtherStrings},
                                       {&charSets_, stFonts}, {&collections_, stCollections}})
        RemoveComponentEntries(entry.List, component, operation, entry.Kind);
}

// ---- Property writes ----

void TmlCustomLang::CopyLines(TStrings &own, const TStrings *list)
{
    if (list)
        own.Assign(*list);
    else
        own.Clear();
}

void TmlCustomLang::SetKindList(TStringList &own, const TStrings *list, TStringsType kind)
{
    if (list == &own)
        return;
    CopyLines(own, list);
    changedKind_ = kind;
    ApplyLanguage();
}

void TmlCustomLang::SetCaptions(TStrings *list) { SetKindList(captions_, list, stCaptions); }
void TmlCustomLang::SetHints(TStrings *list) { SetKindList(hints_, list, stHints); }
void TmlCustomLang::SetDisplayLabels(TStrings *list) { SetKindList(displayLabels_, list, stDisplayLabels); }
void TmlCustomLang::SetStrings(TStrings *list) { SetKindList(strings_, list, stStrings); }
void TmlCustomLang::SetFonts(TStrings *list) { SetKindList(fonts_, list, stFonts); }
void TmlCustomLang::SetMultiLines(TStrings *list) { SetKindList(multiLines_, list, stMultiLines); }
void TmlCustomLang::SetOtherStrings(TStrings *list) { SetKindList(otherStrings_, list, stOtherStrings); }
void TmlCustomLang::SetLocales(TStrings *list) { SetKindList(locales_, list, stLocales); }
void TmlCustomLang::SetCharSets(TStrings *list) { SetKindList(charSets_, list, stCharSets); }
void TmlCustomLang::SetCollections(TStrings *list) { SetKindList(collections_, list, stCollections); }

void TmlCustomLang::SetDlgsCaptions(TStrings *list)
{
    if (list != &dlgsCaptions_)
        CopyLines(dlgsCaptions_, list);
}

void TmlCustomLang::SetNumOfLanguages(int value)
{
    if (value == numOfLanguages_)
        return;
    if (value <= 0)
        throw ELanguageError(IntToStr(value) + QStringLiteral(" - is not a valid property value !\r") +
                             QStringLiteral("Value must be more than ZERO !"));
    numOfLanguages_ = value;
    FitLanguageNames(langNames_, value);
}

void TmlCustomLang::SetLangDelim(quint8 value)
{
    if (value == langDelim_)
        return;
    if (!IsLoading())
        ReplaceDelimiter(QChar(langDelim_), QChar(value));
    langDelim_ = value;
}

void TmlCustomLang::SetDoNotTranslate(TStrings *list)
{
    if (list == &doNotTranslate_)
        return;
    CopyLines(doNotTranslate_, list);
    ApplyDoNotTranslate();
}

void TmlCustomLang::SetExcludedProperties(TStrings *list)
{
    if (list == &excludedProperties_)
        return;
    CopyLines(excludedProperties_, list);
    ApplyExcludedProperties();
    CollectStrings();
}

void TmlCustomLang::SetLangNames(TStrings *list)
{
    if (list == &langNames_)
        return;
    CopyLines(langNames_, list);
    language_ = langNames_.Strings(activeLanguage_ - 1);
}

void TmlCustomLang::SetLanguage(const QString &name)
{
    if (name == language_)
        return;
    const int index = langNames_.IndexOf(name);
    if (index < 0)
        throw ELanguageError(QStringLiteral("Language name shall be included in LangNames property!"));
    language_ = name;
    if (!IsLoading())
        SetActiveLanguage(index + 1);
}

void TmlCustomLang::SetNeedAllDlgs(bool value)
{
    if (value == needAllDlgs_)
        return;
    needAllDlgs_ = value;
    if (!IsLoading())
        FillDlgsCaptions();
}

void TmlCustomLang::SetOptions(TmlLangOptions value)
{
    if (value == options_)
        return;
    options_ = value;
    if ((value & loUseExtCommonStrings) && HasState(csDesigning)) {
        dlgsCaptions_.Clear();
        locales_.Clear();
    }
}

void TmlCustomLang::SetLangDispatcher(TmlLangDispatcher *dispatcher)
{
    if (langDispatcher_ && langDispatcher_ != dispatcher) {
        langDispatcher_->RemoveLangComponent(this);
        RemoveFreeNotification(langDispatcher_);
    }
    langDispatcher_ = dispatcher;
    if (dispatcher) {
        // The dispatcher may sit on another form: each must hear of the other's end.
        dispatcher->FreeNotification(this);
        dispatcher->AddLangComponent(this);
    }
}

// ---- Entries ----

void TmlCustomLang::FillDlgsCaptions()
{
    if (needAllDlgs_ && dlgsCaptions_.Count() == DefaultDlgsCaptionCount) {
        for (size_t i = DefaultDlgsCaptionCount; i < DefaultDlgsCaptions.size(); ++i)
            dlgsCaptions_.Add(DialogCaptionEntry(DefaultDlgsCaptions[i], Delim()));
    } else if (!needAllDlgs_ && dlgsCaptions_.Count() == int(DefaultDlgsCaptions.size())) {
        while (dlgsCaptions_.Count() > DefaultDlgsCaptionCount)
            dlgsCaptions_.Delete(dlgsCaptions_.Count() - 1);
    }
}

void TmlCustomLang::ReplaceDelimiter(QChar oldChar, QChar newChar)
{
    for (int kind = 0; kind < StringsTypeCount; ++kind) {
        if (TStrings *list = GetKindList(TStringsType(kind)))
            ReplaceInEntries(*list, oldChar, newChar);
    }
}

TStrings *TmlCustomLang::GetKindList(TStringsType kind) const
{
    const TmlPropInfoList properties(this);
    const TPropInfo *property = properties.Find(KindListProperties.at(kind));
    if (!property || property->Kind() != tkClass)
        return nullptr;
    return dynamic_cast<TStrings *>(property->GetObjectProp(this));
}

QString TmlCustomLang::GetNamedEntryText(TStrings *list, const QString &name, int language) const
{
    const QChar d = Delim();
    const QString key = AnsiUpperCase(name);
    for (int i = 0; i < list->Count(); ++i) {
        const QString entry = list->Strings(i);
        if (AnsiUpperCase(TextBeforeChar(entry, d)) == key)
            return ExtractField(language + 1, entry, QString(d));
    }
    return QString();
}

void TmlCustomLang::SetEntryText(TStrings *list, const QString &text, const QString &name, int language)
{
    const QChar d = Delim();
    for (int i = 0; i < list->Count(); ++i) {
        const QString entry = list->Strings(i);
        if (!SameUpper(TextBefore(entry, d), name))
            continue;
        QString result;
        int delimiters = 0;
        bool written = false;
        for (const QChar c : entry) {
            if (c == d)
                ++delimiters;
            if (delimiters == language + 1) {
                result += d + text + d;
                ++delimiters;
                written = true;
            } else if (delimiters < language || delimiters > language + 1) {
                result += c;
            }
        }
        if (!written) {
            // The entry ends before the language's text is closed: its other texts stay, the fields up to the
            // language are padded, and the text goes in its place.
            if (delimiters == language) {
                result += d + text + d;
            } else {
                if (!result.endsWith(d)) {
                    result += d;
                    ++delimiters;
                }
                for (; delimiters < language; ++delimiters)
                    result += d;
                result += text + d;
            }
        }
        list->SetStrings(i, result);
        return;
    }
}

bool TmlCustomLang::IsStringListClass(const QString &typeName) const
{
    const QString upper = UpperCase(typeName);
    return std::find(StringListClassNames.begin(), StringListClassNames.end(), upper) != StringListClassNames.end();
}

// ---- Keeping the lists in step with the owner's components ----

TStringList &TmlCustomLang::HeldEntries()
{
    if (!holdingList_)
        holdingList_ = std::make_unique<TStringList>();
    return *holdingList_;
}

void TmlCustomLang::SweepKindList(TStrings *list, TStringsType kind)
{
    if (kind == stDlgsCaptions || kind == stStrings || kind == stLocales)
        return;
    TStringList &held = HeldEntries();
    TComponent *owner = Owner();
    const QChar d = Delim();
    const auto moveToHeld = [&](int index) {
        held.Add(list->Strings(index));
        list->Delete(index);
    };

    if (kind == stCollections) {
        for (int i = 0; i < list->Count();) {
            const QString name = TextBefore(list->Strings(i), d);
            const TComponent *component = owner->FindComponent(TextBefore(name, u'.'));
            if (!component || ItemIndexBeyondCollection(component, name))
                moveToHeld(i);
            else
                ++i;
        }
        return;
    }

    const bool ownEntryFirst =
        (kind == stCaptions || kind == stHints || kind == stFonts || kind == stCharSets) && IsForm(owner);
    for (int i = ownEntryFirst ? 1 : 0; i < list->Count();) {
        const QString name = TextBefore(list->Strings(i), d);
        if (kind == stMultiLines || kind == stOtherStrings || kind == stListView_TreeView_Items) {
            const QString componentName = TextBefore(name, u'.');
            if (componentName != owner->ClassName() && !owner->FindComponent(componentName)) {
                moveToHeld(i);
                continue;
            }
        } else if (!owner->FindComponent(name)) {
            moveToHeld(i);
            continue;
        }
        if ((kind == stCaptions || kind == stHints) && HasAssignedAction(owner->FindComponent(name))) {
            list->Delete(i);
            continue;
        }
        ++i;
    }
}

void TmlCustomLang::RemoveStaleEntries()
{
    TComponent *owner = Owner();
    const QChar d = Delim();
    for (const ComponentList &target : {ComponentList{&captions_, stCaptions}, {&hints_, stHints},
                                        {&displayLabels_, stDisplayLabels}, {&fonts_, stFonts},
                                        {&charSets_, stFonts}, {&multiLines_, stMultiLines},
                                        {&otherStrings_, stOtherStrings}, {&collections_, stCollections}}) {
        TStrings *list = target.List;
        for (int i = 0; i < list->Count();) {
            const QString entry = list->Strings(i);
            QString componentName = TextBefore(entry, d);
            QString propertyName = KindNames[target.Kind];
            if (target.Kind == stMultiLines || target.Kind == stOtherStrings || target.Kind == stCollections) {
                const qsizetype dot = entry.indexOf(u'.');
                componentName = entry.left(dot);
                const QChar end = target.Kind == stCollections ? u'[' : d;
                const qsizetype stop = entry.indexOf(end, dot + 1);
                propertyName = entry.mid(dot + 1, stop < 0 ? -1 : stop - dot - 1);
            }
            const QObject *component = componentName == owner->Name() || componentName == owner->ClassName()
                                           ? owner
                                           : owner->FindComponent(componentName);
            // An entry whose component is gone is the sweep's to hold, not this pass's to lose.
            if (component && !PublishesProperty(component, propertyName))
                list->Delete(i);
            else
                ++i;
        }
    }
}

void TmlCustomLang::RemoveComponentEntries(TStrings *list, TComponent *component, TOperation operation,
                                           TStringsType kind)
{
    if (operation != TOperation::opRemove || !HasState(csDesigning) || list->Count() == 0 ||
        list->Strings(0).isEmpty())
        return;
    const bool dotted = kind == stMultiLines || kind == stOtherStrings || kind == stCollections;
    const QString prefix =
        (component == Owner() ? Owner()->ClassName() : component->Name()) + (dotted ? QChar(u'.') : Delim());
    for (int i = list->Count() - 1; i >= 0; --i)
        if (list->Strings(i).startsWith(prefix))
            list->Delete(i);
}

void TmlCustomLang::ApplyDoNotTranslate()
{
    TComponent *owner = Owner();
    for (int i = 0; i < doNotTranslate_.Count(); ++i) {
        const QString name = doNotTranslate_.Strings(i);
        if (TComponent *component = owner->FindComponent(name))
            RemoveEntriesOfComponent(component, TOperation::opRemove);
        else if (name == owner->ClassName())
            RemoveEntriesOfComponent(owner, TOperation::opRemove);
    }
}

void TmlCustomLang::ApplyExcludedProperties()
{
    const auto excluded = [this](const QString &name) { return excludedProperties_.IndexOf(name) >= 0; };
    if (excluded(QStringLiteral("Caption")))
        captions_.Clear();
    if (excluded(QStringLiteral("Hint")))
        hints_.Clear();
    if (excluded(QStringLiteral("DisplayLabel")))
        displayLabels_.Clear();
    if (excluded(QStringLiteral("Font"))) {
        fonts_.Clear();
        charSets_.Clear();
    }
    if (excluded(QStringLiteral("Charset")))
        charSets_.Clear();

    const QString delimiters = QStringLiteral(".") + Delim();
    for (TStringList *list : {&multiLines_, &strings_, &otherStrings_, &collections_}) {
        const QString separators = list == &collections_ ? delimiters + u'[' : delimiters;
        for (int i = list->Count() - 1; i >= 0; --i)
            if (excluded(ExtractField(2, list->Strings(i), separators)))
                list->Delete(i);
    }
}

// ---- Merging language files ----

bool TmlCustomLang::MergeKindFromFile(TStringsType kind, const QString &fileName)
{
    if (!QFileInfo(fileName).isFile())
        return false;
    TStrings *list = GetKindList(kind);
    if (!list)
        return false;
    TStringList backup;
    backup.Assign(*list);

    const bool wasLoading = fileLoading_;
    fileLoading_ = true;
    const int read = LoadKindFromFile(kind, fileName, true);
    fileLoading_ = wasLoading;
    bool merged = read >= 0;
    if (merged) {
        try {
            const QChar d = Delim();
            QSet<QString> names;
            for (int i = 0; i < list->Count(); ++i)
                names.insert(AnsiUpperCase(TextBefore(list->Strings(i), d)));
            for (int i = 0; i < backup.Count(); ++i)
                if (!names.contains(AnsiUpperCase(TextBefore(backup.Strings(i), d))))
                    list->Add(backup.Strings(i));
        } catch (const Exception &) {
            merged = false;
        }
    }
    if (!merged) {
        list->Assign(backup);
        return false;
    }
    if (!fileLoading_) {
        SweepKindList(list, kind);
        ApplyLanguage();
    }
    return true;
}

bool TmlCustomLang::MergeFromFile(const QString &fileName) { return MergeAll(fileName, true); }

bool TmlCustomLang::MergeFromFileNoApply(const QString &fileName) { return MergeAll(fileName, false); }

bool TmlCustomLang::MergeAll(const QString &fileName, bool apply)
{
    const FileLoadingScope loading(fileLoading_);
    for (int kind = 0; kind < StringsTypeCount; ++kind) {
        TStrings *list = GetKindList(TStringsType(kind));
        if (!list)
            continue;
        if (!MergeKindFromFile(TStringsType(kind), fileName))
            return false;
        SweepKindList(list, TStringsType(kind));
    }
    if (apply)
        ApplyLanguage();
    return true;
}

void TmlCustomLang::RenameComponentEntries(const QString &oldName, const QString &newName)
{
    QString from = oldName;
    QString to = newName;
    if (oldName == Owner()->Name()) {
        from.prepend(u'T');
        to.prepend(u'T');
    }
    const QString delimiters = QStringLiteral(".") + Delim();
    for (int kind = 0; kind < StringsTypeCount; ++kind) {
        TStrings *list = GetKindList(TStringsType(kind));
        if (!list)
            continue;
        for (int i = 0; i < list->Count(); ++i) {
            const QString entry = list->Strings(i);
            if (ExtractField(1, entry, delimiters) == from)
                list->SetStrings(i, ReplaceText(entry, from, to, false));
        }
    }
}

void RegisterLanguageMetaTypes()
{
    qRegisterMetaType<TmlLangDispatcher *>();
    qRegisterMetaType<TmlCustomLang *>();
    qRegisterMetaType<TTranslateType>();
    qRegisterMetaType<TMyHKeyType>();
    qRegisterMetaType<TTextStyle>();
}
