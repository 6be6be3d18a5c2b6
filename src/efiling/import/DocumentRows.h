#pragma once

#include "ImportedRows.h"
#include "NameLookups.h"
#include "ReadContext.h"
#include "efiling/json/Json.h"

#include <QHash>
#include <QStringList>
#include <memory>

namespace Catalogue
{
struct JsonBlock;
}

// The rows of one e-filing file as it is read. While the file is parsed, every item of a
// table block's array is read into rows and let go, so a table of a hundred thousand rows
// never stands in memory as parsed JSON; the import then reads the rest of the document
// into the same rows with the same context.
class DocumentRows : public JSON::ElementSink
{
public:
    // Without rows the items are let go unread: enough to learn what the rest of the file says.
    explicit DocumentRows(bool readsRows = true);

    bool takes(const QStringList &path) override;
    void element(const QStringList &path, JsonValue element) override;

    // The path of the form key's object ("FORM3CA", "F3CA") whose tables were taken; empty
    // when none was.
    const QStringList &formKeyPath() const { return m_formKeyPath; }
    // The context of the file's form ("3CA" or "3CB"), made on first use.
    ReadContext &context(const QString &formCode);
    ImportedRows &rows() { return m_rows; }

private:
    const Catalogue::JsonBlock *blockAt(const QStringList &path);

    ImportedRows m_rows;
    NameLookups m_names;
    std::unique_ptr<ReadContext> m_context;
    bool m_readsRows;
    QHash<QString, const Catalogue::JsonBlock *> m_tables; // by path below the form key
    QStringList m_formKeyPath;
    QStringList m_lastPath;
    const Catalogue::JsonBlock *m_lastBlock = nullptr;
};
