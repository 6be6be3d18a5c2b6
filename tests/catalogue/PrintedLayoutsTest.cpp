#include "catalogue/PrintedLayouts.h"
#include "catalogue/ClauseCatalogue.h"
#include "catalogue/Form3cebCatalogue.h"

#include <QSet>
#include <gtest/gtest.h>

namespace
{

int total(const QString &widths)
{
    int sum = 0;
    for (const QString &w : widths.split(u','))
        sum += w.toInt();
    return sum;
}

} // namespace

// Every Form 3CEB clause that prints a table has a layout of as many widths as it prints
// columns (the serial, then the shown ones), and every layout fills the line.
TEST(PrintedLayouts, EveryForm3cebTableHasALayoutOfItsColumns)
{
    for (const QString &fixed :
         {PrintedLayouts::Line, PrintedLayouts::Halves, PrintedLayouts::GroupHeading,
          PrintedLayouts::Labelled, PrintedLayouts::Particulars, PrintedLayouts::Sections,
          PrintedLayouts::Question, PrintedLayouts::CaptionValue, PrintedLayouts::ClosingSignatures,
          PrintedLayouts::Additions, PrintedLayouts::DepreciationWide})
        EXPECT_EQ(total(fixed), 100) << fixed.toStdString();

    int tables = 0;
    for (const Catalogue::Page &page : Form3cebCatalogue::instance().pages()) {
        for (const Catalogue::Clause &clause : page.clauses) {
            for (const Catalogue::Control &control : clause.controls) {
                if (control.type != Catalogue::ControlType::Grid || page.number < 3)
                    continue;
                qsizetype shown = 1;
                for (const Catalogue::Column &column : control.columns)
                    shown += column.hidden ? 0 : 1;
                const QString widths = PrintedLayouts::form3cebClause(clause.key);
                EXPECT_EQ(widths.split(u',').size(), shown) << clause.key.toStdString();
                EXPECT_EQ(total(widths), 100) << clause.key.toStdString();
                ++tables;
            }
        }
    }
    EXPECT_GE(tables, 20);
}

// The Form 3CD clause groups name each clause of Part B once and only clauses that exist.
TEST(PrintedLayouts, TheForm3cdGroupsCoverPartBOnce)
{
    QSet<QString> clauses;
    for (const Catalogue::Page &page : ClauseCatalogue::instance().pages()) {
        if (page.number < 3 || page.number > 20)
            continue;
        for (const Catalogue::Clause &clause : page.clauses)
            clauses << clause.key;
    }
    QSet<QString> grouped;
    for (const QStringList &group : PrintedLayouts::form3cdGroups()) {
        for (const QString &point : group) {
            EXPECT_TRUE(clauses.contains(point)) << point.toStdString();
            EXPECT_FALSE(grouped.contains(point)) << point.toStdString();
            grouped << point;
        }
    }
    EXPECT_EQ(grouped, clauses);
    EXPECT_EQ(PrintedLayouts::form3cdGroupOf(QStringLiteral("34b")),
              (QStringList{QStringLiteral("34a"), QStringLiteral("34b"), QStringLiteral("34c")}));
}
