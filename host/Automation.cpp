#include "Automation.h"

#include "AutomationDialogs.h"
#include "AutomationReport.h"
#include "AutomationWindows.h"

#include "MainWindow.h"
#include "ProgressWindow.h"
#include "SplashWindow.h"
#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/StatusBar.h"
#include "dialogs/OpenDialog.h"
#include "forms/Application.h"
#include "forms/MessageBox.h"
#include "forms/ModalHook.h"
#include "menus/Menus.h"
#include "mlLang.h"
#include "platform/Help.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <utility>
#include <vector>

namespace {
// The opacity of an entry's image at its top-left corner and in its middle.
QString ImageOpacity(const TMenuItem *item)
{
    const TImageList *images = frmMain->MainMenu1->Images();
    if (item->ImageIndex() < 0 || !images || item->ImageIndex() >= images->Count())
        return {};
    const QImage image = images->Image(item->ImageIndex());
    return QStringLiteral("%1,%2").arg(qAlpha(image.pixel(0, 0))).arg(qAlpha(image.pixel(8, 8)));
}

void ReportMenu(const TMenuItem *item, const QString &path)
{
    Report(QStringLiteral("menu"), {{"path", path},
                                    {"name", item->Name()},
                                    {"caption", item->Caption()},
                                    {"hint", item->Hint()},
                                    {"checked", Flag(item->Checked())},
                                    {"image", QString::number(item->ImageIndex())},
                                    {"opacity", ImageOpacity(item)}});
    for (int i = 0; i < item->Count(); ++i)
        ReportMenu(item->Items(i), path + u'.' + QString::number(i));
}

void ReportMainWindow()
{
    TfrmMain *form = frmMain;
    Report(QStringLiteral("window"), {{"caption", form->Caption()},
                                      {"helpfile", form->HelpFile()},
                                      {"width", QString::number(form->Width())},
                                      {"height", QString::number(form->Height())},
                                      {"minheight", QString::number(form->Widget()->minimumHeight())}});
    for (int i = 0; i < form->MainMenu1->Items()->Count(); ++i)
        ReportMenu(form->MainMenu1->Items()->Items(i), QString::number(i));
    for (int t = 0; t < form->Panel1->ControlCount(); ++t) {
        const TControl *toolBar = form->Panel1->Controls(t);
        Report(QStringLiteral("toolbar"), {{"index", QString::number(t)},
                                           {"caption", toolBar->Caption()},
                                           {"exit", Flag(toolBar == form->ExitToolBar)},
                                           {"left", QString::number(toolBar->Left())},
                                           {"top", QString::number(toolBar->Top())},
                                           {"width", QString::number(toolBar->Width())},
                                           {"height", QString::number(toolBar->Height())}});
        const auto *bar = dynamic_cast<const TWinControl *>(toolBar);
        for (int b = 0; bar && b < bar->ControlCount(); ++b) {
            const auto *button = dynamic_cast<const TSpeedButton *>(bar->Controls(b));
            if (!button)
                continue;
            const TBitmap *glyph = button->Glyph();
            Report(QStringLiteral("button"),
                   {{"path", QString::number(t) + u'.' + QString::number(b)},
                    {"left", QString::number(button->Left())},
                    {"top", QString::number(button->Top())},
                    {"width", QString::number(button->Width())},
                    {"height", QString::number(button->Height())},
                    {"flat", Flag(button->Flat())},
                    {"hint", button->Hint()},
                    {"glyph", QStringLiteral("%1x%2").arg(glyph->Width()).arg(glyph->Height())}});
        }
    }
    Report(QStringLiteral("status"), {{"text", form->StatusBar1->SimpleText()}});
}

void ReportComponents(const TComponent *owner)
{
    for (int i = 0; i < owner->ComponentCount(); ++i) {
        const TComponent *component = owner->Components(i);
        Report(QStringLiteral("component"), {{"name", component->Name()},
                                             {"class", component->ClassName()},
                                             {"caption", Text(component, "Caption")},
                                             {"hint", Text(component, "Hint")},
                                             {"text", Text(component, "Text")}});
    }
}

TMenuItem *MenuEntry(const QStringList &args)
{
    TMenuItem *item = frmMain->MainMenu1->Items()->Items(args.value(1).toInt());
    return item->Items(args.value(2).toInt());
}

TControl *ToolButton(const QStringList &args)
{
    auto *toolBar = dynamic_cast<TWinControl *>(frmMain->Panel1->Controls(args.value(1).toInt()));
    return toolBar->Controls(args.value(2).toInt());
}

// A key typed where the window's focus is, or into the window itself: F1, Enter, Escape or one letter.
void PressKey(QWidget *window, const QString &name)
{
    const int key = name == QLatin1String("F1")       ? int(Qt::Key_F1)
                    : name == QLatin1String("Enter")  ? int(Qt::Key_Return)
                    : name == QLatin1String("Escape") ? int(Qt::Key_Escape)
                    : name.isEmpty()                  ? 0
                                                      : name[0].toUpper().unicode();
    QWidget *target = QApplication::focusWidget();
    if (!target || !window->isAncestorOf(target))
        target = window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, name.size() == 1 ? name : QString());
    QCoreApplication::sendEvent(target, &press);
}

