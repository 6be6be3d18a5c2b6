#pragma once

#include <QList>
#include <QString>

// What kind of fault a schema check found. The numbers are those the error report shows in
// its "Error No." column.
enum class ErrorKind {
    Syntax = 0,   // the file is no JSON the portal reads
    Type = 1,     // a value of another type than the schema's "type"
    Required = 2, // members the schema's "required" asks for are missing
    Unknown = 3,  // a member the schema does not define ("additionalProperties": false)
    Pattern = 4,  // a text that does not match the "pattern"
    Enum = 5,     // a value not in the "enum" list
    Minimum = 6,  // a number below the "minimum"
    Maximum = 7,  // a number above the "maximum"
    Length = 8,   // a text shorter or longer than "minLength"/"maxLength"
    Items = 9,    // a list with fewer or more entries than "minItems"/"maxItems"
    Other = 99,   // any other rule of the schema
    Xml = 100     // a fault the XML Schema check reports under its own number (`code`)
};

// One fault that a schema check found in an e-filing file, with its place in the file and
// its words, as the error report, `taxaudit validate` and the report's findings take it.
struct ValidationFinding {
    ErrorKind kind = ErrorKind::Other;
    int code = 0; // the XML parser's own error number, for kind Xml
    int line = 0;
    int column = 0;
    QString root;    // where the member sits: "FORM3CA.F3CA.PartA"
    QString head;    // the block of the form the member belongs to ("PartA", "Form3cdCapAsstSit")
    QString member;  // the member's name
    QString value;   // its value as written, "null" for a null
    QString message; // where the value is entered and what is wrong with it, in words
    QString pointer; // JSON pointer of the member, for showing it in the file
    QString detail;  // the schema's rule as a validator words it ("Expected Number but got String")
    // What the rule asked and what the file has, where the kind has them: the types allowed
    // and the type found ("Number", "String") for Type, the limit for Minimum and Maximum.
    QString expected;
    QString found;

    // The number of the "Error No." column.
    QString errorNo() const;

    // "Root.Member" of a finding of an XML file, to show before its message; "" for a finding
    // of a JSON file, whose message names the place of its value.
    QString path() const;
};

// What a check of one JSON file gives: its findings, or why the check could not run.
struct SchemaCheckResult {
    QList<ValidationFinding> findings;
    QString failure; // the file or the schema could not be read or used; "" when checked

    bool failed() const { return !failure.isEmpty(); }
};
