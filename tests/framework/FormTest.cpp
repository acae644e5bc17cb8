#include "controls/WinControl.h"
#include "dialogs/ColorDialog.h"
#include "forms/Application.h"
#include "forms/Cursors.h"
#include "forms/Form.h"
#include "forms/ModalHook.h"
#include "forms/Screen.h"

#include "QtPrint.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
QStringList journal;

class TProbe : public TComponent {
    Q_OBJECT
public:
    TProbe(TComponent *owner, const QString &name, bool failInLoaded = false) : TComponent(owner), fail_(failInLoaded)
    {
        SetName(name);
        journal << QString("create %1%2").arg(name, HasState(csLoading) ? " loading" : "");
    }
    ~TProbe() override { journal << "free " + Name(); }
    void Loaded() override
    {
        TComponent::Loaded();
        journal << "loaded " + Name();
        if (fail_)
            throw EInvalidOperation("cannot load " + Name());
    }

private:
    bool fail_;
};

// A form read from its resource: components in resource order, then Loaded, then OnCreate.
class TfrmProbe : public TForm {
    Q_OBJECT
public:
    explicit TfrmProbe(TComponent *owner, bool failInLoaded = false, bool failInCreate = false)
        : TForm(owner), failInCreate_(failInCreate), title_("probe")
    {
        BeginLoading();
        SetName("frmProbe");
        new TProbe(this, "A");
        new TProbe(this, "B", failInLoaded);
        new TProbe(this, "C");
        SetOnCreate(MakeEvent<&TfrmProbe::FormCreate>(this));
        SetOnDestroy(MakeEvent<&TfrmProbe::FormDestroy>(this));
        EndLoading();
    }
    ~TfrmProbe() override { journal << "free form"; }
    void Loaded() override
    {
        TForm::Loaded();
        journal << "loaded form";
    }

private:
    void FormCreate(TObject *)
    {
        journal << QString("create handler%1").arg(HasState(csLoading) ? " loading" : "");
        if (failInCreate_)
            throw EInOutError("cannot change folder");
        journal << "create handler done";
    }
    // Reads the derived form's own part, which must still be there.
    void FormDestroy(TObject *) { journal << "destroy handler of " + title_; }
    bool failInCreate_;
    QString title_;
};

struct Boxes {
    QStringList texts;
    TModalHookScope scope{[this](const TModalRequest &request) {
        texts << request.Text;
        return int(IDOK);
    }};
};
} // namespace

TEST(Form, ReadingLoadsEveryComponentInCreationOrderThenRunsOnCreateAndFreesLastCreatedFirst)
{
    journal.clear();
    auto *form = new TfrmProbe(nullptr);
    EXPECT_EQ(journal, QStringList({"create A loading", "create B loading", "create C loading", "loaded form",
                                    "loaded A", "loaded B", "loaded C", "create handler", "create handler done"}));
    EXPECT_FALSE(form->HasState(csLoading));
    journal.clear();
    delete form;
    EXPECT_EQ(journal, QStringList({"destroy handler of probe", "free form", "free C", "free B", "free A"}));

    // A form freed by its owner runs OnDestroy while it is whole too.
    {
        TComponent owner(nullptr);
        new TfrmProbe(&owner);
        journal.clear();
    }
    EXPECT_EQ(journal, QStringList({"destroy handler of probe", "free form", "free C", "free B", "free A"}));
}

TEST(Form, OnCreateFailureIsReportedByTheFormWhichStillComesUp)
{
    journal.clear();
    Boxes boxes;
    TfrmProbe form(nullptr, false, true);
    EXPECT_EQ(boxes.texts, QStringList({"TfrmProbe - cannot change folder"}));
    EXPECT_FALSE(journal.contains("create handler done"));
    EXPECT_EQ(form.ComponentCount(), 3);
}

TEST(Form, FailureInLoadedAbortsCreationAndFreesTheHalfBuiltForm)
{
    journal.clear();
    Boxes boxes;
    EXPECT_THROW(new TfrmProbe(nullptr, true), EInvalidOperation);
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_FALSE(journal.contains("create handler"));
    EXPECT_FALSE(journal.contains("destroy handler of probe"));
    EXPECT_TRUE(journal.contains("free C"));
    EXPECT_TRUE(journal.contains("free A"));
}