void Pause(const QString &flag)
{
    if (QFile file(flag); !file.open(QIODevice::WriteOnly))
        return;
    const QDeadlineTimer deadline(60000);
    while (QFile::exists(flag) && !deadline.hasExpired())
        QThread::msleep(10);
}

// The cursor the program shows now.
QString ShownCursor()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return !cursor ? QStringLiteral("normal") : cursor->shape() == Qt::WaitCursor ? QStringLiteral("busy")
                                                                                  : QStringLiteral("other");
}

class TAutomation : public QObject {
    Q_OBJECT
public:
    explicit TAutomation(QStringList script) : script_(std::move(script))
    {
        SetModalHook([this](const TModalRequest &request) { return AnswerModal(request); });
        SetHelpHook([this](const THelpRequest &request) {
            Report(QStringLiteral("help"), {{"file", request.File},
                                            {"command", QString::number(request.Command)},
                                            {"data", request.Command == HELP_CONTEXT ? QString::number(request.Data)
                                                                                      : QString()}});
            if (showHelp_)
                ShowHelp(Application->Handle(), request);
        });
        // Files the program opens on the desktop, every module's help pages among them, are reported instead.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "OpenFile");
        SetShellHook([](const QString &operation, const QString &file) {
            Report(QStringLiteral("shell"), {{"operation", operation}, {"file", file}});
            return true;
        });
        QCoreApplication::instance()->installEventFilter(this);
        WaitForMainWindow();
    }

    Q_INVOKABLE void OpenFile(const QUrl &url) { Report(QStringLiteral("file"), {{"path", url.toLocalFile()}}); }

protected:
    // The splash window's progress line, each time the splash is painted with a new one, and so the progress a
    // plug-in tells. And the modal windows of the plug-ins: each module has its own modal hook, so the host's
    // never hears of theirs; a modal window that is still up once the host's hook had its turn runs a modal
    // loop of its own and is answered here.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watchingCursor_ && ShownCursor() == QLatin1String("busy"))
            sawBusyCursor_ = true;
        if (event->type() == QEvent::Paint && frmSplash && watched == frmSplash->Label1->Widget()
            && frmSplash->Label1->Caption() != splashText_) {
            splashText_ = frmSplash->Label1->Caption();
            Report(QStringLiteral("splash"), {{"text", splashText_}});
        }
        if (event->type() == QEvent::Paint)
            ReportPluginProgress(watched);
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && widget->windowModality() != Qt::NonModal)
                QTimer::singleShot(0, this, [this, window = QPointer<QWidget>(widget)] {
                    if (window && window->isVisible() && window->isModal())
                        AnswerOwnModalLoop(window);
                });
        }
        return false;
    }

