#pragma once

#include "MemberKind.h"
#include "Vocabulary.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>

// The clause catalogue of Form 3CD (data/catalogue/form3cd.json, described in its README):
// the pages with their clauses, controls and grid columns, the code tables and drop-down
// sources, and the e-filing JSON blocks read from the clause rows. Loaded once, read-only.
namespace Catalogue
{

enum class Kind { Text, Date, Amount, Whole, List, Tick };

struct Column {
    QString key; // the name the clause's rules and JSON members use for the column
    QString heading;
    Kind kind = Kind::Text;
    QString list; // a code table or a named list
    bool editable = false;
    int dependsOn = 0; // 1-based column whose text feeds the list's "@column" bind
    QString check;     // "pan", "aadhaar", "tan"
    bool ratio = false;
    int width = 0;
    QString hint;
    bool computed = false;     // filled by the clause's rules, never typed
    bool signedAmount = false; // an amount that takes a minus sign
    bool optional = false;     // may stay empty when the clause is answered
    bool hidden = false;       // kept in the rows, not shown
};

struct Field {
    QString name;
    QString caption;
    Kind kind = Kind::Text;
    QString sumPoint; // the field shows the total of this grid column
    int sumColumn = 0;
    bool signedAmount = false;
};

enum class ControlType { Grid, Text, Combo, Fields, Choice };

struct Control {
    ControlType type = ControlType::Text;
    QString point;
    QString name;
    QString label; // overrides the clause label in messages about this control
    QString caption;
    Kind kind = Kind::Text;
    bool signedAmount = false; // a text box's amount that takes a minus sign
    QString list;
    QList<Column> columns; // grids
    QList<Field> fields;   // field rows
    QStringList captions;  // choices
};

struct Clause {
    QString key;
    QString label;
    QString caption;
    bool mandatory = false;
    QString option;      // "Opt9b"
    QString optionNA;    // caption of the third choice, empty when there is none
    QString na;          // "NA9a"
    QString annex;       // "Annex9a"
    bool remarks = true; // the clause takes a printed remark
    // How the option's answer is stored ("spelling": "TrueFalse" for the few pages that
    // write it themselves).
    Vocabulary::Spelling spelling = Vocabulary::Spelling::YesNo;
    QList<Control> controls;

    // "9b" for the option "Opt9b": the suffix of the option button names.
    QString optionSuffix() const { return option.mid(3); }
    QString remarkPoint() const { return QStringLiteral("R") + key; }
};

struct Page {
    int number = 0;
    QString title;
    QList<Clause> clauses;
};

struct CodeEntry {
    QString code;
    QString text;
    QStringList aliases;
    QString rate;             // depreciation blocks
    QString method;           // depreciation blocks
    QStringList earlierCodes; // the same entry's codes in the department's earlier layouts
};

struct ListSource {
    QStringList items;
    QString query;
    QStringList binds; // "@column" stands for the cell named by the column's dependsOn
    bool editable = false;
};

struct JsonMember {
    QString name;
    MemberKind as = MemberKind::Stored; // text, amount, number, date, yesNo, code ... (README)
    int column = 0;
    QString columnKey; // "col" given as a grid column's key; resolved into column at load
    bool isConst = false;
    QString constValue;
    QString table;
    QString unmatched; // "stored" or empty
    QString point;     // overrides the part's point
    int page = 0;      // overrides the part's page
    bool hasDefault = false;
    QString defaultValue;
    bool optional = false;               // the department leaves it out when it is blank
    QList<int> columns;                  // "name": first, middle, last
    QStringList columnKeys;              // "cols" given as column keys; resolved into columns at load
    QStringList names;                   // "name": member names of the three columns
    QHash<QString, int> address;         // line1, line2, country, pin, postOffice, locality, city, state
    QHash<QString, QString> addressKeys; // "address" given as column keys; resolved at load
    QList<JsonMember> members;           // "table", "object"
    QString element;                     // "csvList"
    QString csvHeader;                   // "csvList"
    QList<JsonMember> fields;            // "csvList"
};

struct JsonPart {
    int page = 0;
    QString point;
    QString gateOption;
    QString gateNA;
    bool always = false;
    QList<JsonMember> members;
};

struct JsonBlock {
    int writer = 0;
    int readStep = 0; // the step of the import that reads the block
    QString clause;
    QString member;
    BlockShape shape = BlockShape::Object;
    QString element;
    QString csvHeader;
    QStringList key; // "arrayWithKey": the members written inside `element`
    QString within;  // the block whose object holds this one, when not the form key
    QList<JsonPart> parts;
};

struct PointRef {
    int page = 0;
    QString point;
};

// The parts of a catalogue file that every form's catalogue spells alike.
Column columnOf(const QJsonObject &column);
Clause clauseFrom(const QJsonObject &clause);
ListSource listSourceOf(const QJsonObject &list);

} // namespace Catalogue

