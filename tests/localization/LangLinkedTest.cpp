#include "LangTestSupport.h"
#include "mlDialog.h"
#include "mlLngLnk.h"
#include "mlPropInfo.h"

#include "forms/ModalHook.h"

#include "QtPrint.h"

#include <QFileDialog>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace langtest;

namespace {
// The main window's language component: every dialog caption, languages separated by character 2, some
// Russian captions and a Russian currency.
class TfrmMainLike : public TForm {
    Q_OBJECT
public:
    TfrmMainLike() : TForm(nullptr)
    {
        SetName("frmMain");
        Lang = new TmlLang(this);
        Lang->SetName("mlLang1");
        Lang->SetNumOfLanguages(2);
        Lang->SetLangDelim(2);
        Lang->SetNeedAllDlgs(true);
        for (const auto &[name, russian] : std::map<QString, QString>{{"Files of type:", "&Тип файлов:"},
                                                                      {"File name:", "&Имя файла:"},
                                                                      {"Look in:", "&Папка"},
                                                                      {"Open", "&Открыть"},
                                                                      {"Cancel", "Отмена"},
                                                                      {"Help", "&Помощь"}})
            Lang->SetEntryText(Lang->DlgsCaptions(), russian, name, 2);
        Lang->SetEntryText(Lang->Locales(), "р.", "Currency String", 2);
    }
    TmlLang *Lang;
};

// The options dialog: a linked component on the main window's captions and a localized open dialog.
class TfrmOptionsLike : public TForm {
    Q_OBJECT
public:
    explicit TfrmOptionsLike(TmlCustomLang *container, bool designing = false) : TForm(nullptr)
    {
        if (designing)
            SetDesigning(true);
        BeginLoading();
        SetName("frmOptions");
        Linked = new TmlLangLinked(this);
        Linked->SetName("mlLangLinked1");
        Linked->SetNumOfLanguages(2);
        Linked->SetCommonContainer(container);
        Dialog = new TmlOpenDialog(this);
        Dialog->SetName("mlOpenDialog1");
        Dialog->SetmlLang(Linked);
        EndLoading();
    }
    TmlLangLinked *Linked;
    TmlOpenDialog *Dialog;
};

// What the user would see on the open dialog's labels and buttons.
struct DialogLabels {
    std::map<QFileDialog::DialogLabel, QString> Texts;

    TModalHook Hook()
    {
        return [this](const TModalRequest &request) {
            auto *window = qobject_cast<QFileDialog *>(request.Window);
            for (const auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                                     QFileDialog::Accept, QFileDialog::Reject})
                Texts[label] = window->labelText(label);
            return 0;
        };
    }
};

QString SystemLabel(QFileDialog::DialogLabel label)
{
    QFileDialog plain;
    plain.setOption(QFileDialog::DontUseNativeDialog);
    return plain.labelText(label);
}
} // namespace

TEST(LangLinked, PublishesNeitherDialogCaptionsNorLocalesButHasThemFromItsContainer)
{
    TfrmMainLike main;
    TfrmOptionsLike options(main.Lang);
    TmlLangLinked *linked = options.Linked;
    EXPECT_EQ(linked->GetKindList(stDlgsCaptions), nullptr);
    EXPECT_EQ(linked->GetKindList(stLocales), nullptr);
    EXPECT_EQ(linked->GetKindList(stListView_TreeView_Items), nullptr);
    EXPECT_EQ(linked->GetKindList(stCaptions), linked->Captions());
    EXPECT_EQ(linked->GetKindList(stCharSets), linked->CharSets());
    EXPECT_NE(TmlPropInfoList(linked).Find("CommonContainer"), nullptr);

    // Copied with the container's delimiter (2) turned into its own (1).
    ASSERT_EQ(linked->DlgsCaptions()->Count(), 79);
    EXPECT_EQ(linked->DlgsCaptions()->Strings(15), Entry({"Open", "&Open", "&Открыть"}));
    EXPECT_EQ(linked->Locales()->Count(), 15);
    linked->SetActiveLanguage(2);
    EXPECT_EQ(linked->LookupListEntry(linked->DlgsCaptions(), "Files of type:", false), "&Тип файлов:");
    EXPECT_EQ(linked->LookupListEntry(linked->DlgsCaptions(), "Read-only", true), "&Read-only");
    EXPECT_EQ(linked->LookupListEntry(linked->Locales(), "Currency String", false), "р.");

    // In the designer it keeps none of its own.
    TfrmOptionsLike designed(main.Lang, true);
    EXPECT_EQ(designed.Linked->DlgsCaptions()->Count(), 0);
    EXPECT_EQ(designed.Linked->Locales()->Count(), 0);
}

