#pragma once

#include <QTextDocument>

// A rich-text document that never loads what its text refers to: a template or a report is
// data, and an image, style sheet or background named in it is not read from the file
// system or fetched from the network.
class InertTextDocument : public QTextDocument
{
public:
    using QTextDocument::QTextDocument;

    // Sets the document from HTML without its images: Qt would read an image's file while
    // drawing it, whatever the document's resources say, so they print as nothing.
    void setHtmlWithoutImages(const QString &html);

protected:
    QVariant loadResource(int, const QUrl &) override { return {}; }
};
