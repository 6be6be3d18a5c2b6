#pragma once

#include "TestHost.h"

#include <QStringList>

// The carry-forward tests' view of reports: rows as text, single values, and whether the
// report as stored writes an e-filing file its schema accepts.
class CarryTest : public EngineTest
{
protected:
    // Opens a client's report of a year (the demo client C001 of the demo year by default).
    void open(const QString &client = QStringLiteral("C001"), const QString &year = QStringLiteral("2026"),
              FormKind form = FormKind::F3CA);
    // Every stored row of the open report: "page|form|point|Col1|...|Col23".
    QStringList rows();
    // The stored columns of a point's rows of the open report.
    QList<QStringList> point(int page, const QString &point);
    void store(int page, const QString &point, const QList<QStringList> &rows);
    // The schema's findings on the open report's e-filing file, one a line.
    QStringList schemaFindings();
    QString writeFile(const QString &name, const QByteArray &text) const;
    // Carries last year's report into the open one, answering Yes to the question and the
    // question of figures beforehand.
    bool carry(bool withoutFigures = false);
};
