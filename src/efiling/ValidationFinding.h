#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One fault that a schema check found in an e-filing file, as the validator component
// reports it: fields separated by "$#$", findings by "#;#", "#OK#" for a clean file and
// a text holding "#ERROR#" when the check itself failed.
struct ValidationFinding {
    QString errorNo; // the kind of fault (ErrorKind)
    int line = 0;
    int column = 0;
    QString root;    // where the member sits: "FORM3CA.F3CA.PartA"
    QString head;    // the block of the form the member belongs to ("PartA", "Form3cdCapAsstSit")
    QString member;  // the member's name
    QString value;   // its value as written, "null" for a null
    QString message; // where the value is entered and what is wrong with it, in words
    QString pointer; // JSON pointer of the member, for showing it in the file
    QString detail;  // the schema's rule as a validator words it ("Expected Number but got String")

    static const QString ok;
    static const QString error;
    static const QString findingSeparator;
    static const QString fieldSeparator;

    // "Root.Member" of a finding of an XML file, to show before its message; "" for a finding
    // of a JSON file, whose message names the place of its value.
    QString path() const;

    QString toText() const;
    static ValidationFinding fromText(const QString &text);

    // "#OK#" for none, else the findings joined.
    static QString join(const QList<ValidationFinding> &findings);
    // The findings of a result text; none for "#OK#" (test for "#ERROR#" first).
    static QList<ValidationFinding> split(const QString &result);
    static bool isFailure(const QString &result) { return result.contains(error); }
};

// Error numbers of the findings.
namespace ErrorKind
{
inline const QString Syntax = QStringLiteral("0");
inline const QString Type = QStringLiteral("1");
inline const QString Required = QStringLiteral("2");
inline const QString Unknown = QStringLiteral("3");
inline const QString Pattern = QStringLiteral("4");
inline const QString Enum = QStringLiteral("5");
inline const QString Minimum = QStringLiteral("6");
inline const QString Maximum = QStringLiteral("7");
inline const QString Length = QStringLiteral("8");
inline const QString Items = QStringLiteral("9");
inline const QString Other = QStringLiteral("99");
} // namespace ErrorKind
