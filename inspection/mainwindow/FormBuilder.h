#pragma once

#include "LangEntry.h"
#include "controls/Control.h"
#include "controls/WinControl.h"
#include "forms/Form.h"
#include "mlLang.h"

#include <span>

// A text in both languages; a null English text means the component has none.
struct TLangPair {
    const char *English = nullptr;
    const char *Russian = "";
};

// The text in English for language 1, otherwise in Russian.
inline QString InLanguage(const TLangPair &text, int language)
{
    return QString::fromUtf8(language == 1 ? text.English : text.Russian);
}

// One control of a form as the form's resource lists it: made into its field, then named, placed and given
// its English texts, while both languages' texts go to the form's language component.
template <class Form>
struct TControlEntry {
    TControl *(*Create)(Form *form);
    const char *Name;
    // Empty: the form itself.
    const char *Parent;
    int Left, Top, Width, Height;
    TAlign Align = alNone;
    int Tag = 0;
    TLangPair Caption = {};
    TLangPair Hint = {};
};

namespace detail {
template <auto Field>
struct FieldOf;
template <class Form, class Control, Control *Form::*Field>
struct FieldOf<Field> {
    static TControl *Create(Form *form) { return form->*Field = new Control(form); }
};
} // namespace detail

// Makes the control of a form field: NewControl<&TfrmLumbra::sgTunings>.
template <auto Field>
constexpr auto NewControl = &detail::FieldOf<Field>::Create;

template <class Form>
void BuildControls(Form *form, TmlCustomLang *lang, std::span<const TControlEntry<Form>> entries)
{
    for (const TControlEntry<Form> &entry : entries) {
        TControl *control = entry.Create(form);
        const QString name = QString::fromUtf8(entry.Name);
        control->SetName(name);
        control->Widget()->setObjectName(name);
        const QString parentName = QString::fromUtf8(entry.Parent);
        control->SetParent(parentName.isEmpty() ? form : static_cast<TWinControl *>(form->FindComponent(parentName)));
        control->SetBounds(entry.Left, entry.Top, entry.Width, entry.Height);
        if (entry.Align != alNone)
            control->SetAlign(entry.Align);
        control->SetTag(entry.Tag);
        if (entry.Caption.English) {
            control->SetCaption(QString::fromUtf8(entry.Caption.English));
            AddLangEntry(lang, lang->Captions(), name, QString::fromUtf8(entry.Caption.English),
                         QString::fromUtf8(entry.Caption.Russian));
        }
        if (entry.Hint.English) {
            control->SetHint(QString::fromUtf8(entry.Hint.English));
            AddLangEntry(lang, lang->Hints(), name, QString::fromUtf8(entry.Hint.English),
                         QString::fromUtf8(entry.Hint.Russian));
        }
    }
}
