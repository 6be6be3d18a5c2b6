#include "ImportDocument.h"

#include "DocumentRows.h"
#include "base/BoundedFile.h"
#include "efiling/FrameMembers.h"
#include "efiling/json/JsonReading.h"

#include <QFileInfo>

namespace
{

// A UTF-16 file begins with its byte-order mark, or, written without one, has every other
// byte zero in its first characters.
bool isUtf16(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    const qsizetype n = std::min<qsizetype>(bytes.size(), 64) & ~qsizetype(1);
    if (n < 4)
        return false;
    int evenZeros = 0;
    int oddZeros = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        evenZeros += bytes.at(i) == 0;
        oddZeros += bytes.at(i + 1) == 0;
    }
    return evenZeros == n / 2 || oddZeros == n / 2;
}

} // namespace

const JsonValue &ImportDocument::formKey() const
{
    static const JsonValue none;
    return m_formKey ? *m_formKey : none;
}

ReadContext &ImportDocument::context() const
{
    return rows->context(form == FormKind::F3CB ? QStringLiteral("3CB") : QStringLiteral("3CA"));
}

QString ImportDocument::pan() const
{
    const JsonValue &formKey = this->formKey();
    const QString declared = formKey.Item(FrameMembers::Declaration)
                                 .Item(QStringLiteral("Point1"))
                                 .Item(QStringLiteral("PAN"))
                                 .text();
    return declared.isEmpty() ? formKey.Item(QStringLiteral("PartA")).Item(QStringLiteral("PAN")).text()
                              : declared;
}

QStringList ImportDocument::assesseePans() const
{
    const JsonValue &formKey = this->formKey();
    return {formKey.Item(FrameMembers::Declaration)
                .Item(QStringLiteral("Point1"))
                .Item(QStringLiteral("PAN"))
                .text(),
            formKey.Item(QStringLiteral("PartA")).Item(QStringLiteral("PAN")).text()};
}

QString ImportDocument::assessmentYear() const
{
    return formKey().Item(FrameMembers::FormDetails).Item(FrameMembers::AssessmentYear).text();
}

ImportDocument ImportDocument::read(const QString &path)
{
    return read(path, true);
}

ImportDocument ImportDocument::readHeader(const QString &path)
{
    return read(path, false);
}

ImportDocument ImportDocument::read(const QString &path, bool withRows)
{
    ImportDocument doc;
    const QFileInfo info(path);
    if (info.isDir()) {
        doc.status = Status::Folder;
        doc.failure = QStringLiteral("[%1] is a folder, not a JSON file.").arg(path);
        return doc;
    }
    if (!info.exists()) {
        doc.status = Status::Missing;
        doc.failure = QStringLiteral("The file [%1] does not exist.").arg(path);
        return doc;
    }
    std::optional<QByteArray> read = BoundedFile::read(path, BoundedFile::kMaxJsonBytes, &doc.failure);
    if (!read) {
        doc.status = Status::Unreadable;
        return doc;
    }
    QByteArray bytes = std::move(*read);
    read.reset();
    if (bytes.trimmed().isEmpty()) {
        doc.status = Status::Empty;
        doc.failure = QStringLiteral("The file [%1] is empty.").arg(path);
        return doc;
    }
    if (isUtf16(bytes)) {
        doc.status = Status::Utf16;
        doc.failure =
            QStringLiteral("The file [%1] is saved as UTF-16 text. Save it as UTF-8 and import it again.")
                .arg(path);
        return doc;
    }
    doc.rows = std::make_shared<DocumentRows>(withRows);
    JsonReading::Result parsed = JsonReading::read(bytes, doc.rows.get());
    doc.failure = QStringLiteral("Invalid JSON File");
    if (!parsed.readable())
        return doc;
    QStringList formKeyPath;
    const JsonValue *root = &*parsed.root;
    if (!root->Keys().isEmpty() && root->Keys().first() == QLatin1String("metadata")) {
        root = &root->Item(QStringLiteral("data"));
        formKeyPath << QStringLiteral("data");
    }
    const QString rootKey = root->Keys().isEmpty() ? QString() : root->Keys().first();
    if (rootKey != QLatin1String("FORM3CA") && rootKey != QLatin1String("FORM3CB")) {
        doc.status = Status::NotForm3CD;
        return doc;
    }
    doc.form = rootKey == QLatin1String("FORM3CA") ? FormKind::F3CA : FormKind::F3CB;
    formKeyPath << rootKey << (doc.form == FormKind::F3CA ? QStringLiteral("F3CA") : QStringLiteral("F3CB"));
    // Tables taken from another object than the form key (a document holding two forms)
    // are not this report's: the file is read again with every table in the document.
    if (withRows && !doc.rows->formKeyPath().isEmpty() && doc.rows->formKeyPath() != formKeyPath) {
        doc.rows = std::make_shared<DocumentRows>();
        parsed = JsonReading::read(bytes);
    }
    bytes = QByteArray();
    doc.document = std::make_shared<const JsonValue>(std::move(*parsed.root));
    parsed.root.reset();
    const JsonValue *node = doc.document.get();
    for (const QString &key : std::as_const(formKeyPath))
        node = &node->Item(key);
    const JsonValue &formKey = *node;
    doc.status = formKey.isObject() ? Status::Ok : Status::Invalid;
    if (doc.status == Status::Ok) {
        doc.m_formKey = &formKey;
        doc.failure.clear();
    }
    return doc;
}
