#pragma once

#include "DbError.h"
#include "ReportKey.h"

#include <QList>
#include <QMap>
#include <QString>
#include <optional>

class Database;

// Every operation that replaces a report's rows at once (an import, a carry forward, Clear,
// Fill Default, a restore) writes inside one of these instead of a bare transaction. When
// the report holds rows, it copies them into a new snapshot first; at commit() it asks once,
// naming the client, the year and each page with its rows now and after, and a No rolls the
// change and the snapshot back together. A change made inside another one is part of it and
// asks nothing itself.
class ReportChange
{
public:
    // `what` names the operation in the question and in the list of snapshots. An operation
    // that changes only some pages names them: only their rows are kept, and a restore puts
    // back only those pages.
    ReportChange(const ReportKey &key, const QString &what, const QList<int> &pages = {});
    ~ReportChange();
    ReportChange(const ReportChange &) = delete;
    ReportChange &operator=(const ReportChange &) = delete;

    // Commits the change, or throws ChangeDeclined (leaving the report as it was) when the
    // accountant answers No.
    void commit();

    // Rows of one page before and after, for the question.
    struct PageCount {
        int page = 0;
        int now = 0;
        int after = 0;
    };
    // The question asked before the change is kept.
    static QString question(const ReportKey &key, const QString &what, const QList<PageCount> &pages,
                            bool onlyChangedPages = false);
    static const QString QuestionTitle;

private:
    ReportKey m_key;
    QString m_what;
    bool m_outermost = false;
    bool m_done = false;
    QList<int> m_pages;      // the pages kept; none: the whole report
    QMap<int, int> m_before; // rows a page
};

// The accountant answered No to the question of a ReportChange; nothing was changed.
class ChangeDeclined : public DbError
{
public:
    ChangeDeclined() : DbError(QStringLiteral("Nothing was changed; the report is as it was.")) {}
};

// The copies of a report that ReportChange keeps, listed and put back.
namespace ReportSnapshots
{

// Creates the two tables that hold the snapshots when they are missing.
void ensureTables(Database &db);

struct Snapshot {
    int id = 0;
    QString client;
    QString yearKey;
    QString formCode; // "3CA", "3CB" or "3CEB": the report's form when it was kept
    QString taken;    // "07/12/2026 04:12:09"
    QString what;     // the operation that followed it
    int rows = 0;
    QList<int> pages; // the pages kept; none: the whole report
    // "5  07/12/2026 04:12:09  before Import JSON  (Form 3CA-3CD, 212 rows)", as listed;
    // "(Form 3CA-3CD, pages 3, 5: 40 rows)" when it kept some pages.
    QString text() const;
};

// The snapshots of a client's reports of a year, newest first.
QList<Snapshot> list(const QString &client, const QString &yearKey);
// The snapshot of that number, when it belongs to the client and year.
std::optional<Snapshot> find(const QString &client, const QString &yearKey, int id);
// The report the snapshot was taken of.
ReportKey keyOf(const Snapshot &snapshot);
// Puts the snapshot's rows in place of the report's, as a change of its own: it asks, and
// keeps a snapshot of the rows it replaces, so a restore can be undone in turn.
void restore(const Snapshot &snapshot);

} // namespace ReportSnapshots
