#pragma once

#include "TestFiles.h"
#include "TestHost.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <nlohmann/json.hpp>

// The e-filing tests' view of a report: rows set up per point, the document written
// from them and read back as JSON.
class EfilingTest : public EngineTest
{
protected:
    void SetUp() override;

    // Replaces the rows of a point with these grid rows (row numbers in the sequence column).
    void setGrid(int page, const QString &point, const QList<QStringList> &rows);
    // Replaces a single-value point.
    void setValue(int page, const QString &point, const QString &value);
    void removePoint(int page, const QString &point);

    QByteArray compose() const;
    nlohmann::json document() const;
    // The form key's object ("F3CA" or "F3CB").
    nlohmann::json formKey() const;

    QString tempFile(const QString &name) const;
};
