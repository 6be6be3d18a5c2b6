#pragma once

#include "ClauseCatalogue.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

// The catalogue of Form 3CEB (data/catalogue/form3ceb.json, described in its README): the
// twelve pages, the column layout of every transaction type with the XML element each
// column holds, and the parts of the e-filing XML read from page rows. The XML writer and
// reader both walk it, so a column is placed the same way in both directions.
namespace Catalogue
{

struct XmlElement {
    QString name;
    int page = 0; // 0: the page of the enclosing part
    QString point;
    int col = 0;
    // Stored as it stands, Code (the second character of a list entry), Date, YesNo, HasBeen.
    MemberKind as = MemberKind::Stored;
    QString list;            // the list an entry is looked up in ("code")
    bool optional = false;   // left out when empty
    bool inUniqueId = false; // written inside the group's UniqueId
    bool isConst = false;
    QString constValue;
};

struct XmlPart {
    QString element;
    int page = 0;
    QString point;
    int col = 0; // a part of single values (the section codes)
    QList<XmlElement> children;
};

struct TransactionType {
    QString type; // "01"
    int page = 0;
    QString point;
    QString flag; // "" for a list read whatever the answers
    QList<Column> columns;
    QList<XmlElement> elements; // in written order, AmountType first
    // The enterprise's identification type (1-based column; its number follows), kept in
    // the rows but not in the XML; 0 for the domestic lists that carry none.
    int identityColumn = 0;
};

// The columns a Yes clause's rows must fill, from first to last (1-based, both included).
struct CheckColumns {
    int first = 0;
    int last = 0;
};

struct FlagElement {
    QString element;
    QString point;
    QStringList older; // names earlier files gave the flag
};

} // namespace Catalogue

class Form3cebCatalogue
{
public:
    static const Form3cebCatalogue &instance();
    // Reads a catalogue file; throws std::runtime_error with the reason when it cannot.
    static std::unique_ptr<Form3cebCatalogue> load(const QString &path);
    static QString defaultPath();

    // The column (Col1 onwards) in which every grid row keeps its serial number; the XML
    // lists and the printed annexure are ordered by it as a number.
    int serialColumn() const { return m_serialColumn; }

    const QList<Catalogue::TransactionType> &transactionTypes() const { return m_types; }
    const Catalogue::TransactionType *transactionType(const QString &type) const;
    const Catalogue::TransactionType *transactionTypeAt(int page, const QString &point) const;

    const QList<Catalogue::XmlPart> &declaration() const { return m_declaration; }
    const Catalogue::XmlPart &annexure() const { return m_annexure; }
    const Catalogue::XmlPart &sections() const { return m_sections; }
    const Catalogue::XmlPart &otherInformation() const { return m_otherInformation; }
    const Catalogue::XmlPart &enterprises() const { return m_enterprises; }
    const QList<Catalogue::FlagElement> &flags() const { return m_flags; }

    QString formNamespace() const { return m_formNamespace; }
    QString commonNamespace() const { return m_commonNamespace; }
    QString schemaFile() const { return m_schemaFile; }
    QString formName() const { return m_formName; }

    Catalogue::ListSource listSource(const QString &name) const { return m_lists.value(name); }
    const QList<Catalogue::Page> &pages() const { return m_pages; }
    const Catalogue::Page *page(int number) const;
    // The message for a Yes/No question left unanswered ("Select either Yes or No in clause 22A").
    QString unansweredMessage(const QString &option) const { return m_unanswered.value(option); }
    // The columns the completeness check asks of a Yes clause's rows; first 0: none.
    Catalogue::CheckColumns checkColumns(const QString &clause) const { return m_checkColumns.value(clause); }
    // The identification type ("OTHERS", in any letter case) whose rows may leave the number empty.
    QString identityException() const { return m_identityException; }
    // Whether a page offers to import its grids' rows from a workbook.
    bool importsRows(int page) const { return m_importPages.contains(page); }
    // A field of the pages as a grid column of its kind: the list it is chosen from and the
    // check its typed value passes, where the catalogue gives them.
    Catalogue::Column fieldColumn(const Catalogue::Field &field) const;

private:
    // Throws std::runtime_error when a grid's columns reach the serial column.
    void checkSerialColumn(int column);

    int m_serialColumn = 0;
    QList<Catalogue::TransactionType> m_types;
    QList<Catalogue::XmlPart> m_declaration;
    Catalogue::XmlPart m_annexure, m_sections, m_otherInformation, m_enterprises;
    QList<Catalogue::FlagElement> m_flags;
    QString m_formNamespace, m_commonNamespace, m_schemaFile, m_formName;
    QHash<QString, Catalogue::ListSource> m_lists;
    QList<Catalogue::Page> m_pages;
    QHash<QString, QString> m_unanswered;
    QHash<QString, Catalogue::CheckColumns> m_checkColumns;
    QString m_identityException;
    QSet<int> m_importPages;
    QHash<QString, Catalogue::Column> m_fieldColumns; // the lists and checks of fields, by name
};
