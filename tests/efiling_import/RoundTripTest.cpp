#include "ImportTestSupport.h"

#include "efiling/UploadEnvelope.h"
#include "commands/clsImportJSON.h"
#include "store/ClauseStore.h"

using nlohmann::json;

namespace
{

// The paths where two documents differ (JSON Patch paths, "/FORM3CA/F3CA/...").
QStringList differences(const QByteArray &a, const QByteArray &b)
{
    QStringList paths;
    for (const json &op : json::diff(json::parse(a.toStdString()), json::parse(b.toStdString())))
        paths << QString::fromStdString(op["path"].get<std::string>());
    paths.sort();
    return paths;
}

} // namespace

class RoundTrip : public ImportTest
{
};

TALVEX_BOTH_ENGINES(RoundTrip);

TEST_P(RoundTrip, AWrittenReportImportedIntoAnotherClientIsWrittenTheSame)
{
    const QByteArray written = documentOf("C001");
    const QString file = writeFile("3CA_C001.json", written);

    open("C004");
    env->prompt().queue(PromptAnswer::Yes); // another client's file, imported on purpose
    ASSERT_TRUE(clsImportJSON().ImportJSON(file));
    EXPECT_EQ(env->prompt().lastText(), "Imported Successfully.");

    // The creation date is the same day here; the report page's wording comes back too.
    EXPECT_EQ(differences(written, documentOf("C004")), QStringList());
}

TEST_P(RoundTrip, AForm3CBReportComesBackWithItsQualificationsAndOtherDocuments)
{
    // The demo report's clauses under a Form 3CB report page of two qualifications.
    open("C001", FormKind::F3CB);
    ClauseStore::insertRow(101, "3CBPT3", {"We", "the trust deed and the rules of the society"});
    ClauseStore::insertRow(101, "Qual",
                           {"Proper stock records are not maintained by the assessee.",
                            "Stock registers were not kept for the Surat godown.",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "",
                            "1"});
    ClauseStore::insertRow(101, "Qual", {"Others", "Cash in hand was certified by the management.",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "",       "",
                                         "2"});
    const QByteArray written = documentOf("C001", FormKind::F3CB);
    const QString file = writeFile("3CB_C001.json", written);

    open("C004", FormKind::F3CB);
    env->prompt().queue(PromptAnswer::Yes); // another client's file, imported on purpose
    ASSERT_TRUE(clsImportJSON().ImportJSON(file));

    const QStringList diff = differences(written, documentOf("C004", FormKind::F3CB));
    EXPECT_EQ(diff, QStringList());
    const QList<ClauseStore::ClauseRow> quals = ClauseStore::readPoint(101, "Qual");
    ASSERT_EQ(quals.size(), 2);
    EXPECT_EQ(quals[0].formName, "3CB");
    EXPECT_EQ(quals[0].col(1), "Proper stock records are not maintained by the assessee.");
    EXPECT_EQ(quals[1].col(1), "Others");
    EXPECT_EQ(quals[1].col(23), "2");
}

TEST_P(RoundTrip, AnUploadEnvelopeImportsLikeThePlainFile)
{
    const QByteArray written = documentOf("C001");
    const QString plain = writeFile("plain.json", written);
    const QString wrapped = writeFile(
        "wrapped.json", UploadEnvelope::wrap(QString::fromUtf8(written), "O", 2026, "F3CA-3CD").toUtf8());

    open("C004");
    env->prompt().queue(PromptAnswer::Yes); // another client's file, imported on purpose
    ASSERT_TRUE(clsImportJSON().ImportJSON(plain));
    const QStringList fromPlain = rowsOf("C004");
    ASSERT_FALSE(fromPlain.isEmpty());
    ClauseStore::deletePage(3);
    ASSERT_NE(rowsOf("C004"), fromPlain);

    env->prompt().queue(PromptAnswer::Yes); // another client's file, imported on purpose

    ASSERT_TRUE(clsImportJSON().ImportJSON(wrapped));
    EXPECT_EQ(rowsOf("C004"), fromPlain);
}

TEST_P(RoundTrip, TwelveRowsComeBackInFileOrder)
{
    QList<QStringList> books;
    for (int i = 1; i <= 12; ++i) {
        QStringList cols{QString("Register %1").arg(i)};
        while (cols.size() < 22)
            cols << QString();
        cols << QString::number(i);
        books << cols;
    }
    ClauseStore::deletePoint(4, "11a");
    for (const QStringList &cols : books)
        ClauseStore::insertRow(4, "11a", cols);
    const QString file = writeFile("books.json", documentOf("C001"));

    open("C004");
    env->prompt().queue(PromptAnswer::Yes); // another client's file, imported on purpose
    ASSERT_TRUE(clsImportJSON().ImportJSON(file));
    const QList<ClauseStore::ClauseRow> rows = ClauseStore::readPoint(4, "11a");
    ASSERT_EQ(rows.size(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(rows[i].col(1), QString("Register %1").arg(i + 1));
        EXPECT_EQ(rows[i].col(23), QString::number(i + 1));
    }
}
