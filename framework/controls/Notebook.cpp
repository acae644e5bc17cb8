#include "controls/Notebook.h"

#include "rtl/Exceptions.h"

#include <QStackedWidget>
#include <algorithm>

TPage::TPage(TComponent *owner) : TWinControl(owner, new QWidget) {}

TNotebook *TPage::Notebook() const { return dynamic_cast<TNotebook *>(Parent()); }

void TPage::SetParent(TWinControl *parent)
{
    TWinControl::SetParent(parent);
    if (TNotebook *notebook = Notebook())
        notebook->ShowCurrentPage();
}

TNotebook::TNotebook(TComponent *owner) : TWinControl(owner, new QStackedWidget) { SetBounds(0, 0, 150, 150); }

QStackedWidget *TNotebook::Stack() const { return static_cast<QStackedWidget *>(Widget()); }

void TNotebook::InsertControl(TControl *control)
{
    TWinControl::InsertControl(control);
    if (auto *page = dynamic_cast<TPage *>(control)) {
        pages_.append(page);
        Stack()->addWidget(page->Widget());
    }
}

void TNotebook::RemoveControl(TControl *control)
{
    // Compared by address: a page being destroyed is no longer a TPage when it leaves.
    const auto page =
        std::find_if(pages_.begin(), pages_.end(), [control](const TPage *each) { return each == control; });
    if (page != pages_.end()) {
        pages_.erase(page);
        Stack()->removeWidget(control->Widget());
    }
    TWinControl::RemoveControl(control);
}

TPage *TNotebook::Pages(int index) const
{
    if (index < 0 || index >= pages_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return pages_[index];
}

int TNotebook::PageIndex() const
{
    const QWidget *current = Stack() ? Stack()->currentWidget() : nullptr;
    for (qsizetype i = 0; i < pages_.size(); ++i)
        if (pages_[i]->Widget() == current)
            return int(i);
    return -1;
}

void TNotebook::SetPageIndex(int index)
{
    if (index >= 0 && index < pages_.size()) {
        Stack()->setCurrentWidget(pages_[index]->Widget());
        ShowCurrentPage();
    }
}

// A control shows its widget when it gets its parent: the pages that are not current are hidden again.
void TNotebook::ShowCurrentPage()
{
    const QWidget *current = Stack()->currentWidget();
    for (TPage *page : pages_)
        page->Widget()->setVisible(page->Widget() == current);
}
