#include "TestHost.h"

#include "editor/Form3CD.h"
#include "pages/ClausePage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QScrollArea>
#include <QTest>
#include <algorithm>

namespace
{

// The control that holds a focus widget: the box of an editable drop-down, not its line.
QWidget *controlOf(QWidget *w)
{
    return w && qobject_cast<QComboBox *>(w->parentWidget()) ? w->parentWidget() : w;
}

// Whether Tab stops at the control: shown, enabled and taking Tab. Of options that exclude
// each other Tab stops at one; arrows move among them.
bool takesTab(const QWidget *w)
{
    if (!w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) || w->focusProxy() ||
        qobject_cast<const QScrollArea *>(w))
        return false;
    if (qobject_cast<const QComboBox *>(w->parentWidget()))
        return false;
    const auto *button = qobject_cast<const QAbstractButton *>(w);
    if (!button || !button->autoExclusive())
        return true;
    const QList<QAbstractButton *> options = w->parentWidget()->findChildren<QAbstractButton *>();
    for (const QAbstractButton *other : options) {
        if (other->autoExclusive() && other->group() == button->group() && other->isVisible() &&
            options.indexOf(other) < options.indexOf(button))
            return false;
    }
    return true;
}

struct Stop {
    QWidget *control;
    QRect at;
};

// Where a control is on the page, in the coordinates of the content that scrolls it (a tab's
// own, inside the page's), so that scrolling moves nothing.
QRect placeOf(QWidget *control)
{
    for (QWidget *p = control->parentWidget(); p; p = p->parentWidget()) {
        if (auto *scroll = qobject_cast<QScrollArea *>(p); scroll && scroll->widget())
            return QRect(control->mapTo(scroll->widget(), QPoint(0, 0)), control->size());
    }
    return QRect(control->mapTo(control->window(), QPoint(0, 0)), control->size());
}

// Whether `next` comes after `previous` read from the top left: on the same line further
// right, or on a line below.
bool follows(const QRect &previous, const QRect &next)
{
    const int line = std::min(previous.height(), next.height()) / 2;
    const int dy = next.center().y() - previous.center().y();
    if (std::abs(dy) <= line)
        return next.left() > previous.left();
    return dy > 0;
}

QString nameOf(const Stop &s)
{
    return QStringLiteral("%1 at (%2, %3)")
        .arg(s.control->objectName().isEmpty() ? QString::fromLatin1(s.control->metaObject()->className())
                                               : s.control->objectName())
        .arg(s.at.left())
        .arg(s.at.top());
}

} // namespace

// Tab walks every page of a report from the top left to the bottom right, as the accountant
// reads it, and reaches every control of the page on the way.
class TabOrder : public EngineTest
{
protected:
    void TearDown() override
    {
        delete Form3CD::existing();
        EngineTest::TearDown();
    }

    void walkEveryPage(FormKind kind, const QString &client)
    {
        env->openForm(kind, client);
        Form3CD *editor = Form3CD::instance();
        editor->resize(1366, 728);
        editor->show();
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
        for (int slot = 1; slot <= editor->lastPage(); ++slot) {
            editor->cmdPages_Click(slot);
            walk(editor->page(slot));
        }
    }

    void walk(ClausePage *page)
    {
        auto *scroll = page->findChild<QScrollArea *>();
        QWidget *content = scroll && scroll->widget() ? scroll->widget() : page;
        QList<Stop> controls;
        for (QWidget *w : content->findChildren<QWidget *>()) {
            if (takesTab(w))
                controls << Stop{w, placeOf(w)};
        }
        ASSERT_FALSE(controls.isEmpty()) << "page " << page->slot();
        const Stop first =
            *std::min_element(controls.cbegin(), controls.cend(),
                              [](const Stop &a, const Stop &b) { return follows(a.at, b.at); });
        first.control->setFocus(Qt::TabFocusReason);
        QList<Stop> reached{first};
        while (reached.size() <= controls.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget *control = controlOf(QApplication::focusWidget());
            if (!control || !content->isAncestorOf(control) || control == first.control)
                break;
            const Stop next{control, placeOf(control)};
            EXPECT_TRUE(follows(reached.constLast().at, next.at))
                << "page " << page->slot() << ": Tab goes from " << nameOf(reached.constLast()).toStdString()
                << " back to " << nameOf(next).toStdString();
            if (std::any_of(reached.cbegin(), reached.cend(),
                            [control](const Stop &s) { return s.control == control; }))
                break;
            reached << next;
        }
        for (const Stop &c : std::as_const(controls)) {
            EXPECT_TRUE(std::any_of(reached.cbegin(), reached.cend(),
                                    [&c](const Stop &s) { return s.control == c.control; }))
                << "page " << page->slot() << ": Tab never reaches " << nameOf(c).toStdString();
        }
    }
};

// The screens are the same over either database.
INSTANTIATE_TEST_SUITE_P(Engines, TabOrder, testing::Values(TestEngine::SQLite), engineName);

TEST_P(TabOrder, EveryPageOfForm3CAGoesFromTheTopLeftToTheBottomRight)
{
    walkEveryPage(FormKind::F3CA, QStringLiteral("C001"));
}

TEST_P(TabOrder, EveryPageOfForm3CBGoesFromTheTopLeftToTheBottomRight)
{
    walkEveryPage(FormKind::F3CB, QStringLiteral("C001"));
}

TEST_P(TabOrder, EveryPageOfForm3CEBGoesFromTheTopLeftToTheBottomRight)
{
    walkEveryPage(FormKind::F3CEB, QStringLiteral("C004"));
}
