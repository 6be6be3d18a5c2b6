// generate-json reads a report's long grids from the store as text, a row at a time, and
// the desktop program's Generate does the same; the document must be the one the report
// model gives. EfilingTest::compose() compares the two for every document the e-filing
// tests write; these cases store grids as no screen would, to reach the corners.

#include "EfilingTestSupport.h"

#include "efiling/EfilingExport.h"
#include "host/HostContext.h"
#include "model/rules/ReportRules.h"
#include "store/ClauseStore.h"
#include "store/Database.h"
#include "store/ModuleState.h"
#include "store/ReportKey.h"

#include <QFile>

using nlohmann::json;

class WritingFromStore : public EfilingTest
{
protected:
    // Stores the rows of clause 34(a) as given, each with its own sequence text (Col23).
    void store34a(const QList<QPair<QString, QStringList>> &rows, const QString &formName = {})
    {
        const ReportKey key = ReportKey::current();
        QList<ClauseStore::ClauseRow> stored;
        for (const auto &[sequence, cells] : rows) {
            QStringList cols = cells;
            while (cols.size() < 22)
                cols << QString();
            cols << sequence;
            stored.append({17, formName.isEmpty() ? moduleState().formNameForPage(17) : formName,
                           QStringLiteral("34a"), cols});
        }
        Transaction tx(env->host().DBObj());
        ClauseStore::insertStoredRows(key, stored);
        tx.commit();
    }
    static QStringList payment(const QString &nature)
    {
        return {QStringLiteral("MUMS12345A"), QStringLiteral("194C"),    nature,
                QStringLiteral("1000.00"),    QStringLiteral("1000.00"), QStringLiteral("1000.00"),
                QStringLiteral("20.00"),      QStringLiteral("0"),       QStringLiteral("0"),
                QStringLiteral("0")};
    }
    QStringList natures()
    {
        QStringList found;
        const json f = formKey();
        for (const json &e : f["Form3cdChapXVIIInfo"]["Form3cdChapXVII"])
            found << QString::fromStdString(e["NatureOfPaymnt"].get<std::string>());
        return found;
    }
};

TALVEX_BOTH_ENGINES(WritingFromStore);

TEST_P(WritingFromStore, RowsStoredOutOfOrderComeInSequenceOrderTrimmed)
{
    removePoint(17, QStringLiteral("34a"));
    // A long text (its length takes more than a byte), letters beyond ASCII, padded cells,
    // sequence texts a user never types, and a sequence given twice.
    const QString long300 = QString(300, u'x');
    store34a({{QStringLiteral("10"), payment(QStringLiteral("  ten  "))},
              {QStringLiteral(" 2"), payment(QStringLiteral("two ₹ दो"))},
              {QStringLiteral("2"), payment(QStringLiteral("two again"))},
              {QStringLiteral("3x"), payment(long300)},
              {QStringLiteral("1"), payment(QStringLiteral("one"))}});
    EXPECT_EQ(natures(), (QStringList{QStringLiteral("one"), QStringLiteral("two ₹ दो"),
                                      QStringLiteral("two again"), long300, QStringLiteral("ten")}));
}

TEST_P(WritingFromStore, RowsOfAnotherFormNameAndMarkerRowsAreWrittenAsTheModelWritesThem)
{
    removePoint(17, QStringLiteral("34a"));
    store34a({{QStringLiteral("1"), payment(QStringLiteral("kept apart"))}}, QStringLiteral("3CA"));
    store34a({{QStringLiteral("2"), payment(QStringLiteral("own"))},
              {QStringLiteral("3"), QStringList(10, QStringLiteral("Nil"))}});
    EXPECT_EQ(natures(), (QStringList{QStringLiteral("kept apart"), QStringLiteral("own")}));

    // A grid whose first row is the "No" answer's marker gives no block.
    removePoint(17, QStringLiteral("34a"));
    store34a({{QStringLiteral("1"), QStringList(10, QStringLiteral("NA"))},
              {QStringLiteral("2"), payment(QStringLiteral("after the marker"))}});
    EXPECT_FALSE(formKey().contains("Form3cdChapXVIIInfo"));
}

TEST_P(WritingFromStore, GenerateWritesTheSameFileFromTheKeyAsFromTheModel)
{
    removePoint(17, QStringLiteral("34a"));
    QList<QPair<QString, QStringList>> rows;
    for (int i = 2000; i >= 1; --i)
        rows.append({QString::number(i), payment(QStringLiteral("payment %1 ").arg(i))});
    store34a(rows);
    const QDate today(2026, 10, 1);
    const QString fromKey = tempFile(QStringLiteral("key.json"));
    const QString fromModel = tempFile(QStringLiteral("model.json"));
    EXPECT_EQ(EfilingExport::writeReport(ReportKey::current(), fromKey, {}, today).outcome,
              EfilingExport::Outcome::Valid);
    EXPECT_EQ(EfilingExport::writeReport(*ReportRules::loadAsWritten(), fromModel, {}, today).outcome,
              EfilingExport::Outcome::Valid);
    const QByteArray written = readFile(fromKey);
    EXPECT_EQ(written.size(), readFile(fromModel).size());
    EXPECT_EQ(written.toStdString(), readFile(fromModel).toStdString());
    EXPECT_TRUE(written.contains("\"NatureOfPaymnt\": \"payment 1\""));
}
