#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"
#include "graphics/Font.h"
#include "platform/Help.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"
#include "platform/SystemResources.h"

#include "FormatSettingsGuard.h"
#include "QtPrint.h"
#include "TempDir.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QStringList>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct ExceptionSink {
    QStringList reports;
    void Handle(TObject *sender, Exception *error) { reports << sender->ClassName() + ": " + error->Message(); }
};

class TfrmFailing : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
};

// Collects every message box instead of showing it.
struct BoxRecorder {
    QStringList boxes;
    TModalHookScope scope{[this](const TModalRequest &request) {
        boxes << request.Caption + "|" + request.Text;
        return int(IDOK);
    }};
};
} // namespace

TEST(Application, ExceptionsFromHandlersReachOnExceptionElseTheDefaultBox)
{
    Application->SetTitle("Ormel Software Environment");
    TfrmFailing form(nullptr);
    BoxRecorder recorder;

    CallHandler(&form, [] { throw EConvertError("'x' is not a valid integer value"); });
    ASSERT_EQ(recorder.boxes.size(), 1);
    EXPECT_EQ(recorder.boxes[0], "Ormel Software Environment|TfrmFailing - 'x' is not a valid integer value");

    // Exceptions from outside the framework's family are reported the same way.
    CallHandler(&form, [] { throw std::runtime_error("disk full"); });
    EXPECT_EQ(recorder.boxes.last(), "Ormel Software Environment|TfrmFailing - disk full");

    ExceptionSink sink;
    Application->SetOnException(MakeEvent<&ExceptionSink::Handle>(&sink));
    CallHandler(&form, [] { throw ERangeError("Range check error"); });
    EXPECT_EQ(sink.reports, QStringList({"TfrmFailing: Range check error"}));
    EXPECT_EQ(recorder.boxes.size(), 2);
    Application->SetOnException({});
}

TEST(Application, HintChangesFireOnHintOnce)
{
    struct Listener {
        QStringList hints;
        void Hint(TObject *) { hints << Application->Hint(); }
    } listener;
    Application->SetOnHint(MakeEvent<&Listener::Hint>(&listener));
    Application->SetHint("Change options");
    Application->SetHint("Change options");
    Application->SetHint("");
    Application->SetOnHint({});
    EXPECT_EQ(listener.hints, QStringList({"Change options", ""}));
}

TEST(Application, MessageBoxAnswersThroughTheHookWithAnOkButtonAndTheFlagsIcon)
{
    QList<QMessageBox::StandardButton> buttons;
    QList<QMessageBox::Icon> icons;
    TModalHookScope scope([&](const TModalRequest &request) {
        EXPECT_EQ(request.Kind, mkMessageBox);
        EXPECT_EQ(request.Text, "Cannot open the journal");
        auto *box = qobject_cast<QMessageBox *>(request.Window);
        for (QAbstractButton *button : box->buttons())
            buttons << box->standardButton(button);
        icons << box->icon();
        return int(IDOK);
    });
    EXPECT_EQ(Application->MessageBox("Cannot open the journal", "Error", MB_OK | MB_ICONSTOP), IDOK);
    EXPECT_EQ(Application->MessageBox("Cannot open the journal", "Warning", MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(Application->MessageBox("Cannot open the journal", "Note"), IDOK);
    EXPECT_EQ(buttons, QList<QMessageBox::StandardButton>(3, QMessageBox::Ok));
    EXPECT_EQ(icons, QList<QMessageBox::Icon>({QMessageBox::Critical, QMessageBox::Warning, QMessageBox::NoIcon}));
}

TEST(Application, HelpGoesToTheActiveFormsHelpFileBeforeTheApplicationsAndMissingPagesAreNamed)
{
    QList<THelpRequest> requests;
    SetHelpHook([&](const THelpRequest &request) { requests.append(request); });
    Application->SetHelpFile("ROSTREL.HLP");
    EXPECT_TRUE(Application->HelpCommand(HELP_FINDER, 0));
    {
        TForm form(nullptr);
        form.SetHelpFile("rostrel_ru.hlp");
        form.Show();
        EXPECT_TRUE(Application->HelpContext(30));
    }
    Application->SetHelpFile("");
    EXPECT_FALSE(Application->HelpCommand(HELP_PARTIALKEY, 0));
    SetHelpHook({});
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].File, "ROSTREL.HLP");
    EXPECT_EQ(requests[0].Command, unsigned(HELP_FINDER));
    EXPECT_EQ(requests[1].File, "rostrel_ru.hlp");
    EXPECT_EQ(requests[1].Command, unsigned(HELP_CONTEXT));
    EXPECT_EQ(requests[1].Data, 30u);

    EXPECT_EQ(HelpPagePath("/opt/p", {"ROSTREL.hlp", HELP_CONTEXT, 20}), "/opt/p/help/rostrel/20.html");
    EXPECT_EQ(HelpPagePath("/opt/p", {"lumbra_ru.hlp", HELP_PARTIALKEY, 0}), "/opt/p/help/lumbra_ru/index.html");
    EXPECT_EQ(HelpPagePath("/opt/p", {"", HELP_FINDER, 0}), "");

    // Without a page the user is told which help file is missing.
    BoxRecorder recorder;
    EXPECT_FALSE(WinHelp(nullptr, "AllImage_Eng", HELP_CONTEXT, 10));
    ASSERT_EQ(recorder.boxes.size(), 1);
    EXPECT_TRUE(recorder.boxes[0].contains("AllImage_Eng"));
}

