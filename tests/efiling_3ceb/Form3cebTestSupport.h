#pragma once

#include "TestHost.h"
#include "model/ReportModel.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

// The Form 3CEB tests' view of reports: the demo client's Form 3CEB (C004), documents
// written on a fixed day, files in the test's folder and a report's rows as text.
class Form3cebTest : public EngineTest
{
protected:
    static inline const QString kDemoClient = QStringLiteral("C004");
    static inline const QDate kWritten = QDate(2026, 10, 26);

    void open(const QString &client);
    QByteArray documentOf(const QString &client);
    QString writeFile(const QString &name, const QByteArray &text) const;
    // "page|form|point|Col1|...|Col20" for every row of a client's Form 3CEB of the demo year.
    QStringList rowsOf(const QString &client);
};

// A report held only in memory, for the writer's rules that need no database.
ReportModel emptyReport(const QString &yearKey = QStringLiteral("2026"));
