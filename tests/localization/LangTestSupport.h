#pragma once

#include "mlLang.h"

#include "controls/Button.h"
#include "controls/Memo.h"
#include "controls/StatusBar.h"
#include "forms/Form.h"

#include <QStringList>
#include <initializer_list>

namespace langtest {

// An entry as the components keep it: every field followed by the delimiter (code 1 unless given).
inline QString Entry(std::initializer_list<QString> fields, QChar delimiter = QChar(1))
{
    QString entry;
    for (const QString &field : fields)
        entry += field + delimiter;
    return entry;
}

inline QString Ru(const char *utf8) { return QString::fromUtf8(utf8); }

inline QStringList Lines(const TStrings *list) { return list->ToStringList(); }

inline void SetLines(TStrings *list, const QStringList &lines)
{
    list->Clear();
    for (const QString &line : lines)
        list->Add(line);
}

// Counts OnChangeLanguage calls.
struct ChangeCounter {
    int Count = 0;
    TNotifyEvent Event()
    {
        return {[](void *data, TObject *) { ++static_cast<ChangeCounter *>(data)->Count; }, this};
    }
};

// A form with a button, a memo, a status bar of three panels and a language component of two languages,
// ENGLISH and RUSSIAN. With `loading`, the form stays in the reading state until the test calls EndLoading.
class TfrmLangTest : public TForm {
    Q_OBJECT
public:
    explicit TfrmLangTest(bool loading = false) : TForm(nullptr)
    {
        if (loading)
            BeginLoading();
        SetName(QStringLiteral("frmLangTest"));
        Button1 = new TButton(this);
        Button1->SetName(QStringLiteral("Button1"));
        Memo1 = new TMemo(this);
        Memo1->SetName(QStringLiteral("Memo1"));
        StatusBar1 = new TStatusBar(this);
        StatusBar1->SetName(QStringLiteral("StatusBar1"));
        for (int i = 0; i < 3; ++i)
            StatusBar1->Panels()->Add();
        Lang = new TmlLang(this);
        Lang->SetName(QStringLiteral("mlLang1"));
        if (!loading) {
            Lang->SetNumOfLanguages(2);
            Lang->LangNames()->SetStrings(0, QStringLiteral("ENGLISH"));
            Lang->LangNames()->SetStrings(1, QStringLiteral("RUSSIAN"));
        }
    }

    TButton *Button1;
    TMemo *Memo1;
    TStatusBar *StatusBar1;
    TmlLang *Lang;
};

// A second form class: its language file keys carry another class name.
class TfrmOther : public TForm {
    Q_OBJECT
public:
    TfrmOther() : TForm(nullptr)
    {
        SetName(QStringLiteral("frmOther"));
        Lang = new TmlLang(this);
        Lang->SetNumOfLanguages(2);
    }
    TmlLang *Lang;
};

} // namespace langtest