TEST(Platform, ShellRequestsAndMemoryFiguresAreObservable)
{
    QStringList opened;
    SetShellHook([&](const QString &verb, const QString &file) {
        opened << verb + " " + file;
        return false;
    });
    EXPECT_FALSE(ShellExecute(nullptr, "open", "http://www.example.com", "", "", SW_SHOWNORMAL));
    SetShellHook({});
    EXPECT_EQ(opened, QStringList({"open http://www.example.com"}));

    const TMemoryStatus parsed = ParseMemInfo("MemTotal:  524288 kB\nMemFree:  1000 kB\nMemAvailable:  131072 kB\n");
    EXPECT_EQ(parsed.TotalPhys, 536870912u);
    EXPECT_EQ(parsed.MemoryLoad, 75u);
    EXPECT_EQ(ParseMemInfo("garbage").TotalPhys, 0u);
    {
        FormatSettingsGuard guard;
        EXPECT_EQ(PhysMemText(parsed), "524,288 KB");
        EXPECT_EQ(MemoryLoadText(parsed), "75 %");
        FormatSettings.ThousandSeparator = u' ';
        EXPECT_EQ(PhysMemText({0, 1536 * 1024 + 511}), "1 536 KB");
    }

    SetMemoryStatusHook([](TMemoryStatus &status) { status.TotalPhys = 42; });
    TMemoryStatus status;
    GlobalMemoryStatus(status);
    EXPECT_EQ(status.TotalPhys, 42u);
    SetMemoryStatusHook({});
    GlobalMemoryStatus(status);
    EXPECT_GT(status.TotalPhys, 0u);
}

TEST(Platform, MessageIconsAndFontComeFromTheStyle)
{
    QList<QImage> icons;
    for (const int id : {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK}) {
        const QImage icon = LoadIcon(id);
        ASSERT_EQ(icon.size(), QSize(32, 32));
        EXPECT_FALSE(icon.hasAlphaChannel());
        EXPECT_FALSE(icons.contains(icon));
        icons << icon;
    }
    EXPECT_TRUE(LoadIcon(32512).isNull());

    TFont font;
    ASSERT_TRUE(GetMessageFont(font));
    EXPECT_EQ(font.Name(), QApplication::font("QMessageBox").family());
}

TEST(Application, FormsItStillOwnsWhenTheModuleEndsAreFreedBeforeTheScreen)
{
    QProcess helper;
    helper.start(GLOBALS_HELPER, {});
    ASSERT_TRUE(helper.waitForFinished(30000));
    EXPECT_EQ(helper.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(helper.exitCode(), 0) << helper.readAllStandardError().toStdString();
}

TEST(Screen, CursorOverridesUntilDefaultAndAFormThatGoesIsNoLongerActive)
{
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crHandPoint);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_GT(Screen->Width(), 0);
    EXPECT_GT(Screen->Height(), 0);

    TForm *const before = Screen->ActiveForm();
    {
        TForm form(nullptr);
        form.Show();
        EXPECT_EQ(Screen->ActiveForm(), &form);
    }
    EXPECT_EQ(Screen->ActiveForm(), before);
}

#include "ApplicationTest.moc"
