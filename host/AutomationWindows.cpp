#include "AutomationWindows.h"

#include "AutomationReport.h"

#include "controls/StatusBar.h"
#include "forms/Form.h"
#include "menus/Menus.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>

namespace {
TForm *FormOf(QWidget *window) { return dynamic_cast<TForm *>(ControlOfWidget(window)); }

QTableView *ViewOf(const TControl *grid)
{
    if (!grid)
        return nullptr;
    if (auto *view = qobject_cast<QTableView *>(grid->Widget()))
        return view;
    return grid->Widget()->findChild<QTableView *>();
}

void SendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The cursor goes there first, as handlers may ask where it is.
void Click(QWidget *widget, QPoint at, bool twice)
{
    QCursor::setPos(widget->mapToGlobal(at));
    const auto send = [widget, at](QEvent::Type type, Qt::MouseButtons buttons) {
        SendMouse(widget, type, at, Qt::LeftButton, buttons);
    };
    send(QEvent::MouseButtonPress, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    if (twice) {
        send(QEvent::MouseButtonDblClick, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, Qt::NoButton);
    }
}

// The text a user reads on the component: its caption, else its text, else its value; a memo's lines.
QString ShownText(const QObject *component)
{
    if (const auto *control = dynamic_cast<const TControl *>(component))
        if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control->Widget()))
            return memo->toPlainText();
    for (const char *property : {"Caption", "Text", "SimpleText", "Value"})
        if (component->property(property).isValid())
            return Text(component, property);
    return {};
}
} // namespace

QWidget *FindWindow(const QString &name)
{
    const auto matches = [&name](QWidget *window) {
        const TForm *form = window ? FormOf(window) : nullptr;
        return form && (form->Name() == name || form->ClassName() == name);
    };
    if (QWidget *modal = QApplication::activeModalWidget(); matches(modal))
        return modal;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (matches(window))
            return window;
    return nullptr;
}

TComponent *WindowComponent(QWidget *window, const QString &name)
{
    const TForm *form = window ? FormOf(window) : nullptr;
    return form ? form->FindComponent(name) : nullptr;
}

void ReportWindows()
{
    for (QWidget *window : QApplication::topLevelWidgets())
        if (const TForm *form = FormOf(window))
            Report(QStringLiteral("window"), {{"name", form->Name()},
                                              {"class", form->ClassName()},
                                              {"caption", window->windowTitle()},
                                              {"visible", Flag(window->isVisible())},
                                              {"modal", Flag(window->isModal())},
                                              {"left", QString::number(form->Left())},
                                              {"top", QString::number(form->Top())},
                                              {"width", QString::number(form->Width())},
                                              {"height", QString::number(form->Height())}});
}

void ReportControls(QWidget *window)
{
    const TForm *form = window ? FormOf(window) : nullptr;
    for (int i = 0; form && i < form->ComponentCount(); ++i) {
        const TComponent *component = form->Components(i);
        TFields fields{{"name", component->Name()}, {"class", component->ClassName()}, {"text", ShownText(component)}};
        if (const auto *control = dynamic_cast<const TControl *>(component)) {
            fields.push_back({"visible", Flag(control->Widget()->isVisibleTo(window))});
            fields.push_back({"enabled", Flag(control->Widget()->isEnabledTo(window))});
        }
        for (const char *property : {"Checked", "Down", "ItemIndex", "ReadOnly"}) {
            const QVariant value = component->property(property);
            if (value.isValid())
                fields.push_back({QString::fromLatin1(property).toLower(),
                                  value.typeId() == QMetaType::Bool ? Flag(value.toBool()) : value.toString()});
        }
        Report(QStringLiteral("control"), fields);
    }
}

void ReportGrid(const TControl *grid)
{
    const QTableView *view = ViewOf(grid);
    if (!view)
        return;
    const QAbstractItemModel *model = view->model();
    const QHeaderView *header = view->horizontalHeader();
    const int cols = model->columnCount();
    QStringList widths;
    for (int c = 0; c < cols; ++c)
        widths.append(QString::number(header->isSectionHidden(c) ? -1 : header->sectionSize(c)));
    // Grid row 0 is the view's header, grid row r its row r - 1.
    Report(QStringLiteral("grid"), {{"name", grid->Name()},
                                    {"rows", QString::number(model->rowCount() + 1)},
                                    {"cols", QString::number(cols)},
                                    {"row", QString::number(view->currentIndex().row() + 1)},
                                    {"col", QString::number(view->currentIndex().column())},
                                    {"top", QString::number(view->rowAt(0) + 1)},
                                    {"widths", widths.join(u',')}});
    for (int r = -1; r < model->rowCount(); ++r) {
        TFields cells{{"grid", grid->Name()}, {"index", QString::number(r + 1)}};
        for (int c = 0; c < cols; ++c)
            cells.push_back({QString::number(c), r < 0 ? model->headerData(c, Qt::Horizontal).toString()
                                                       : model->data(model->index(r, c)).toString()});
        Report(QStringLiteral("row"), cells);
    }
}

