#include "ImportTestSupport.h"

#include "commands/clsImportJSON.h"
#include "store/ClauseStore.h"

#include <QRegularExpression>

namespace
{

constexpr int kRows = 3000;

// Clause 20(b) as its page keeps it (a CSV attachment in the file), grown to kRows rows.
QList<QStringList> fundRows()
{
    QList<QStringList> rows;
    for (int i = 0; i < kRows; ++i)
        rows << QStringList{"Provident Fund", QString::number(1000 + i) + ".00", "15/05/2025", "1000.00",
                            "12/05/2025"};
    return rows;
}

QStringList valuesOf(const QList<ClauseStore::ClauseRow> &rows)
{
    QStringList lines;
    for (const ClauseStore::ClauseRow &row : rows)
        lines << row.cols.join(u'|');
    return lines;
}

} // namespace

class LargeTableImport : public ImportTest
{
};

TALVEX_BOTH_ENGINES(LargeTableImport);

// The table is read while the file is parsed and written without a report model: the
// rows come back all the same, in order.
TEST_P(LargeTableImport, ATableOfThousandsOfRowsComesBackInFileOrder)
{
    ClauseStore::deletePoint(8, "20b");
    ClauseStore::insertRows(8, "20b", fundRows());
    const QList<ClauseStore::ClauseRow> written = ClauseStore::readPoint(8, "20b");
    ASSERT_EQ(written.size(), kRows);
    const QString file = writeFile("large.json", documentOf("C001"));

    ASSERT_TRUE(clsImportJSON::importFile(file, "C004", "2026"));
    open("C004");
    EXPECT_EQ(valuesOf(ClauseStore::readPoint(8, "20b")), valuesOf(written));
    // Clause 18's blocks go through the rules, beside the table.
    EXPECT_EQ(ClauseStore::readPoint(7, "18").size(), 2);
}

// Tables outside the form key (a second form root beside an upload envelope's "data") are
// not the report's: only those of the form key are imported.
TEST_P(LargeTableImport, TablesOfAnotherFormRootAreNotImported)
{
    const QByteArray plain = documentOf("C001");
    const QByteArray decoy = R"("FORM3CA": {"F3CA": {"Form3cdEmpPfSuperannInfo": {"Form3cdEmpPfSuperann": [)"
                             R"({"NatureOfFund": "Other", "Amount": 1}]}}}, "data": )";
    const QString file = writeFile("two.json", R"({"metadata": {"purpose": "test"}, )" + decoy + plain + "}");
    const QStringList before = valuesOf(ClauseStore::readPoint(8, "20b"));
    ASSERT_FALSE(before.isEmpty());

    ASSERT_TRUE(clsImportJSON::importFile(file, "C004", "2026"));
    open("C004");
    EXPECT_EQ(valuesOf(ClauseStore::readPoint(8, "20b")), before);
}