private:
    // A "progress" line: the window that shows it, the text, and whether the busy cursor is on.
    void ReportPluginProgress(QObject *painted)
    {
        const TControl *shown = nullptr;
        if (frmSplash && painted == frmSplash->ProgressLabel->Widget())
            shown = frmSplash->ProgressLabel;
        else if (frmProgress && painted == frmProgress->Panel1->Widget())
            shown = frmProgress->Panel1;
        if (!shown || shown->Caption() == progressText_)
            return;
        progressText_ = shown->Caption();
        const QCursor *cursor = QGuiApplication::overrideCursor();
        Report(QStringLiteral("progress"), {{"window", shown->Owner()->Name()},
                                            {"text", progressText_},
                                            {"busy", cursor && cursor->shape() == Qt::WaitCursor ? "1" : "0"}});
    }

    void WaitForMainWindow()
    {
        QTimer::singleShot(10, this, [this] {
            if (frmMain && frmMain->Showing() && !frmSplash)
                RunScript();
            else
                WaitForMainWindow();
        });
    }

    void RunScript()
    {
        while (next_ < script_.size() && frmMain && !Application->Terminated()) {
            Run(script_[next_++].split(u'\t'));
            QCoreApplication::processEvents();
        }
        if (frmMain && !Application->Terminated())
            frmMain->Close();
    }

    // The script goes on while the modal window shows, until a command closes it or "end-modal" ends it; the
    // answer is its modal result. A form still up at the script's end is cancelled, a message box answered OK.
    int RunWhileShown(const TModalRequest &request)
    {
        const QPointer<QWidget> window = request.Window;
        const auto *form = dynamic_cast<const TForm *>(request.Source);
        while (next_ < script_.size() && frmMain && !Application->Terminated()) {
            const QStringList args = script_[next_++].split(u'\t');
            if (args.value(0) == QLatin1String("end-modal"))
                return args.value(1).toInt();
            Run(args);
            QCoreApplication::processEvents();
            if (form && form->ModalResult() != mrNone)
                return form->ModalResult();
            if (!window || !window->isVisible())
                return mrNone;
        }
        return request.Kind == mkMessageBox ? int(IDOK) : int(mrCancel);
    }

    void Run(const QStringList &args)
    {
        const QString &command = args.value(0);
        if (command == QLatin1String("dump"))
            ReportMainWindow();
        else if (command == QLatin1String("click"))
            PressControl(frmMain->FindComponent(args.value(1)));
        else if (command == QLatin1String("click-menu"))
            PressControl(MenuEntry(args));
        else if (command == QLatin1String("click-tool"))
            PressControl(ToolButton(args));
        else if (command == QLatin1String("key")) {
            QWidget *window = args.value(2).isEmpty() ? frmMain->Widget() : FindWindow(args.value(2));
            if (window)
                PressKey(window, args.value(1));
            else
                Report(QStringLiteral("error"), {{"window", args.value(2)}});
        } else if (command == QLatin1String("show-help"))
            showHelp_ = true;
        else if (command == QLatin1String("watch-cursor")) {
            watchingCursor_ = true;
            sawBusyCursor_ = false;
        } else if (command == QLatin1String("cursor")) {
            Report(QStringLiteral("cursor"), {{"busy", Flag(sawBusyCursor_)}, {"now", ShownCursor()}});
            watchingCursor_ = false;
        }
        else if (command == QLatin1String("lookup")) {
            TmlLang *lang = frmMain->mlLang1;
            const QString &list = args.value(1);
            TStrings *entries = list == QLatin1String("Locales")        ? lang->Locales()
                                : list == QLatin1String("DlgsCaptions") ? lang->DlgsCaptions()
                                                                        : lang->Strings();
            Report(QStringLiteral("lookup"), {{"list", list},
                                              {"name", args.value(2)},
                                              {"text", lang->LookupListEntry(entries, args.value(2), true)}});
        } else if (command == QLatin1String("hover-menu"))
            MenuEntry(args)->QtAction()->hover();
        else if (command == QLatin1String("hover-tool")) {
            QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
            QCoreApplication::sendEvent(ToolButton(args)->Widget(), &enter);
        } else if (command == QLatin1String("memory")) {
            const quint64 total = args.value(1).toULongLong();
            const quint32 load = args.value(2).toUInt();
            SetMemoryStatusHook([total, load](TMemoryStatus &status) {
                status.TotalPhys = total;
                status.MemoryLoad = load;
            });
        } else if (command == QLatin1String("answer"))
            answers_.push_back({false, args.mid(1)});
        else if (command == QLatin1String("modal"))
            answers_.push_back({true, {}});
        else if (command == QLatin1String("wait")) {
            QEventLoop loop;
            QTimer::singleShot(args.value(1).toInt(), &loop, &QEventLoop::quit);
            loop.exec();
        } else if (command == QLatin1String("pause"))
            Pause(args.value(1));
        else if (command == QLatin1String("close") && args.value(1).isEmpty())
            frmMain->Close();
        else if (!command.isEmpty() && !RunInWindow(command, args))
            Report(QStringLiteral("error"), {{"unknown", command}});
    }

    // The commands that address a window by name, any module's.
    static bool RunInWindow(const QString &command, const QStringList &args)
    {
        if (command == QLatin1String("windows")) {
            ReportWindows();
            return true;
        }
        QWidget *window = FindWindow(args.value(1));
        TComponent *component = WindowComponent(window, args.value(2));
        const auto *control = dynamic_cast<const TControl *>(component);
        if (command == QLatin1String("controls"))
            ReportControls(window);
        else if (command == QLatin1String("status"))
            ReportStatus(window);
        else if (command == QLatin1String("menu"))
            ChooseMenuEntry(window, args.value(2).toInt(), args.value(3).toInt());
        else if (command == QLatin1String("grid"))
            ReportGrid(control);
        else if (command == QLatin1String("header"))
            ClickHeader(control, args.value(3).toInt());
        else if (command == QLatin1String("select") || command == QLatin1String("dblclick"))
            ClickRow(control, args.value(3).toInt(), command == QLatin1String("dblclick"));
        else if (command == QLatin1String("press"))
            PressControl(component);
        else if (command == QLatin1String("set"))
            SetValue(control, args.value(3));
        else if (command == QLatin1String("choose"))
            ChooseItem(control, args.value(3).toInt());
        else if (command == QLatin1String("drag"))
            DragControl(control, {args.value(3).toInt(), args.value(4).toInt()},
                        {args.value(5).toInt(), args.value(6).toInt()});
        else if (command == QLatin1String("close") && window)
            window->close();
        else if (command == QLatin1String("shot")) {
            const auto *shown = dynamic_cast<const TControl *>(WindowComponent(window, args.value(3)));
            SavePicture(shown ? shown->Widget() : window, args.value(2));
        } else if (command == QLatin1String("mouse-down"))
            MouseStep(control, QEvent::MouseButtonPress, {args.value(3).toInt(), args.value(4).toInt()});
        else if (command == QLatin1String("mouse-move"))
            MouseStep(control, QEvent::MouseMove, {args.value(3).toInt(), args.value(4).toInt()});
        else if (command == QLatin1String("mouse-up"))
            MouseStep(control, QEvent::MouseButtonRelease, {args.value(3).toInt(), args.value(4).toInt()});
        else
            return false;
        if (!window)
            Report(QStringLiteral("error"), {{"window", args.value(1)}});
        return true;
    }

    void AnswerOwnModalLoop(QWidget *window)
    {
        auto *form = dynamic_cast<TForm *>(ControlOfWidget(window));
        auto *box = qobject_cast<QMessageBox *>(window);
        const TModalKind kind = form ? mkForm : box ? mkMessageBox : mkCommonDialog;
        const int answer = AnswerModal({kind, form, window, window->windowTitle(), box ? box->text() : QString()});
        // A result the actions gave the form, by a key or a button, stands unless the answer names one.
        if (form && (answer != mrNone || form->ModalResult() == mrNone))
            form->SetModalResult(answer != mrNone ? answer : mrCancel);
        else if (box)
            box->done(answer);
        else if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->done(answer ? QDialog::Accepted : QDialog::Rejected);
    }

    int AnswerModal(const TModalRequest &request)
    {
        const QString kind = request.Kind == mkForm          ? QStringLiteral("form")
                             : request.Kind == mkMessageBox ? QStringLiteral("message")
                                                            : QStringLiteral("dialog");
        Report(QStringLiteral("modal"), {{"kind", kind},
                                         {"class", request.Source ? request.Source->ClassName() : QString()},
                                         {"caption", request.Caption},
                                         {"text", request.Text}});
        if (request.Kind == mkForm)
            ReportComponents(static_cast<const TComponent *>(dynamic_cast<const TForm *>(request.Source)));
        if (const auto *dialog = dynamic_cast<const TOpenDialog *>(request.Source))
            Report(QStringLiteral("dialog"), {{"title", dialog->Title()},
                                              {"filter", dialog->Filter()},
                                              {"filename", dialog->FileName()},
                                              {"filetype", dialog->ControlText(stc2)},
                                              {"name", dialog->ControlText(stc3)},
                                              {"lookin", dialog->ControlText(stc4)},
                                              {"readonly", dialog->ControlText(chx1)},
                                              {"help", dialog->ControlText(pshHelp)},
                                              {"open", dialog->ControlText(IDOK_BUTTON)},
                                              {"cancel", dialog->ControlText(IDCANCEL_BUTTON)}});
        ReportCommonDialog(request.Window);
        if (answers_.empty())
            return request.Kind == mkForm ? mrCancel : request.Kind == mkMessageBox ? IDOK : 0;
        const TAnswer answer = answers_.front();
        answers_.erase(answers_.begin());
        if (answer.Stay)
            return RunWhileShown(request);
        for (const QString &action : answer.Fields.mid(1))
            Act(request, action);
        return answer.Fields.value(0).toInt();
    }

    static void Act(const TModalRequest &request, const QString &action)
    {
        const qsizetype equals = action.indexOf(u'=');
        const QString target = action.left(equals);
        const QString value = action.mid(equals + 1);
        const auto *form = dynamic_cast<const TForm *>(request.Source);
        if (ActOnCommonDialog(request.Window, target, value))
            return;
        if (target == QLatin1String("shot")) {
            SavePicture(request.Window, value);
        } else if (target == QLatin1String("file")) {
            if (auto *dialog = qobject_cast<QFileDialog *>(request.Window))
                dialog->selectFile(value);
        } else if (target == QLatin1String("key")) {
            if (form)
                PressKey(form->Widget(), value);
        } else if (target == QLatin1String("click")) {
            if (form)
                PressControl(form->FindComponent(value));
        } else if (target == QLatin1String("set") || target == QLatin1String("choose")) {
            const qsizetype colon = value.indexOf(u':');
            const auto *control =
                form ? dynamic_cast<const TControl *>(form->FindComponent(value.left(colon))) : nullptr;
            if (target == QLatin1String("set"))
                SetValue(control, value.mid(colon + 1));
            else
                ChooseItem(control, value.mid(colon + 1).toInt());
        } else if (form) {
            const qsizetype dot = target.indexOf(u'.');
            if (TComponent *component = form->FindComponent(target.left(dot)))
                component->setProperty(qPrintable(target.mid(dot + 1)), value);
        }
    }

    // An "answer" line's fields, or a "modal" line's wish to keep the window open for the commands after it.
    struct TAnswer {
        bool Stay;
        QStringList Fields;
    };

    QStringList script_;
    qsizetype next_ = 0;
    std::vector<TAnswer> answers_;
    QString splashText_;
    bool showHelp_ = false;
    bool watchingCursor_ = false;
    bool sawBusyCursor_ = false;
    QString progressText_;
};
} // namespace

void StartAutomation()
{
    const QString scriptFile = qEnvironmentVariable("ORMEL_AUTOMATION");
    if (scriptFile.isEmpty())
        return;
    QFile file(scriptFile);
    QStringList script;
    if (file.open(QIODevice::ReadOnly))
        script = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    (new TAutomation(script))->setParent(QCoreApplication::instance());
}

#include "Automation.moc"
