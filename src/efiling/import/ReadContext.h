#pragma once

#include "ImportedRows.h"
#include "NameLookups.h"
#include "efiling/json/JsonValue.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class ClauseCatalogue;
namespace Catalogue
{
struct Column;
struct PointRef;
struct JsonPart;
struct JsonBlock;
} // namespace Catalogue

// What the clause readers work with: the catalogue that says where each member goes, the
// form of the file ("3CA" or "3CB", which chooses the report page behind "@declaration"),
// the rows gathered so far and the name look-ups.
class ReadContext
{
public:
    ReadContext(const ClauseCatalogue &catalogue, const QString &formCode, ImportedRows &rows,
                NameLookups &names)
        : m_catalogue(catalogue), m_formCode(formCode), m_rows(rows), m_names(names)
    {
    }

    const ClauseCatalogue &catalogue() const { return m_catalogue; }
    const QString &formCode() const { return m_formCode; }
    ImportedRows &rows() { return m_rows; }
    NameLookups &names() { return m_names; }

    // The page and point a catalogue point stands for (an alias such as "@declaration" too).
    Catalogue::PointRef resolve(int page, const QString &point) const;
    // The page's grid column behind Col`col` of a point, or null for a point without a grid.
    const Catalogue::Column *column(int page, const QString &point, int col) const;

    // A block's rows came in under a Yes/No question: unless the file answers the question
    // itself, the answer is Yes, or the writer would leave the block out again.
    void answeredYesBy(int page, const QString &option);
    // Stores the Yes answers implied by blocks for the questions the file left unanswered.
    void storeImpliedAnswers();

    // The next serial number of a part's rows, for a table that numbers its rows itself.
    int nextNumber(const Catalogue::JsonPart *part) { return ++m_numbered[part]; }

    // A member of the file that no reader knows ("Form3cdPl/Remarks"), listed once.
    void noteUnknown(const QString &path);
    const QStringList &unknownMembers() const { return m_unknown; }

    // Keeps a member of the file with the report as the file has it, at its place (a form key
    // member, or a block's member "/" its own; see FiledMembers). False, and nothing kept,
    // for a value too large to keep beside the rows.
    bool keep(const QString &place, const JsonValue &value);

    // The first items of a table block's array, held as they were read while the file was
    // parsed: a block whose rows will not be written again is kept as the file had it.
    void holdItem(const Catalogue::JsonBlock *block, const JsonValue &item);
    // The items held of a block; null when it had more than are held.
    const QList<JsonValue> *heldItems(const Catalogue::JsonBlock *block) const;

private:
    struct Option {
        int page;
        QString point;
    };

    const ClauseCatalogue &m_catalogue;
    QString m_formCode;
    ImportedRows &m_rows;
    NameLookups &m_names;
    QList<Option> m_implied;
    QHash<const Catalogue::JsonPart *, int> m_numbered;
    QStringList m_unknown;
    QHash<const Catalogue::JsonBlock *, QList<JsonValue>> m_held;
    QSet<const Catalogue::JsonBlock *> m_tooManyHeld;
};
