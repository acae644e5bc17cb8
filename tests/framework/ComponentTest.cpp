#include "classes/Component.h"
#include "classes/Events.h"
#include "rtl/Exceptions.h"

#include "QtPrint.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
QStringList journal;

class TProbe : public TComponent {
    Q_OBJECT
public:
    using TComponent::TComponent;
    ~TProbe() override { journal << "free " + Name(); }
    void Loaded() override
    {
        TComponent::Loaded();
        journal << "loaded " + Name();
    }

protected:
    void Notification(TComponent *component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (component != this)
            journal << QString("%1 hears %2 %3")
                           .arg(Name(), operation == TOperation::opInsert ? "insert" : "remove", component->Name());
    }
};

TProbe *Make(TComponent *owner, const char *name)
{
    auto *probe = new TProbe(owner);
    probe->SetName(name);
    return probe;
}
} // namespace

TEST(Component, OwnerFreesOwnedComponentsLastCreatedFirst)
{
    journal.clear();
    auto *owner = Make(nullptr, "Owner");
    Make(owner, "A");
    Make(owner, "B");
    Make(owner, "C");
    ASSERT_EQ(owner->ComponentCount(), 3);
    EXPECT_EQ(owner->Components(1)->Name(), "B");
    EXPECT_THROW(owner->Components(3), EListError);
    journal.clear();
    delete owner;
    EXPECT_EQ(journal, QStringList({"free Owner", "free C", "free B", "free A"}));
}

TEST(Component, NamesAreUniqueAndFoundWithoutRegardToCase)
{
    TComponent owner(nullptr);
    auto *a = Make(&owner, "Button1");
    EXPECT_EQ(owner.FindComponent("BUTTON1"), a);
    EXPECT_EQ(owner.FindComponent("Nothing"), nullptr);
    auto *b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("button1"), EComponentError);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    b->SetName("Button2");
    EXPECT_EQ(b->ClassName(), "TComponent");
    EXPECT_EQ(a->ClassName(), "TProbe");
}

TEST(Component, LoadingStateFollowsTheOwnerUntilLoaded)
{
    journal.clear();
    TComponent form(nullptr);
    form.BeginLoading();
    auto *a = Make(&form, "A");
    EXPECT_TRUE(a->HasState(csLoading));
    a->Loaded();
    EXPECT_FALSE(a->HasState(csLoading));
    EXPECT_EQ(journal.last(), "loaded A");
}

TEST(Component, InsertionAndRemovalReachSiblingsAndFreeNotificationCrossesForms)
{
    journal.clear();
    auto *form1 = Make(nullptr, "Form1");
    auto *watcher = Make(form1, "Watcher");
    auto *form2 = Make(nullptr, "Form2");
    auto *other = Make(form2, "Other");
    // The owner hears of an insertion before the new component has a name.
    EXPECT_EQ(journal, QStringList({"Form1 hears insert ", "Form2 hears insert "}));
    watcher->FreeNotification(other);
    EXPECT_TRUE(watcher->HasState(csFreeNotification));
    EXPECT_TRUE(other->HasState(csFreeNotification));
    journal.clear();
    delete other;
    EXPECT_TRUE(journal.contains("Watcher hears remove Other"));
    EXPECT_TRUE(journal.contains("Form2 hears remove Other"));
    delete form2;
    delete form1;
}

namespace {
struct Counter {
    int clicks = 0;
    TObject *last = nullptr;
    void Click(TObject *sender)
    {
        ++clicks;
        last = sender;
    }
};
} // namespace

TEST(Events, TwoWordClosureCallsTheBoundMemberAndNilCodeDoesNothing)
{
    static_assert(sizeof(TNotifyEvent) == 2 * sizeof(void *));
    Counter counter;
    TNotifyEvent event = MakeEvent<&Counter::Click>(&counter);
    TComponent sender(nullptr);
    event(&sender);
    EXPECT_EQ(counter.clicks, 1);
    EXPECT_EQ(counter.last, &sender);
    TNotifyEvent none;
    EXPECT_FALSE(none.Assigned());
    none(&sender);
}

#include "ComponentTest.moc"