TEST(Form, ShowModalAnswersTheModalResultAndRunsOnShowAndOnClose)
{
    struct Events {
        QStringList log;
        void Show(TObject *) { log << "show"; }
        void Close(TObject *, TCloseAction &action) { log << QString("close %1").arg(action); }
    } events;
    TForm form(nullptr);
    form.SetCaption("Options");
    form.SetOnShow(MakeEvent<&Events::Show>(&events));
    form.SetOnClose(MakeEvent<&Events::Close>(&events));

    QString seenCaption;
    bool visibleWhileModal = false;
    {
        TModalHookScope scope([&](const TModalRequest &request) {
            seenCaption = request.Caption;
            visibleWhileModal = form.Showing() && form.Modal();
            EXPECT_EQ(request.Source, &form);
            return int(mrOk);
        });
        EXPECT_EQ(form.ShowModal(), mrOk);
    }
    EXPECT_EQ(seenCaption, "Options");
    EXPECT_TRUE(visibleWhileModal);
    EXPECT_FALSE(form.Showing());
    EXPECT_EQ(events.log, QStringList({"show", QString("close %1").arg(caHide)}));

    // A result set while the form is up (a button with a modal result) wins over the hook's answer.
    {
        TModalHookScope scope([&](const TModalRequest &) {
            form.SetModalResult(mrYes);
            return int(mrNo);
        });
        EXPECT_EQ(form.ShowModal(), mrYes);
    }
    // Closing a modal form answers Cancel.
    {
        TModalHookScope scope([&](const TModalRequest &) {
            form.Close();
            return int(mrNone);
        });
        EXPECT_EQ(form.ShowModal(), mrCancel);
    }
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

// The busy cursor stands while its scopes live, nested ones too, and goes when an exception ends them. Every kind
// of modal window opened amid them waits with the normal cursor, and a long operation inside it shows the busy
// one again; once the modal window is gone the busy cursor is back.
TEST(Form, BusyCursorScopesNestAndModalWindowsShowTheNormalCursor)
{
    const auto busy = [] {
        const QCursor *cursor = QGuiApplication::overrideCursor();
        return cursor && cursor->shape() == Qt::WaitCursor;
    };
    const auto normal = [] { return QGuiApplication::overrideCursor() == nullptr; };
    ASSERT_TRUE(normal());
    try {
        const TBusyCursor outer;
        {
            const TBusyCursor inner;
            EXPECT_TRUE(busy());
        }
        EXPECT_TRUE(busy());
        throw EInOutError("disk full");
    } catch (const EInOutError &) {
    }
    EXPECT_TRUE(normal());

    QStringList seen;
    TModalHookScope scope([&](const TModalRequest &request) {
        seen << QString("%1 %2").arg(request.Kind).arg(normal() ? "normal" : "busy");
        if (request.Kind == mkForm) {
            const TBusyCursor inside;
            seen << QString("inside %1").arg(busy() ? "busy" : "normal");
        }
        return int(mrOk);
    });
    TForm form(nullptr);
    TColorDialog colors(nullptr);
    {
        const TBusyCursor outer;
        const TBusyCursor inner;
        form.ShowModal();
        EXPECT_TRUE(busy());
        MessageBox(nullptr, "Saved.", "Journal", MB_OK);
        EXPECT_TRUE(busy());
        colors.Execute();
        EXPECT_TRUE(busy());
    }
    EXPECT_TRUE(normal());
    EXPECT_EQ(seen, QStringList({QString("%1 normal").arg(mkForm), "inside busy",
                                 QString("%1 normal").arg(mkMessageBox), QString("%1 normal").arg(mkCommonDialog)}));
}

TEST(Form, ModalLoopEndsWhenTheModalResultIsSetAndOnCloseMayRefuse)
{
    struct Refuser {
        TForm *form = nullptr;
        int refusals = 1;
        void Close(TObject *, TCloseAction &action)
        {
            if (refusals-- <= 0)
                return;
            action = caNone;
            QMetaObject::invokeMethod(form, [this] { form->SetModalResult(mrRetry); }, Qt::QueuedConnection);
        }
    } refuser;
    TForm form(nullptr);
    refuser.form = &form;
    form.SetOnClose(MakeEvent<&Refuser::Close>(&refuser));
    QMetaObject::invokeMethod(&form, [&] { form.SetModalResult(mrAbort); }, Qt::QueuedConnection);
    EXPECT_EQ(form.ShowModal(), mrRetry);
    EXPECT_EQ(refuser.refusals, -1);
    EXPECT_FALSE(form.Showing());
}

TEST(Form, AFailingOnCloseOrHookLeavesAModalFormHiddenAndUsable)
{
    struct Failing {
        bool fail = true;
        void Close(TObject *, TCloseAction &)
        {
            if (fail)
                throw EInOutError("cannot save the settings");
        }
    } failing;
    auto *form = new TForm(nullptr);
    form->SetOnClose(MakeEvent<&Failing::Close>(&failing));

    // The modal loop ends, OnClose raises: the error reaches the caller and the form is no longer modal.
    QMetaObject::invokeMethod(form, [form] { form->SetModalResult(mrOk); }, Qt::QueuedConnection);
    EXPECT_THROW(form->ShowModal(), EInOutError);
    ASSERT_FALSE(form->Modal());
    EXPECT_FALSE(form->Showing());
    EXPECT_EQ(form->Widget()->windowModality(), Qt::NonModal);

    // A stand-in for the user that raises leaves the form as cleanly.
    {
        TModalHookScope scope([](const TModalRequest &) -> int { throw EListError("no answer"); });
        EXPECT_THROW(form->ShowModal(), EListError);
    }
    ASSERT_FALSE(form->Modal());
    EXPECT_FALSE(form->Showing());

    failing.fail = false;
    {
        TModalHookScope scope([](const TModalRequest &) { return int(mrOk); });
        EXPECT_EQ(form->ShowModal(), mrOk);
    }
    form->SetModalResult(mrCancel);
    delete form;
}

TEST(Form, AWindowSystemCloseWhoseOnCloseFailsLeavesTheWindowUp)
{
    struct Failing {
        void Close(TObject *, TCloseAction &) { throw EInOutError("cannot save the settings"); }
    } failing;
    Boxes boxes;
    TForm form(nullptr);
    form.SetOnClose(MakeEvent<&Failing::Close>(&failing));
    form.Show();
    form.Widget()->close();
    EXPECT_TRUE(form.Showing());
    EXPECT_TRUE(form.Visible());
    EXPECT_EQ(boxes.texts, QStringList({"TForm - cannot save the settings"}));
}

TEST(Form, CloseActionsHideFreeOrMinimizeAndTheWindowSystemsCloseAsksTheSameWay)
{
    struct Chooser {
        TCloseAction action = caHide;
        void Close(TObject *, TCloseAction &chosen) { chosen = action; }
    } chooser;
    QPointer<TForm> form = new TForm(nullptr);
    form->SetOnClose(MakeEvent<&Chooser::Close>(&chooser));
    form->Show();
    form->Close();
    EXPECT_FALSE(form->Visible());

    form->Show();
    chooser.action = caNone;
    QCloseEvent closeEvent;
    QCoreApplication::sendEvent(form->Widget(), &closeEvent);
    EXPECT_TRUE(form->Showing());

    chooser.action = caMinimize;
    form->Close();
    EXPECT_EQ(form->WindowState(), wsMinimized);

    chooser.action = caFree;
    form->Close();
    EXPECT_FALSE(form->Showing());
    ASSERT_FALSE(form.isNull());
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.isNull());
}

