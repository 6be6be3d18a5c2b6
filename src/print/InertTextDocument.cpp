#include "InertTextDocument.h"

#include <QList>
#include <QTextBlock>
#include <QTextCursor>

void InertTextDocument::setHtmlWithoutImages(const QString &html)
{
    setHtml(html);
    QList<int> images;
    for (QTextBlock block = begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isImageFormat()) {
                for (int i = 0; i < fragment.length(); ++i)
                    images << fragment.position() + i;
            }
        }
    }
    // From the end, so that each position still holds its image.
    QTextCursor cursor(this);
    for (auto at = images.crbegin(); at != images.crend(); ++at) {
        cursor.setPosition(*at);
        cursor.setPosition(*at + 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}
