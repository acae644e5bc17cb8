#include "Automation.h"

#include "controls/ImageList.h"
#include "controls/Label.h"
#include "controls/Panel.h"
#include "controls/SpeedButton.h"
#include "controls/StatusBar.h"
#include "dialogs/OpenDialog.h"
#include "forms/Application.h"
#include "forms/MessageBox.h"
#include "forms/ModalHook.h"
#include "main.h"
#include "menus/Menus.h"
#include "mlLang.h"
#include "platform/Help.h"
#include "platform/MemoryStatus.h"
#include "platform/Shell.h"
#include "splash.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QTimer>
#include <cstdio>
#include <utility>
#include <vector>

namespace {
using TFields = std::vector<std::pair<QString, QString>>;

QString Escaped(QString value)
{
    return value.replace(u'\\', QStringLiteral("\\\\"))
        .replace(u'\t', QStringLiteral("\\t"))
        .replace(u'\n', QStringLiteral("\\n"))
        .replace(u'\r', QStringLiteral("\\r"));
}

void Report(const QString &kind, const TFields &fields)
{
    QString line = kind;
    for (const auto &[name, value] : fields)
        line += u'\t' + name + u'=' + Escaped(value);
    std::fputs(qPrintable(line + u'\n'), stdout);
    std::fflush(stdout);
}

QString Flag(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

QString Text(const QObject *object, const char *property)
{
    const QVariant value = object->property(property);
    return value.isValid() ? value.toString() : QString();
}

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

// A key typed where the window's focus is, or into the window itself.
void PressKey(QWidget *window, const QString &name)
{
    const int key = name == QLatin1String("F1") ? int(Qt::Key_F1) : name.isEmpty() ? 0 : name[0].toUpper().unicode();
    QWidget *target = QApplication::focusWidget();
    if (!target || !window->isAncestorOf(target))
        target = window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_F1 ? QString() : name);
    QCoreApplication::sendEvent(target, &press);
}

void Press(TComponent *component)
{
    if (auto *item = dynamic_cast<TMenuItem *>(component))
        item->QtAction()->trigger();
    else if (auto *control = dynamic_cast<TControl *>(component)) {
        if (auto *button = qobject_cast<QAbstractButton *>(control->Widget()))
            button->click();
        else
            control->Click();
    }
}

class TAutomation : public QObject {
public:
    explicit TAutomation(QStringList script) : script_(std::move(script))
    {
        SetModalHook([this](const TModalRequest &request) { return AnswerModal(request); });
        SetHelpHook([](const THelpRequest &request) {
            Report(QStringLiteral("help"), {{"file", request.File},
                                            {"command", QString::number(request.Command)},
                                            {"data", request.Command == HELP_CONTEXT ? QString::number(request.Data)
                                                                                      : QString()}});
        });
        SetShellHook([](const QString &operation, const QString &file) {
            Report(QStringLiteral("shell"), {{"operation", operation}, {"file", file}});
            return true;
        });
        QCoreApplication::instance()->installEventFilter(this);
        WaitForMainWindow();
    }

protected:
    // The splash window's progress line, each time the splash is painted with a new one.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && frmSplash && watched == frmSplash->Label1->Widget()
            && frmSplash->Label1->Caption() != splashText_) {
            splashText_ = frmSplash->Label1->Caption();
            Report(QStringLiteral("splash"), {{"text", splashText_}});
        }
        return false;
    }

private:
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
        for (const QString &line : std::as_const(script_)) {
            if (!frmMain || Application->Terminated())
                break;
            Run(line.split(u'\t'));
            QCoreApplication::processEvents();
        }
        if (frmMain && !Application->Terminated())
            frmMain->Close();
    }

    void Run(const QStringList &args)
    {
        const QString &command = args.value(0);
        if (command == QLatin1String("dump"))
            ReportMainWindow();
        else if (command == QLatin1String("click"))
            Press(frmMain->FindComponent(args.value(1)));
        else if (command == QLatin1String("click-menu"))
            Press(MenuEntry(args));
        else if (command == QLatin1String("click-tool"))
            Press(ToolButton(args));
        else if (command == QLatin1String("key"))
            PressKey(frmMain->Widget(), args.value(1));
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
            answers_.push_back(args.mid(1));
        else if (command == QLatin1String("wait")) {
            QEventLoop loop;
            QTimer::singleShot(args.value(1).toInt(), &loop, &QEventLoop::quit);
            loop.exec();
        } else if (command == QLatin1String("close"))
            frmMain->Close();
        else if (!command.isEmpty())
            Report(QStringLiteral("error"), {{"unknown", command}});
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
        if (answers_.empty())
            return request.Kind == mkForm ? mrCancel : request.Kind == mkMessageBox ? IDOK : 0;
        const QStringList answer = answers_.front();
        answers_.erase(answers_.begin());
        for (const QString &action : answer.mid(1))
            Act(request, action);
        return answer.value(0).toInt();
    }

    static void Act(const TModalRequest &request, const QString &action)
    {
        const qsizetype equals = action.indexOf(u'=');
        const QString target = action.left(equals);
        const QString value = action.mid(equals + 1);
        const auto *form = dynamic_cast<const TForm *>(request.Source);
        if (target == QLatin1String("file")) {
            if (auto *dialog = qobject_cast<QFileDialog *>(request.Window))
                dialog->selectFile(value);
        } else if (target == QLatin1String("key")) {
            if (form)
                PressKey(form->Widget(), value);
        } else if (target == QLatin1String("click")) {
            if (form)
                Press(form->FindComponent(value));
        } else if (form) {
            const qsizetype dot = target.indexOf(u'.');
            if (TComponent *component = form->FindComponent(target.left(dot)))
                component->setProperty(qPrintable(target.mid(dot + 1)), value);
        }
    }

    QStringList script_;
    std::vector<QStringList> answers_;
    QString splashText_;
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
