#pragma once

#include "controls/WinControl.h"

class QStackedWidget;
class TNotebook;

// A page of a notebook; its caption names it.
class TPage : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    explicit TPage(TComponent *owner);

    TNotebook *Notebook() const;
    // A page joining a notebook shows only when it is the current one.
    void SetParent(TWinControl *parent) override;
};

// Pages in one place without tabs: only the page at PageIndex shows; code chooses which.
class TNotebook : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)

public:
    explicit TNotebook(TComponent *owner);

    int PageCount() const { return int(pages_.size()); }
    // Checked: an index outside the pages raises EListError.
    TPage *Pages(int index) const;
    // -1 while there is no page; an index outside the pages is ignored.
    int PageIndex() const;
    void SetPageIndex(int index);

    void InsertControl(TControl *control) override;
    void RemoveControl(TControl *control) override;

private:
    friend class TPage;
    QStackedWidget *Stack() const;
    void ShowCurrentPage();
    QList<TPage *> pages_;
};
