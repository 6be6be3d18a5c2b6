#pragma once

#include "TestHost.h"

#include "pages/ClausePage.h"
#include "pages/PageFactory.h"
#include "pages/WidgetValues.h"
#include "store/ClauseStore.h"
#include "store/ModuleState.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <memory>

// The report, Part A and signing pages of the demo year, built as the editor builds them.
class PartATest : public EngineTest
{
protected:
    void TearDown() override
    {
        pages.clear();
        EngineTest::TearDown();
    }

    // The page window of a slot for a client's report of the given form.
    ClausePage *open(FormKind kind, int slot, const QString &client = QStringLiteral("C001"))
    {
        env->openForm(kind, client);
        pages.emplace_back(PageFactory::create(kind, slot));
        return pages.back().get();
    }

    template <typename T> T *find(ClausePage *page, const QString &name)
    {
        T *w = page->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(ClausePage *page, const QString &name)
    {
        return WidgetValues::text(find<QWidget>(page, name));
    }
    void set(ClausePage *page, const QString &name, const QString &value)
    {
        WidgetValues::setText(find<QWidget>(page, name), value);
    }
    // Types a value into a box and leaves it, as the user does.
    void type(ClausePage *page, const QString &name, const QString &value)
    {
        auto *edit = find<QLineEdit>(page, name);
        edit->setText(value);
        emit edit->editingFinished();
    }

    // What a save with validation said last when it refused, or "" when it saved.
    QString refusal(ClausePage *page)
    {
        moduleState().saveWithValidation = true;
        const bool saved = page->SaveData();
        moduleState().saveWithValidation = false;
        return saved ? QString() : env->prompt().lastText();
    }

    // The stored rows of a point of a form as "Col1|Col2|..." up to the last non-empty value.
    static QStringList stored(int page, const QString &point, const QString &formName = {})
    {
        QStringList out;
        for (const ClauseStore::ClauseRow &r : ClauseStore::readPoint(page, point)) {
            if (!formName.isEmpty() && r.formName != formName)
                continue;
            QStringList cols = r.cols.mid(0, 22);
            while (!cols.isEmpty() && cols.last().isEmpty())
                cols.removeLast();
            out << cols.join(u'|');
        }
        return out;
    }

    std::vector<std::unique_ptr<ClausePage>> pages;
};