TEST(LangLinked, ContainerChangesAndTheContainersEnd)
{
    auto main = std::make_unique<TfrmMainLike>();
    TfrmOptionsLike options(nullptr);
    TmlLangLinked *linked = options.Linked;
    EXPECT_EQ(linked->DlgsCaptions()->Count(), 15);

    // Outside loading the copy is made at once; the component is never its own container.
    linked->SetCommonContainer(main->Lang);
    EXPECT_EQ(linked->CommonContainer(), main->Lang);
    EXPECT_EQ(linked->DlgsCaptions()->Count(), 79);
    linked->SetCommonContainer(linked);
    EXPECT_EQ(linked->CommonContainer(), main->Lang);

    main.reset();
    EXPECT_EQ(linked->CommonContainer(), nullptr);
    EXPECT_EQ(linked->DlgsCaptions()->Strings(15), Entry({"Open", "&Open", "&Открыть"}));
}

TEST(LangLinked, OpenDialogShowsItsCaptionsInTheActiveLanguage)
{
    TfrmMainLike main;
    TfrmOptionsLike options(main.Lang);
    options.Linked->SetActiveLanguage(2);
    TmlOpenDialog *dialog = options.Dialog;
    DialogLabels seen;
    {
        TModalHookScope scope(seen.Hook());
        dialog->Execute();
    }
    EXPECT_EQ(seen.Texts[QFileDialog::FileType], "&Тип файлов:");
    EXPECT_EQ(seen.Texts[QFileDialog::FileName], "&Имя файла:");
    EXPECT_EQ(seen.Texts[QFileDialog::LookIn], "&Папка");
    EXPECT_EQ(seen.Texts[QFileDialog::Accept], "&Открыть");
    EXPECT_EQ(seen.Texts[QFileDialog::Reject], "Отмена");
    EXPECT_EQ(dialog->ControlText(pshHelp), "&Помощь");
    // No Russian text: the English one.
    EXPECT_EQ(dialog->ControlText(chx1), "&Read-only");
    EXPECT_EQ(dialog->ControlText(stcNoId), "");

    // The old-style dialog has its drives box, and "Look in" on the label without identifier.
    dialog->SetOptions(dialog->Options() | ofOldStyleDialog);
    {
        TModalHookScope scope(seen.Hook());
        dialog->Execute();
    }
    EXPECT_EQ(dialog->ControlText(stcNoId), "&Папка");
    EXPECT_EQ(dialog->ControlText(stc4), "&Drives:");
    EXPECT_EQ(seen.Texts[QFileDialog::LookIn], "&Папка");

    // A caption missing from the list leaves the dialog's own.
    dialog->SetOptions(0);
    options.Linked->DlgsCaptions()->Delete(7);
    {
        TModalHookScope scope(seen.Hook());
        dialog->Execute();
    }
    EXPECT_EQ(dialog->ControlText(IDCANCEL_BUTTON), "");
    EXPECT_EQ(seen.Texts[QFileDialog::Reject], SystemLabel(QFileDialog::Reject));
    EXPECT_EQ(seen.Texts[QFileDialog::Accept], "&Открыть");

    // Without a language component the dialog keeps the system's captions.
    delete options.Linked;
    EXPECT_EQ(dialog->mlLang(), nullptr);
    {
        TModalHookScope scope(seen.Hook());
        dialog->Execute();
    }
    EXPECT_EQ(dialog->ControlText(stc3), "");
    EXPECT_EQ(seen.Texts[QFileDialog::FileName], SystemLabel(QFileDialog::FileName));
}

#include "LangLinkedTest.moc"
