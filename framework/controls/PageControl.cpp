#include "controls/PageControl.h"

#include "forms/Application.h"
#include "rtl/Exceptions.h"

#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

TTabSheet::TTabSheet(TComponent *owner) : TWinControl(owner, new QWidget) {}

TPageControl *TTabSheet::PageControl() const { return dynamic_cast<TPageControl *>(Parent()); }

void TTabSheet::SetPageControl(TPageControl *control) { SetParent(control); }

int TTabSheet::PageIndex() const
{
    const TPageControl *control = PageControl();
    return control ? int(control->pages_.indexOf(this)) : -1;
}

void TTabSheet::SetPageIndex(int index)
{
    TPageControl *control = PageControl();
    if (!control || index < 0 || index >= control->PageCount() || index == PageIndex())
        return;
    control->pages_.move(PageIndex(), index);
    control->Tabs()->tabBar()->moveTab(control->Tabs()->indexOf(Widget()), index);
}

void TTabSheet::TextChanged()
{
    if (TPageControl *control = PageControl())
        control->Tabs()->setTabText(control->Tabs()->indexOf(Widget()), text_);
}

TPageControl::TPageControl(TComponent *owner) : TWinControl(owner, new QTabWidget)
{
    SetBounds(0, 0, 289, 193);
    QObject::connect(Tabs(), &QTabWidget::currentChanged, this, [this] {
        if (!switching_)
            CallHandler(this, [this] { onChange_(this); });
    });
}

QTabWidget *TPageControl::Tabs() const { return static_cast<QTabWidget *>(Widget()); }

void TPageControl::InsertControl(TControl *control)
{
    auto *page = dynamic_cast<TTabSheet *>(control);
    if (!page) {
        TWinControl::InsertControl(control);
        return;
    }
    TWinControl::InsertControl(control);
    pages_.append(page);
    switching_ = true;
    Tabs()->addTab(page->Widget(), page->Caption());
    switching_ = false;
}

void TPageControl::RemoveControl(TControl *control)
{
    // Compared by address: a page being destroyed is no longer a TTabSheet when it leaves.
    const auto page = std::find_if(pages_.begin(), pages_.end(),
                                   [control](const TTabSheet *sheet) { return sheet == control; });
    if (page != pages_.end()) {
        pages_.erase(page);
        switching_ = true;
        Tabs()->removeTab(Tabs()->indexOf(control->Widget()));
        switching_ = false;
    }
    TWinControl::RemoveControl(control);
}

TTabSheet *TPageControl::Pages(int index) const
{
    if (index < 0 || index >= pages_.size())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return pages_[index];
}

TTabSheet *TPageControl::ActivePage() const
{
    const int index = ActivePageIndex();
    return index >= 0 ? pages_[index] : nullptr;
}

void TPageControl::SetActivePage(TTabSheet *page)
{
    if (page && pages_.contains(page)) {
        switching_ = true;
        Tabs()->setCurrentWidget(page->Widget());
        switching_ = false;
    }
}

int TPageControl::ActivePageIndex() const
{
    const QWidget *current = Tabs() ? Tabs()->currentWidget() : nullptr;
    for (qsizetype i = 0; i < pages_.size(); ++i)
        if (pages_[i]->Widget() == current)
            return int(i);
    return -1;
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index >= 0 && index < pages_.size())
        SetActivePage(pages_[index]);
}
