#pragma once

#include "store/ModuleState.h"

#include <QHash>
#include <QStringList>
#include <memory>

class DocumentRows;
class ReportModel;
struct ImportDocument;
struct ImportTarget;

// A Form 3CA-3CD or Form 3CB-3CD e-filing file read back into a report, with no dialog:
// the steps of the import in their order (the declaration, Part A, then the clauses) turn
// the file into rows, which then replace the report's rows in one transaction.
namespace ReportImport
{

// What the user should know after an import: the earlier layout of the department's the file
// uses, members of the file that the report has no place for ("Form3cdPl/Remarks"), and the clauses whose
// Yes/No question the file leaves unanswered and no block of the file answers.
struct Notes {
    QString layout; // the department's earlier layout the file uses, when it does
    QStringList unknownMembers;
    QStringList unansweredClauses;

    // The one notice that says both; "" when there is nothing to say.
    QString text() const;
};

// A file's rows read whole and its parsed document let go: what an import of the file
// writes. Its rows are packed, about the size of the file's text.
struct ReadFile {
    FormKind form = FormKind::None;
    std::shared_ptr<DocumentRows> rows;
    Notes notes;
};

// Reads the rest of a document (status Ok) into its rows and lets the parsed document go.
ReadFile readAll(ImportDocument document);

// Replaces the report's rows (not its remarks) by those of the file; throws DbError, and
// then the report is as it was. The parsed document is let go as soon as its rows are
// read, and the rows are moved on rather than copied: a large file is never held twice.
Notes replace(const ImportTarget &target, ImportDocument document);
Notes replace(const ImportTarget &target, const ReadFile &file);

// While one lives, the import of one of its files takes the file as it was read before
// (when a bulk import listed it) instead of reading it again.
class FilesRead
{
public:
    explicit FilesRead(QHash<QString, std::shared_ptr<const ReadFile>> byPath);
    ~FilesRead();
    FilesRead(const FilesRead &) = delete;
    FilesRead &operator=(const FilesRead &) = delete;

    // The file read before from the path, taken out so that its rows go once it is
    // imported; null when there is none.
    static std::shared_ptr<const ReadFile> take(const QString &path);

private:
    QHash<QString, std::shared_ptr<const ReadFile>> m_byPath;
    FilesRead *m_outer;
};

// The report the file gives, made whole by the rules; nothing is stored. What the user
// should know of the file goes into notes when given.
std::unique_ptr<ReportModel> reportOf(const ImportTarget &target, const ImportDocument &document,
                                      Notes *notes = nullptr);

} // namespace ReportImport
