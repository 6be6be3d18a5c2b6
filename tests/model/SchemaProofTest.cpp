#include "ModelTestSupport.h"

#include "catalogue/CellFormat.h"
#include "catalogue/ClauseCatalogue.h"
#include "efiling/EfilingExport.h"
#include "efiling/JsonFileCheck.h"
#include "model/ListSources.h"
#include "model/ReportModel.h"
#include "model/rules/CellChecks.h"

#include <QFile>
#include <QSet>
#include <functional>

// The pages refuse first what the e-filing check refuses: every cell of the demo report that
// the file carries is given values of its column's kind, the ones a page takes are written
// into the file, and the department's schema must take that file.
namespace
{

struct Target {
    int page = 0;
    QString point;
    int column = 0; // 1-based
    Catalogue::Column definition;
    QString member;
};

bool checkedKind(const Catalogue::Column &c)
{
    if (!c.check.isEmpty())
        return true;
    switch (c.kind) {
    case Catalogue::Kind::Date:
    case Catalogue::Kind::Amount:
    case Catalogue::Kind::Whole:
        return true;
    case Catalogue::Kind::List:
        return !c.editable;
    default:
        return false;
    }
}

// Values of the column's kind as an accountant might type them, good and bad.
QStringList typedValues(const Catalogue::Column &c, ListSources &lists, const QString &dependsOn)
{
    if (c.check == QLatin1String("pan"))
        return {"AABCS1234K", "aabcs1234k", "ABCDE12345", "AABCS1234", "1ABCS1234K", "AAB CS123K"};
    if (c.check == QLatin1String("aadhaar"))
        return {"234567890124", "12345", "123456789012", "2345678901234", "23456789012A"};
    if (c.check == QLatin1String("tan"))
        return {"MUMA12345B", "muma12345b", "MUMA1234B", "MUM12345B1"};
    switch (c.kind) {
    case Catalogue::Kind::Date:
        return {"15/07/2025", "31/02/2026", "2026-03-31", "1/3/2026", "15/13/2025", "15.07.2025"};
    case Catalogue::Kind::Amount:
        return c.signedAmount ? QStringList{"1250.50", "0", "-5.00", "12,50", "1e5", "abc", "-"}
                              : QStringList{"1250.50", "0", "12,50", "1e5", "-5.00", "abc"};
    case Catalogue::Kind::Whole:
        return {"12", "0", "12.5", "1,000", "x"};
    case Catalogue::Kind::List: {
        const QStringList items = lists.items(c.list, dependsOn);
        QStringList values{"Not an entry of the list"};
        if (!items.isEmpty())
            values << items.first() << items.at(items.size() / 2) << items.last() << items.first().toLower();
        return values;
    }
    default:
        return {};
    }
}

} // namespace

class SchemaProof : public ModelTest
{
protected:
    // The grid cells of the demo report that the writer puts into the file.
    QList<Target> targets(const ReportModel &report) const
    {
        QList<Target> found;
        QSet<QString> seen;
        const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
        std::function<void(const QList<Catalogue::JsonMember> &, int, const QString &)> walk =
            [&](const QList<Catalogue::JsonMember> &members, int page, const QString &point) {
                for (const Catalogue::JsonMember &m : members) {
                    const int p = m.page ? m.page : page;
                    const QString pt = m.point.isEmpty() ? point : m.point;
                    walk(m.members, p, pt);
                    const Catalogue::Control *control = catalogue.controlOf(p, pt);
                    if (m.column <= 0 || !control || control->type != Catalogue::ControlType::Grid ||
                        m.column > control->columns.size() || report.rows(p, pt).isEmpty())
                        continue;
                    const Catalogue::Column &column = control->columns.at(m.column - 1);
                    const QString key = QStringLiteral("%1/%2/%3").arg(p).arg(pt).arg(m.column);
                    if (column.computed || !checkedKind(column) || seen.contains(key))
                        continue;
                    seen.insert(key);
                    found << Target{p, pt, m.column, column, m.name};
                }
            };
        for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks()) {
            for (const Catalogue::JsonPart &part : block.parts)
                walk(part.members, part.page, part.point);
        }
        return found;
    }

    QList<ValidationFinding> findings(const ReportModel &report)
    {
        const QString path = file("proof.json");
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(EfilingExport::compose(report, QDate(2026, 10, 1)));
        out.close();
        const FileCheckResult result = JsonFileCheck::check(path, EfilingExport::schemaFile(FormKind::F3CA));
        EXPECT_EQ(result.failure, "");
        return result.findings;
    }
};
INSTANTIATE_TEST_SUITE_P(Engines, SchemaProof, testing::Values(TestEngine::SQLite), engineName);

