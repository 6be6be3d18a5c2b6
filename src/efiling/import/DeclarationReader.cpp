#include "DeclarationReader.h"

#include "ImportedRows.h"
#include "StoredValues.h"
#include "efiling/json/JsonValue.h"

#include <QString>

namespace DeclarationReader
{

namespace
{

// Each observation: its qualification type's text in Col1, the observation in Col2.
void readObservations(const JsonValue &paragraph, int page, const QString &point, ImportedRows &rows,
                      const ClauseCatalogue &catalogue)
{
    const JsonValue &observations = paragraph.Item(QStringLiteral("Observations"));
    for (qsizetype i = 1; i <= observations.Count(); ++i) {
        const JsonValue &o = observations.Item(i);
        const int row = rows.append(page, point);
        rows.set(row, 1,
                 StoredValues::textOfCode(catalogue, QStringLiteral("observation"),
                                          StoredValues::text(o.Item(QStringLiteral("ObservationsCode")))));
        rows.set(row, 2, StoredValues::text(o.Item(QStringLiteral("ObservationsVal"))));
    }
}

const JsonValue &declaration(const JsonValue &formKey)
{
    return formKey.Item(QStringLiteral("Declaration"));
}

} // namespace

void readForm3CA(const JsonValue &formKey, ImportedRows &rows, const ClauseCatalogue &catalogue)
{
    readObservations(declaration(formKey).Item(QStringLiteral("Point3")), 1, QStringLiteral("3CAQual"), rows,
                     catalogue);
}

void readForm3CB(const JsonValue &formKey, ImportedRows &rows, const ClauseCatalogue &catalogue)
{
    readObservations(declaration(formKey).Item(QStringLiteral("Point5")), 101, QStringLiteral("Qual"), rows,
                     catalogue);
    const JsonValue &pointA =
        declaration(formKey).Item(QStringLiteral("Point3")).Item(QStringLiteral("PointA"));
    if (pointA.Exists(QStringLiteral("OCDI_Description")))
        rows.set(rows.single(101, QStringLiteral("3CBPT3")), 2,
                 StoredValues::text(pointA.Item(QStringLiteral("OCDI_Description"))));
}

} // namespace DeclarationReader
