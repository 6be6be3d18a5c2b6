#pragma once

#include "ValidationFinding.h"

#include <QSet>
#include <QString>
#include <QStringList>

class JsonValue;

// The department's layout a Form 3CA/3CB-3CD e-filing file follows, where it differs from the
// one this program writes: known from the file's assessment year, schema version and shape.
// Earlier layouts put an attachment's list beside its "…Info" object, clause 18's additions
// and deductions directly in the block, "AuditYearDate" beside "PointA", left out the fixed
// "BooksOfAccType" of clause 11, and wrote section codes since renamed ("40b").
class FiledLayout
{
public:
    // Read from a parsed document (the form root, or an upload envelope around it).
    static FiledLayout of(const JsonValue &document);

    bool differs() const { return !m_places.isEmpty(); }
    const QStringList &places() const { return m_places; }
    // "This file uses the layout of AY 2022-23; it differs from the current one in 2 places: …"
    // ("" for a file of the current layout).
    QString summary() const;
    // Whether a finding of the schema check comes of the layout alone, not of a fault.
    bool explains(const ValidationFinding &finding) const;

private:
    class Reader;

    QString m_assessmentYear;
    QString m_schemaVersion;
    QStringList m_places;
    QSet<QString> m_standsElsewhere; // pointers of members today's layout has elsewhere
    QSet<QString> m_missing;         // object pointer + "|" + member it lacks
    QSet<QString> m_earlierCode;     // pointers of values written with an earlier code
};