TEST_P(SchemaProof, EveryValueAPageTakesPassesTheSchema)
{
    const auto report = ReportModel::load();
    ASSERT_EQ(findings(*report).size(), 0) << "the demo report itself";
    ListSources lists;
    const QList<Target> all = targets(*report);
    QSet<QString> kinds;
    for (const Target &t : all)
        kinds.insert(t.definition.check.isEmpty() ? QString::number(int(t.definition.kind))
                                                  : t.definition.check);
    EXPECT_GE(kinds.size(), 6) << "PAN, Aadhaar, date, amount, whole number and list columns";
    ASSERT_GT(all.size(), 40);

    // Round r gives every cell its r-th value when the page takes it: the page's verdict,
    // then the schema's over the whole file.
    int taken = 0;
    int refusedByThePage = 0;
    for (int round = 0; round < 7; ++round) {
        const auto copy = ReportModel::load();
        QStringList written;
        for (const Target &t : all) {
            const QString dependsOn = t.definition.dependsOn > 0
                                          ? copy->rows(t.page, t.point).first().col(t.definition.dependsOn)
                                          : QString();
            const QStringList values = typedValues(t.definition, lists, dependsOn);
            if (round >= values.size())
                continue;
            const QString kept =
                CellFormat::format(t.definition.kind, CellChecks::normalised(t.definition, values.at(round)));
            const bool pageTakes = CellChecks::message(t.definition, kept).isEmpty() &&
                                   CellChecks::listMessage(t.definition, kept, lists, dependsOn).isEmpty();
            if (!pageTakes) {
                ++refusedByThePage;
                continue;
            }
            ++taken;
            copy->setCell(t.page, t.point, 0, t.column, kept);
            written << t.point + "/" + t.member + "=" + kept;
        }
        for (const ValidationFinding &f : findings(*copy))
            ADD_FAILURE() << "round " << round
                          << ": the page took a value the schema refuses: " << f.root.toStdString() << "."
                          << f.member.toStdString() << " = " << f.value.toStdString() << " ("
                          << f.message.toStdString() << ")";
    }
    EXPECT_GT(taken, all.size());
    EXPECT_GT(refusedByThePage, all.size());
}

// The other way round: values the schema refuses in a member, typed into its cell, are
// refused by the page, one cell at a time so that each refusal is the cell's own.
TEST_P(SchemaProof, WhatTheSchemaRefusesThePageRefusedFirst)
{
    const auto report = ReportModel::load();
    ListSources lists;
    int refusedBySchema = 0;
    // One cell of each kind, each run being a whole file; the test above covers every cell.
    QSet<QString> kindsDone;
    for (const Target &t : targets(*report)) {
        const QString kind =
            t.definition.check.isEmpty() ? QString::number(int(t.definition.kind)) : t.definition.check;
        if (kindsDone.contains(kind) || t.definition.dependsOn > 0)
            continue;
        kindsDone.insert(kind);
        for (const QString &typed : typedValues(t.definition, lists, {})) {
            const QString kept =
                CellFormat::format(t.definition.kind, CellChecks::normalised(t.definition, typed));
            const auto copy = ReportModel::load();
            copy->setCell(t.page, t.point, 0, t.column, kept);
            if (findings(*copy).isEmpty())
                continue;
            ++refusedBySchema;
            EXPECT_FALSE(CellChecks::message(t.definition, kept).isEmpty() &&
                         CellChecks::listMessage(t.definition, kept, lists).isEmpty())
                << t.point.toStdString() << " " << t.definition.heading.toStdString() << ": "
                << kept.toStdString();
        }
    }
    EXPECT_GT(refusedBySchema, 5);
}
