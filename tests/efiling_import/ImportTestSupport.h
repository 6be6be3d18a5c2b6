#pragma once

#include "TestHost.h"
#include "efiling/ValidationFinding.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <nlohmann/json.hpp>

// The import tests' view of reports: documents written by the real writer, files on disk,
// and the rows of a report as text for comparing before and after.
class ImportTest : public EngineTest
{
protected:
    void SetUp() override;

    // The e-filing document of a client's report of the demo year, written by the writer.
    QByteArray documentOf(const QString &client, FormKind form = FormKind::F3CA);
    QString writeFile(const QString &name, const QByteArray &text) const;
    // Every row of a client's report of the demo year: "page|form|point|Col1|...|Col23".
    QStringList rowsOf(const QString &client);
    // Selects a client's report of the demo year as the open report.
    void open(const QString &client, FormKind form = FormKind::F3CA);
    // Imports a file into the client C004, another client's file taken on purpose, and
    // writes that client's report again.
    nlohmann::json importedAndWritten(const nlohmann::json &file);
};

// Fills the first demo client's report of the demo year with every clause, as the program's
// demo does (tests start from the partly filled one).
void fillDemoReport(TestHost &env);

// The whole text of a file ("" when it cannot be read).
QByteArray readWhole(const QString &path);

// Moves the data array of every attachment's "…Info" object of a form key beside that
// object, where the department's earlier layouts put it.
void listsBesideTheirInfo(nlohmann::json &formKey);

// The findings of the Form 3CA-3CD schema on a document.
QList<ValidationFinding> schemaFindings(const nlohmann::json &doc);
