#include "mlLangDispatcher.h"

#include "mlLang.h"
#include "mlLangSupport.h"

TmlLangDispatcher::TmlLangDispatcher(TComponent *owner) : TComponent(owner)
{
    langNames_.Add(GeneratedLanguageName(1));
}

TmlLangDispatcher::~TmlLangDispatcher()
{
    const QList<TmlCustomLang *> components = langComponents_;
    for (qsizetype i = components.size() - 1; i >= 0; --i)
        components[i]->SetLangDispatcher(nullptr);
    langComponents_.clear();
}

TmlCustomLang *TmlLangDispatcher::LangComponents(int index) const
{
    if (index < 0 || index >= langComponents_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return langComponents_[index];
}

void TmlLangDispatcher::AddLangComponent(TmlCustomLang *component)
{
    RemoveLangComponent(component);
    langComponents_.append(component);
    component->SetNumOfLanguages(numOfLanguages_);
    component->langNames_.SetText(langNames_.Text());
    component->SetActiveLanguage(ActiveLanguage);
    component->language_ = language_;
    if (!HasState(csDesigning) && !fileName_.isEmpty())
        component->LoadFromFile(fileName_, true);
}

void TmlLangDispatcher::RemoveLangComponent(TmlCustomLang *component)
{
    langComponents_.removeOne(component);
}

void TmlLangDispatcher::Notification(TComponent *component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // Compared as components: a language component on its way out may no longer be one.
    if (operation == TOperation::opRemove)
        for (qsizetype i = 0; i < langComponents_.size(); ++i)
            if (static_cast<TComponent *>(langComponents_[i]) == component) {
                langComponents_.removeAt(i);
                break;
            }
}

template <typename Action>
void TmlLangDispatcher::ForEachLangComponent(Action action)
{
    // A component's language handler may take another off the list, or free its window, while the walk runs.
    const QList<TmlCustomLang *> registered = langComponents_;
    for (TmlCustomLang *component : registered)
        if (langComponents_.contains(component))
            action(component);
}

void TmlLangDispatcher::SetActiveLanguage(int value)
{
    ActiveLanguage = value;
    ForEachLangComponent([value](TmlCustomLang *component) { component->SetActiveLanguage(value); });
    if (!HasState(csLoading) && value >= 1 && value <= langNames_.Count())
        language_ = langNames_.Strings(value - 1);
}

void TmlLangDispatcher::SetNumOfLanguages(int value)
{
    numOfLanguages_ = value;
    FitLanguageNames(langNames_, value);
    ForEachLangComponent([value](TmlCustomLang *component) { component->SetNumOfLanguages(value); });
}

void TmlLangDispatcher::SetLangNames(TStrings *names)
{
    if (names == &langNames_)
        return;
    TmlCustomLang::CopyLines(langNames_, names);
    if (langNames_.Count() > 0)
        language_ = langNames_.Strings(ActiveLanguage - 1);
    ForEachLangComponent([this](TmlCustomLang *component) {
        component->langNames_.Assign(langNames_);
        component->SetLanguage(language_);
    });
    SetNumOfLanguages(langNames_.Count() > 0 ? langNames_.Count() : 1);
}

void TmlLangDispatcher::SetLanguage(const QString &name)
{
    if (name == language_)
        return;
    const int index = langNames_.IndexOf(name);
    if (langNames_.Count() > 0 && index < 0)
        throw ELanguageError(QStringLiteral("Language name shall be included in LangNames property!"));
    language_ = name;
    if (!HasState(csLoading) && langNames_.Count() > 0) {
        SetActiveLanguage(index + 1);
        // The dispatcher keeps the name as it was given.
        language_ = name;
    }
}
