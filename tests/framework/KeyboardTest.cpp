// Keys a dialog answers for its controls: a label's accelerator and the help key.

#include "controls/Edit.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "menus/Menus.h"
#include "platform/Help.h"

#include "QtPrint.h"

#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// The key of the letter "Ф": Qt names a letter's key by its upper-case code.
constexpr int CyrillicEf = 0x0424;

// A shown, active form with a label and two edit fields; the label's accelerator names the second field.
struct LabelledForm {
    LabelledForm() : form(nullptr)
    {
        form.SetBounds(0, 0, 300, 120);
        label = new TLabel(&form);
        label->SetParent(&form);
        label->SetCaption("&Default data file:");
        first = new TEdit(&form);
        first->SetParent(&form);
        first->SetTop(20);
        second = new TEdit(&form);
        second->SetParent(&form);
        second->SetTop(50);
        label->SetFocusControl(second);
        form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.Widget()));
    }
    // Presses the key where the focus is.
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QString text = key < Qt::Key_Escape ? QString(QChar(key)).toLower() : QString();
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(key), text, modifiers);
    }

    TForm form;
    TLabel *label;
    TEdit *first;
    TEdit *second;
};

struct HelpRequests {
    HelpRequests()
    {
        SetHelpHook([this](const THelpRequest &request) {
            contexts << (request.Command == HELP_CONTEXT ? int(request.Data) : -1);
            files << request.File;
        });
    }
    ~HelpRequests() { SetHelpHook({}); }
    HelpRequests(const HelpRequests &) = delete;
    HelpRequests &operator=(const HelpRequests &) = delete;
    QList<int> contexts;
    QStringList files;
};
} // namespace

TEST(Keyboard, ALabelsAcceleratorFocusesItsFocusControlAndFollowsItsCaption)
{
    LabelledForm dialog;
    dialog.first->SetFocus();
    LabelledForm::Press(Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(dialog.second->Widget()->hasFocus());
    EXPECT_EQ(dialog.second->Text(), "");

    // A new caption brings its own letter, also a Cyrillic one, and the old one no longer works.
    dialog.label->SetCaption(QString::fromUtf8("&Файл данных:"));
    dialog.first->SetFocus();
    LabelledForm::Press(Qt::Key_D, Qt::AltModifier);
    EXPECT_TRUE(dialog.first->Widget()->hasFocus());
    LabelledForm::Press(CyrillicEf, Qt::AltModifier);
    EXPECT_TRUE(dialog.second->Widget()->hasFocus());

    // Nothing happens when the field cannot take the focus or the label shows no accelerator.
    dialog.first->SetFocus();
    dialog.second->SetEnabled(false);
    LabelledForm::Press(CyrillicEf, Qt::AltModifier);
    EXPECT_TRUE(dialog.first->Widget()->hasFocus());
    dialog.second->SetEnabled(true);
    dialog.label->SetShowAccelChar(false);
    LabelledForm::Press(CyrillicEf, Qt::AltModifier);
    EXPECT_TRUE(dialog.first->Widget()->hasFocus());
    dialog.label->SetShowAccelChar(true);
    dialog.label->SetFocusControl(nullptr);
    LabelledForm::Press(CyrillicEf, Qt::AltModifier);
    EXPECT_TRUE(dialog.first->Widget()->hasFocus());
}

TEST(Keyboard, TheHelpKeyShowsTheTopicOfTheFocusedControlOrOfTheControlsAroundItOrOfTheForm)
{
    HelpRequests help;
    Application->SetHelpFile("ROSTREL.HLP");
    LabelledForm dialog;
    dialog.form.SetHelpContext(20);
    auto *panel = new TPanel(&dialog.form);
    panel->SetParent(&dialog.form);
    panel->SetHelpContext(30);
    dialog.second->SetParent(panel);
    dialog.second->SetHelpContext(40);

    dialog.first->SetFocus();
    LabelledForm::Press(Qt::Key_F1);
    dialog.second->SetFocus();
    LabelledForm::Press(Qt::Key_F1);
    dialog.second->SetHelpContext(0);
    LabelledForm::Press(Qt::Key_F1);
    EXPECT_EQ(help.contexts, (QList<int>{20, 40, 30}));
    EXPECT_EQ(help.files, (QStringList{"ROSTREL.HLP", "ROSTREL.HLP", "ROSTREL.HLP"}));

    // The form's own help file goes first; without any context nothing is shown.
    dialog.form.SetHelpFile("rostrel_ru.hlp");
    panel->SetHelpContext(0);
    dialog.form.SetHelpContext(0);
    LabelledForm::Press(Qt::Key_F1);
    dialog.form.SetHelpContext(10);
    LabelledForm::Press(Qt::Key_F1);
    EXPECT_EQ(help.contexts, (QList<int>{20, 40, 30, 10}));
    EXPECT_EQ(help.files.last(), "rostrel_ru.hlp");
    Application->SetHelpFile({});
}

TEST(Keyboard, TheHelpKeyOnAMenuEntryShowsTheTopicOfTheEntryOrOfTheMenuAroundIt)
{
    HelpRequests help;
    Application->SetHelpFile("ROSTREL.HLP");
    LabelledForm dialog;
    auto *menu = new TMainMenu(&dialog.form);
    dialog.form.SetMenu(menu);
    auto *tools = new TMenuItem(&dialog.form);
    tools->SetCaption("&Tools");
    tools->SetHelpContext(30);
    menu->Items()->Add(tools);
    auto *options = new TMenuItem(&dialog.form);
    options->SetCaption("&Options");
    tools->Add(options);
    auto *language = new TMenuItem(&dialog.form);
    language->SetCaption("&Language");
    language->SetHelpContext(35);
    tools->Add(language);

    QMenu *entries = tools->QtAction()->menu();
    ASSERT_NE(entries, nullptr);
    entries->popup(QPoint(0, 0));
    entries->setActiveAction(options->QtAction());
    QTest::keyClick(entries, Qt::Key_F1);
    entries->setActiveAction(language->QtAction());
    QTest::keyClick(entries, Qt::Key_F1);
    EXPECT_EQ(help.contexts, (QList<int>{30, 35}));
    entries->hide();
    Application->SetHelpFile({});
}
