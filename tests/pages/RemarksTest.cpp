#include "PageFixture.h"

#include "host/HostSchema.h"
#include "pages/ClauseSection.h"
#include "pages/RemarksDialog.h"
#include "store/Database.h"

#include <QListWidget>
#include <QPushButton>

class Remarks : public PageTest
{
protected:
    ClausePage *page = nullptr;
    const Catalogue::Clause &clause18()
    {
        page = open(7);
        return page->section("18")->clause();
    }
};

TEST_P(Remarks, ShowsSavesAndClearsTheClauseRemark)
{
    const Catalogue::Clause &clause = clause18();
    RemarksDialog dialog(clause, page->report());
    EXPECT_TRUE(dialog.windowTitle().startsWith("18. Particulars of depreciation"));
    EXPECT_EQ(dialog.text(),
              "Depreciation is computed as per the Income-tax Act, 1961 on written down value.");
    dialog.setText("Depreciation as per the block-wise chart.");
    dialog.save();
    EXPECT_EQ(env->prompt().lastText(), "Saved Successfully.");
    EXPECT_EQ(stored(301, "R18"), QStringList{"Depreciation as per the block-wise chart."});
    EXPECT_EQ(page->report().value(301, "R18"), "Depreciation as per the block-wise chart.")
        << "the print reads the remark from the report's model";

    env->prompt().queue(PromptAnswer::Yes);
    dialog.clearRemark();
    EXPECT_EQ(env->prompt().lastText(), "Do you want to clear the remark?.");
    EXPECT_TRUE(dialog.text().isEmpty());
    EXPECT_TRUE(stored(301, "R18").isEmpty());
    EXPECT_TRUE(page->report().value(301, "R18").isEmpty());
}

TEST_P(Remarks, ImportsRemarksOfOtherReportsForTheSameClause)
{
    Database &db = env->host().DBObj();
    HostSchema::ensureYearTables(db, "2025");
    db.Execute(
        "INSERT INTO anx_j3cd_2025 (Code_No, FYr, FormName, PageNo, PointNo, Col1) VALUES (?,?,?,?,?,?)",
        {"C002", "2025", "3CD", 301, "R18", "Depreciation on straight line method for power plants."});
    db.Execute(
        "INSERT INTO anx_j3cd_2026 (Code_No, FYr, FormName, PageNo, PointNo, Col1) VALUES (?,?,?,?,?,?)",
        {"C003", "2026", "3CD", 301, "R17", "A remark of another clause."});

    const Catalogue::Clause &clause = clause18();
    RemarksDialog dialog(clause, page->report());
    dialog.setText(QString());
    dialog.importRemarks();
    QListWidget *list = dialog.importList();
    QStringList offered;
    for (int i = 0; i < list->count(); ++i)
        offered << list->item(i)->text();
    offered.sort();
    EXPECT_EQ(offered,
              (QStringList{"Depreciation is computed as per the Income-tax Act, 1961 on written down value.",
                           "Depreciation on straight line method for power plants."}));

    dialog.useTicked();
    EXPECT_EQ(env->prompt().lastText(), "Please select remark(s) to import.");
    list->item(0)->setCheckState(Qt::Checked);
    dialog.useTicked();
    EXPECT_EQ(dialog.text(), list->item(0)->text());
}

TALVEX_BOTH_ENGINES(Remarks);
