#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <utility>

// A catalogue file's top-level object with each member's value kept as text, parsed when it
// is first asked for: the editor's first page needs a few small members of a large file.
// Reading finds where the members lie in one pass over the text; a file that is not a JSON
// object throws std::runtime_error as readJsonObject does, and a member that is not valid
// JSON throws when it is parsed.
class JsonSections
{
public:
    JsonSections(const QString &path, const char *what);

    bool contains(const QString &name) const;
    // The member's value; empty when the file has no such member.
    QJsonObject object(const QString &name) const;
    QJsonArray array(const QString &name) const;

private:
    QJsonValue parse(const QString &name) const;
    bool locate();

    QString m_path;
    const char *m_what;
    QByteArray m_text;
    QHash<QString, std::pair<qsizetype, qsizetype>> m_members;
    // The whole file, parsed when its members could not be told apart in one pass.
    QJsonObject m_whole;
    bool m_parsedWhole = false;
};
