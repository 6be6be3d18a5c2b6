#pragma once

#include "AnnexureLayout.h"

#include <optional>

// What the annexure window edits: the clause grid's columns and the user's own, and the
// rows. Column types are the window's codes: 1 Character, 2 Date, 3 Number, 4 Amount,
// 5 Tick (_/), 6 List; alignments 1 Left, 2 Right, 3 Centre.
struct AnnexureSheetColumn {
    QString heading;
    int type = 1;
    int alignment = 1;
    QStringList items; // a List column's entries
    bool userDefined = false;
    QString check; // "pan", "aadhaar"
    int width = 0;
    bool hidden = false;
};

struct AnnexureSheet {
    QList<AnnexureSheetColumn> columns;
    QList<QStringList> rows;

    // The grid's columns, typed by the type list ("2,1,1,4,4,1"; a missing code keeps the
    // catalogue's kind), and its rows.
    static AnnexureSheet ofGrid(const QList<Catalogue::Column> &columns, const QString &typeList,
                                const QList<QStringList> &rows);
    static int typeOf(Catalogue::Kind kind);
    static Catalogue::Kind kindOf(int type);

    // A typed cell as the column keeps it ("###0.00", "###0", dates "DD/MM/YYYY").
    QString format(int column, const QString &typed) const;
    // Why the column refuses the cell's text, empty when it takes it.
    QString refusal(int column, const QString &text) const;
    // "Column " and the next free number.
    QString newColumnHeading() const;

    // The rows cut to the grid's own columns.
    QList<QStringList> gridRows() const;
    AnnexureLayout layout() const;
};

// The annexure file of a clause: the window's rows and user columns, kept in the client's
// annexure folder under the clause identifier, restored unchanged.
namespace AnnexureFile
{

QString pathOf(const QString &folder, const QString &clause);
std::optional<AnnexureSheet> read(const QString &path);
// Replaces the file; a sheet without rows removes it.
bool write(const QString &path, const AnnexureSheet &sheet);

} // namespace AnnexureFile