void ReportStatus(QWidget *window)
{
    const TForm *form = window ? FormOf(window) : nullptr;
    for (int i = 0; form && i < form->ComponentCount(); ++i) {
        const auto *bar = dynamic_cast<const TStatusBar *>(form->Components(i));
        if (!bar)
            continue;
        TFields fields{{"name", bar->Name()}, {"simple", bar->SimpleText()}};
        for (int p = 0; p < bar->Panels()->Count(); ++p)
            fields.push_back({QString::number(p), bar->Panels()->Items(p)->Text()});
        Report(QStringLiteral("status"), fields);
    }
}

void ClickHeader(const TControl *grid, int col)
{
    QTableView *view = ViewOf(grid);
    if (!view || col < 0 || col >= view->model()->columnCount())
        return;
    if (view->model()->rowCount() > 0)
        view->scrollTo(view->model()->index(view->rowAt(0) < 0 ? 0 : view->rowAt(0), col));
    QHeaderView *header = view->horizontalHeader();
    const int x = header->sectionViewportPosition(col) + header->sectionSize(col) / 2;
    Click(header->viewport(), QPoint(x, header->height() / 2), false);
}

void ClickRow(const TControl *grid, int row, bool twice)
{
    QTableView *view = ViewOf(grid);
    if (!view || row < 1 || row > view->model()->rowCount())
        return;
    int col = 0;
    while (col + 1 < view->model()->columnCount() && view->isColumnHidden(col))
        ++col;
    const QModelIndex index = view->model()->index(row - 1, col);
    view->scrollTo(index);
    Click(view->viewport(), view->visualRect(index).center(), twice);
}

void PressControl(TComponent *component)
{
    if (auto *item = dynamic_cast<TMenuItem *>(component))
        item->QtAction()->trigger();
    else if (auto *control = dynamic_cast<TControl *>(component)) {
        QWidget *widget = control->Widget();
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            button->click();
        else
            Click(widget, widget->rect().center(), false);
    }
}

void DragControl(const TControl *control, QPoint from, QPoint to)
{
    if (!control)
        return;
    QWidget *widget = control->Widget();
    SendMouse(widget, QEvent::MouseMove, from, Qt::NoButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    SendMouse(widget, QEvent::MouseMove, to, Qt::NoButton, Qt::NoButton);
}

void MouseStep(const TControl *control, QEvent::Type type, QPoint at)
{
    static bool leftHeld = false;
    if (!control)
        return;
    if (type != QEvent::MouseMove)
        leftHeld = type == QEvent::MouseButtonPress;
    SendMouse(control->Widget(), type, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
              leftHeld ? Qt::LeftButton : Qt::NoButton);
}

void SetValue(const TControl *control, const QString &value)
{
    QWidget *widget = control ? control->Widget() : nullptr;
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(value);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(widget))
        memo->setPlainText(value);
    else if (auto *combo = qobject_cast<QComboBox *>(widget); combo && combo->isEditable())
        combo->setEditText(value);
    else if (widget && widget->inherits("QAbstractSpinBox"))
        widget->setProperty("value", value.toInt());
}

void ChooseItem(const TControl *control, int index)
{
    QWidget *widget = control ? control->Widget() : nullptr;
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else if (auto *pages = qobject_cast<QTabWidget *>(widget))
        pages->setCurrentIndex(index);
}

void ChooseMenuEntry(QWidget *window, int menu, int entry)
{
    const QMenuBar *bar = window ? window->findChild<QMenuBar *>() : nullptr;
    if (!bar)
        return;
    const QAction *top = bar->actions().value(menu);
    QAction *action = top && top->menu() ? top->menu()->actions().value(entry) : nullptr;
    if (action)
        action->trigger();
}

void SavePicture(QWidget *widget, const QString &file)
{
    if (widget)
        widget->grab().save(file);
}