TEST(Form, ClosingTheMainFormEndsTheMessageLoop)
{
    TForm *main = nullptr;
    Application->CreateForm(main);
    ASSERT_EQ(Application->MainForm(), main);
    QMetaObject::invokeMethod(main, [main] { main->Close(); }, Qt::QueuedConnection);
    Application->Run();
    EXPECT_TRUE(Application->Terminated());
    // Run frees the application's forms when the loop ends.
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->ComponentCount(), 0);
}

TEST(Form, ConstrainedResizeLimitsEveryResizeAndClientSizeExcludesTheMenu)
{
    struct Limiter {
        int minHeight = 0;
        void Constrain(TObject *, int &, int &height, int &, int &) { height = minHeight; }
    } limiter;
    TForm form(nullptr);
    form.SetBounds(10, 20, 550, 100);
    EXPECT_EQ(form.Left(), 10);
    EXPECT_EQ(form.Top(), 20);
    EXPECT_EQ(form.Width(), 550);
    EXPECT_EQ(form.ClientHeight(), 100);

    limiter.minHeight = 80;
    form.SetOnConstrainedResize(MakeEvent<&Limiter::Constrain>(&limiter));
    form.SetHeight(50);
    EXPECT_EQ(form.Height(), 80);
    form.Constraints()->SetMaxWidth(600);
    form.SetWidth(900);
    EXPECT_EQ(form.Width(), 600);

    TMainMenu menu(nullptr);
    auto *item = new TMenuItem(&menu);
    item->SetCaption("&Tools");
    menu.Items()->Add(item);
    form.SetMenu(&menu);
    form.SetClientHeight(120);
    EXPECT_GT(form.Height(), 120);
    EXPECT_EQ(form.ClientHeight(), 120);
    EXPECT_EQ(form.ClientWidget()->height(), 120);
    form.SetMenu(nullptr);
}

TEST(Form, ScreenCentredFormAndWindowStatesAndParentedForms)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    form.SetPosition(poScreenCenter);
    form.Show();
    EXPECT_EQ(form.Left(), (Screen->Width() - 300) / 2);
    EXPECT_EQ(form.Top(), (Screen->Height() - 200) / 2);
    EXPECT_EQ(Screen->ActiveForm(), &form);
    form.SetWindowState(wsMaximized);
    EXPECT_EQ(form.WindowState(), wsMaximized);
    form.SetWindowState(wsNormal);
    EXPECT_EQ(form.WindowState(), wsNormal);

    // A form put on another form becomes a control inside it, laid out by its alignment.
    TForm bar(&form);
    bar.SetAlign(alLeft);
    bar.SetWidth(53);
    bar.SetParent(&form);
    bar.Show();
    EXPECT_FALSE(bar.Widget()->isWindow());
    EXPECT_EQ(bar.Left(), 0);
    EXPECT_EQ(bar.Height(), form.ClientHeight());
    EXPECT_EQ(form.ControlCount(), 1);
}

#include "FormTest.moc"
