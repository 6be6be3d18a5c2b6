#pragma once

#include "TestHost.h"

#include "pages/ClauseGrid.h"
#include "pages/ClausePage.h"
#include "pages/PageFactory.h"
#include "pages/WidgetValues.h"
#include "store/ClauseStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QTest>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

// A Form 3CA report of the demo client with page windows built as the editor builds them.
class PageTest : public EngineTest
{
protected:
    void SetUp() override
    {
        EngineTest::SetUp();
        if (env)
            env->openForm(FormKind::F3CA);
    }
    void TearDown() override
    {
        pages.clear();
        EngineTest::TearDown();
    }

    ClausePage *open(int slot)
    {
        pages.emplace_back(PageFactory::create(FormKind::F3CA, slot));
        return pages.back().get();
    }
    template <typename T> T *find(ClausePage *page, const QString &name)
    {
        T *w = page->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    ClauseGrid *grid(ClausePage *page, const QString &name) { return find<ClauseGrid>(page, name); }

    // Opens the cell's editor as a keyboard user does (F2) and returns it.
    static QWidget *openEditor(ClauseGrid *g, int r, int c)
    {
        g->setCurrentCell(r, c);
        QTest::keyClick(g, Qt::Key_F2);
        return g->viewport()->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    }
    static void typeInto(ClauseGrid *g, int r, int c, const QString &text)
    {
        QWidget *editor = openEditor(g, r, c);
        ASSERT_NE(editor, nullptr);
        if (auto *combo = qobject_cast<QComboBox *>(editor); combo && combo->isEditable())
            editor = combo->lineEdit();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits and closes the editor from its event queue.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static QStringList row(ClauseGrid *g, int r)
    {
        QStringList cells;
        for (int c = 0; c < g->columnCount(); ++c)
            cells << WidgetValues::cellText(g, r, c);
        return cells;
    }
    static void fillRow(ClauseGrid *g, int r, const QStringList &cells)
    {
        if (g->rowCount() <= r)
            g->setRowCount(r + 1);
        for (int c = 0; c < cells.size(); ++c)
            WidgetValues::setCellText(g, r, c, cells.at(c));
    }
    // The stored rows of a point as "Col1|Col2|..." up to the last non-empty value.
    static QStringList stored(int page, const QString &point)
    {
        QStringList out;
        for (const ClauseStore::ClauseRow &r : ClauseStore::readPoint(page, point)) {
            QStringList cols = r.cols.mid(0, 22);
            while (!cols.isEmpty() && cols.last().isEmpty())
                cols.removeLast();
            out << cols.join(u'|');
        }
        return out;
    }

    std::vector<std::unique_ptr<ClausePage>> pages;
};