class JsonSections;

class ClauseCatalogue
{
public:
    ClauseCatalogue();
    ~ClauseCatalogue();

    // The catalogue of the installation (ExePath/catalogue/form3cd.json), loaded on first use.
    // Its pages, code tables and lists and its e-filing blocks are parsed and built when first
    // asked for: the editor opens on the report page, which needs none of them.
    static const ClauseCatalogue &instance();
    // Reads a catalogue file whole; throws std::runtime_error with the reason when it cannot.
    static std::unique_ptr<ClauseCatalogue> load(const QString &path);
    static QString defaultPath();

    const QList<Catalogue::Page> &pages() const;
    const Catalogue::Page *page(int number) const;
    const QList<Catalogue::JsonBlock> &jsonBlocks() const;
    // The "Declaration" block of the report of a form code ("3CA", "3CB"), or null.
    const Catalogue::JsonBlock *declaration(const QString &formCode) const;

    // The clause and control that hold a point of a page (a data point, "Opt…" or "NA…").
    const Catalogue::Clause *clauseOf(int page, const QString &point) const;
    const Catalogue::Control *controlOf(int page, const QString &point) const;
    // The place (from 0) of the column of a grid, or of the assessee row, that carries the
    // key; -1 when there is none.
    int columnIndex(int page, const QString &point, const QString &key) const;
    // The assessee row of the report pages ("@declaration"): its column keys in stored order.
    const QStringList &assesseeColumns() const { return m_assesseeColumns; }
    // Where the report of a form code ("3CA", "3CB") keeps the assessee row.
    Catalogue::PointRef assesseePlace(const QString &formCode) const
    {
        return resolve(m_assesseePoint, 0, formCode);
    }

    bool hasCodeTable(const QString &name) const;
    QList<Catalogue::CodeEntry> codeTable(const QString &name) const;
    // The code of a stored text (its text or an alias, compared exactly); otherwise the
    // stored text when unmatched is "stored", else "".
    QString codeOf(const QString &table, const QString &stored, const QString &unmatched = {}) const;
    // The entry whose text or alias equals the stored text, or null.
    const Catalogue::CodeEntry *entryOf(const QString &table, const QString &stored) const;

    // A drop-down source: a code table's texts, or a named list.
    Catalogue::ListSource listSource(const QString &name) const;

    // "@declaration" / "@other" for the form code ("3CA", "3CB"); a plain point is returned as is.
    Catalogue::PointRef resolve(const QString &point, int page, const QString &formCode) const;

private:
    // The file's small parts; the others wait unparsed until first asked for.
    static std::unique_ptr<ClauseCatalogue> read(const QString &path);
    void buildLists() const;
    void buildPages() const;
    void buildBlocks() const;
    void resolveColumnKeys(Catalogue::JsonBlock &block) const;
    void resolveColumnKeys(Catalogue::JsonMember &member, int page, const QString &point,
                           const QString &block) const;

    std::unique_ptr<const JsonSections> m_file;
    mutable std::once_flag m_listsBuilt;
    mutable std::once_flag m_pagesBuilt;
    mutable std::once_flag m_blocksBuilt;
    mutable QList<Catalogue::Page> m_pages;
    mutable QHash<QString, QList<Catalogue::CodeEntry>> m_codeTables;
    mutable QHash<QString, Catalogue::ListSource> m_lists;
    QHash<QString, QHash<QString, Catalogue::PointRef>> m_aliases;
    mutable QList<Catalogue::JsonBlock> m_blocks;
    mutable QHash<QString, Catalogue::JsonBlock> m_declarations;
    QString m_assesseePoint;
    QStringList m_assesseeColumns;
};
