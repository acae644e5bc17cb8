#pragma once

#include "controls/WinControl.h"

class QTabWidget;
class TPageControl;

// A page of a page control; its caption is the tab's text.
class TTabSheet : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)

public:
    explicit TTabSheet(TComponent *owner);

    TPageControl *PageControl() const;
    void SetPageControl(TPageControl *control) ;
    int PageIndex() const;
    void SetPageIndex(int index);

protected:
    void TextChanged() override;
};

// Pages shown one at a time under a row of tabs. OnChange runs when the user picks another page.
class TPageControl : public TWinControl {
    Q_OBJECT
    Q_PROPERTY(TFont *Font READ Font WRITE SetFont)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(TTabSheet *ActivePage READ ActivePage WRITE SetActivePage)

public:
    explicit TPageControl(TComponent *owner);

    int PageCount() const { return int(pages_.size()); }
    TTabSheet *Pages(int index) const;
    TTabSheet *ActivePage() const;
    void SetActivePage(TTabSheet *page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    TNotifyEvent OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent event) { onChange_ = event; }

    void InsertControl(TControl *control) override;
    void RemoveControl(TControl *control) override;

private:
    friend class TTabSheet;
    QTabWidget *Tabs() const;
    QList<TTabSheet *> pages_;
    bool switching_ = false;
    TNotifyEvent onChange_;
};
