#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTextDocument>
#include <QTextFormat>
#include <memory>
#include <vector>

class QTextTable;

// A master file of the report engine's template mode: a rich-text template (Qt's HTML,
// which LibreOffice Writer opens and saves) whose markers are replaced by a client's
// values and whose tables are filled row by row, then saved for the report to append.
// Tables are numbered 1, 2, ... in document order, nested ones after their parent's
// start; rows and columns of a table are numbered from 1.
class MasterFile
{
public:
    MasterFile();
    ~MasterFile();

    // Loads a template; false when it cannot be read.
    bool openmasterfile(const QString &path);
    // A template file's text; ok false when it cannot be read.
    static QString readTemplate(const QString &path, bool *ok);
    // Replaces the first occurrence of the marker that is left, so that a marker standing
    // n times is set by n calls in document order; false when none is left. The text may
    // carry the bold codes (ESC "E", ESC "F") and CR LF line breaks. The text goes into the
    // document before anything else reads or edits it.
    bool NewSetText(const QString &marker, const QString &text);
    // The table holding the marker as a whole word (0 when none), from table `fromTable` on;
    // `row` and `column` receive the cell that holds it.
    int FindTextInTable(const QString &marker, int *row = nullptr, int *column = nullptr, int fromTable = 1);
    // The table the following table edits work on.
    int CurrentTbId = 0;
    int tbcols() const;
    int tbrows() const;
    QString TextMatrix(int row, int column) const;
    void setTextMatrix(int row, int column, const QString &text);
    // Inserts `count` empty rows before row `position` (tbrows() + 1 appends).
    void insertrows(int count, int position);
    void DeleteRow(int row);
    // Adds `count` columns at the right of the table; cells that reached its right edge
    // still do.
    void insertcols(int count);
    // Ends the current table before row `row` (from 2 on): that row and the rows after it go
    // into a table of their own just after it, in the same format. Returns that table's number,
    // 0 when there is no such row; the tables after it are numbered one more. Not between
    // beginTableEdits and endTableEdits.
    int splitTable(int row);
    // Adds a table of `rows` empty rows just after the current one, in its format and with the
    // cells of its last row, and makes it the current table; its first `headingRows` rows stand
    // again at the top of every page it runs onto. A long grid goes into a run of such tables:
    // one table of thousands of rows is laid out whole each time the layout reaches it.
    void appendTable(int rows, int headingRows);
    // The first column keeps its width, the others share the rest in proportion to the weights.
    void shareColumns(const QList<double> &weights);
    // The size in points of the text written into cells from now on (0: the template's).
    double cellFontSize = 0;
    // Rules the edges of one cell: `edges` holds '1' or '0' for left, right, top and bottom.
    void CellBorder(int row, int column, const QString &edges, double width = 0.6);
    // Joins `count` cells of a row, from `column` on, into one.
    void MergeCells(int row, int column, int count);
    // The table edits between these reach the document as one edit: Qt looks over all the
    // document's frames again at the end of each edit that joins cells, so joining cells row
    // by row in a table of thousands of rows cost their square.
    void beginTableEdits();
    void endTableEdits();
    // Writes the filled master file as rich text.
    bool SaveMasterFile(const QString &path) const;

    const QTextDocument &document() const
    {
        settle();
        return *m_document;
    }
    // The number of tables in the file.
    int tableCount() const;

private:
    // A "$#$Name$#$" marker's places in the document, in document order, and how many of
    // them have been taken.
    struct Places {
        QList<int> starts;
        qsizetype next = 0;
    };
    // A value waiting to take a marker's place.
    struct Replacement {
        int start = 0;
        int length = 0;
        QString text;
    };

    void indexMarkers();
    bool queue(const QString &marker, const QString &text);
    bool replaceNext(const QString &marker, const QString &text);
    void settle() const;
    QTextTable *table(int id) const;
    QTextTable *current() const { return table(CurrentTbId); }
    QTextTable *editedTable();
    void forgetTable();

    std::unique_ptr<QTextDocument> m_document;
    // The table last looked up by its number: finding a table by number goes over all of the
    // document's tables, and a long grid's cells are edited thousands of times in a row.
    mutable int m_tableId = 0;
    mutable QPointer<QTextTable> m_table;
    // The table appendTable added last, and the cells of the tables it adds.
    QPointer<QTextTable> m_appended;
    QTextCharFormat m_appendedCells;
    // Markers are set without editing the document each time: Qt moves every live cursor at
    // each edit, so a cursor per marker made a template's replacements cost its markers'
    // square. The places of the "$#$Name$#$" markers are found in one pass; each value waits
    // with the place it takes, and all are written in one pass from the end of the document
    // towards its start, so that the places before each edit stay where they were.
    QHash<QString, Places> m_places;
    std::vector<bool> m_taken;
    mutable QList<Replacement> m_pending;
    mutable bool m_indexed = false;
    // Where the search for another marker goes on: just after the value set for it last, as
    // long as nothing else has edited the document since.
    mutable QString m_searched;
    int m_searchFrom = 0;
};
