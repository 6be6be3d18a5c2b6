#include "FiledLayout.h"

#include "FrameMembers.h"
#include "JsonPositions.h"
#include "catalogue/ClauseCatalogue.h"
#include "efiling/json/JsonValue.h"
#include "store/ReportKey.h"

namespace
{

QString step(const QString &name)
{
    return u'/' + QString::fromStdString(JsonPositions::pointerStep(name.toStdString()));
}

QString index(qsizetype i)
{
    return u'/' + QString::number(i);
}

} // namespace

class FiledLayout::Reader
{
public:
    explicit Reader(FiledLayout &layout) : m_layout(layout) {}

    void read(const JsonValue &formKey, const QString &at)
    {
        const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
        for (const QString &code : {QStringLiteral("3CA"), QStringLiteral("3CB")}) {
            const Catalogue::JsonBlock *declaration = catalogue.declaration(code);
            const QString member = declaration ? declaration->member : QString();
            if (declaration && formKey.Exists(member))
                objectMembers(declaration->parts.first().members, formKey.Item(member), at + step(member),
                              member);
        }
        for (const Catalogue::JsonBlock &block : catalogue.jsonBlocks())
            readBlock(block, formKey, at);
    }

private:
    void place(const QString &what)
    {
        if (!m_layout.m_places.contains(what))
            m_layout.m_places << what;
    }

    // Members of a nested object that stand one level up, beside it.
    void objectMembers(const QList<Catalogue::JsonMember> &members, const JsonValue &object,
                       const QString &at, const QString &name)
    {
        for (const Catalogue::JsonMember &m : members) {
            if (m.as != Catalogue::MemberKind::Object || !object.Exists(m.name))
                continue;
            const JsonValue &inner = object.Item(m.name);
            for (const Catalogue::JsonMember &innerMember : m.members) {
                if (object.Exists(innerMember.name) && !inner.Exists(innerMember.name)) {
                    m_layout.m_standsElsewhere << at + step(innerMember.name);
                    m_layout.m_missing << at + step(m.name) + u'|' + innerMember.name;
                    place(QStringLiteral("%1 stands beside %2 in %3").arg(innerMember.name, m.name, name));
                }
            }
            objectMembers(m.members, inner, at + step(m.name), name + u'/' + m.name);
        }
    }

    void readBlock(const Catalogue::JsonBlock &block, const JsonValue &formKey, const QString &at)
    {
        if (!block.within.isEmpty() || (!formKey.Exists(block.member) && !formKey.Exists(block.element)))
            return;
        const QString blockAt = at + step(block.member);
        if (block.shape == Catalogue::BlockShape::Csv && formKey.Exists(block.element)) {
            m_layout.m_standsElsewhere << at + step(block.element);
            m_layout.m_missing << blockAt + u'|' + block.element;
            place(QStringLiteral("%1 stands beside %2").arg(block.element, block.member));
            elements(block, formKey.Item(block.element), at + step(block.element));
        }
        const JsonValue &value = formKey.Item(block.member);
        if (block.shape == Catalogue::BlockShape::Csv ||
            block.shape == Catalogue::BlockShape::ObjectWithArray)
            elements(block, value.Item(block.element), blockAt + step(block.element));
        else if (block.shape == Catalogue::BlockShape::ArrayOfWrapped)
            wrapped(block, value, blockAt);
        else if (block.shape == Catalogue::BlockShape::Array)
            elements(block, value, blockAt);
    }

    void wrapped(const Catalogue::JsonBlock &block, const JsonValue &array, const QString &at)
    {
        for (qsizetype i = 1; i <= array.Count(); ++i) {
            const JsonValue &item = array.Item(i);
            if (item.Exists(block.element))
                element(block, item.Item(block.element), at + index(i - 1) + step(block.element));
        }
    }

    void elements(const Catalogue::JsonBlock &block, const JsonValue &array, const QString &at)
    {
        for (qsizetype i = 1; i <= array.Count(); ++i)
            element(block, array.Item(i), at + index(i - 1));
    }

    // One element: its fixed members, its attachment lists and its section codes.
    void element(const Catalogue::JsonBlock &block, const JsonValue &element, const QString &at)
    {
        if (!element.isObject())
            return;
        const ClauseCatalogue &catalogue = ClauseCatalogue::instance();
        for (const Catalogue::JsonPart &part : block.parts) {
            for (const Catalogue::JsonMember &m : part.members) {
                if (m.isConst && block.parts.size() == 1 && !element.Exists(m.name)) {
                    m_layout.m_missing << at + u'|' + m.name;
                    place(QStringLiteral("%1 has no %2").arg(block.member, m.name));
                } else if (m.as == Catalogue::MemberKind::CsvList && !element.Exists(m.name) &&
                           element.Exists(m.element)) {
                    m_layout.m_standsElsewhere << at + step(m.element);
                    m_layout.m_missing << at + u'|' + m.name;
                    place(QStringLiteral("%1 holds %2 without %3").arg(block.member, m.element, m.name));
                } else if (m.as == Catalogue::MemberKind::Code && element.Exists(m.name)) {
                    const QString code = element.Item(m.name).text();
                    for (const Catalogue::CodeEntry &entry : catalogue.codeTable(m.table)) {
                        if (entry.earlierCodes.contains(code)) {
                            m_layout.m_earlierCode << at + step(m.name);
                            place(QStringLiteral("%1 writes %2 \"%3\" for \"%4\"")
                                      .arg(block.member, m.name, code, entry.code));
                        }
                    }
                }
            }
        }
    }

    FiledLayout &m_layout;
};

FiledLayout FiledLayout::of(const JsonValue &document)
{
    FiledLayout layout;
    QString at;
    const JsonValue *root = &document;
    if (!root->Keys().isEmpty() && root->Keys().first() == QLatin1String("metadata")) {
        root = &root->Item(QStringLiteral("data"));
        at = QStringLiteral("/data");
    }
    for (const QString &form : {QStringLiteral("3CA"), QStringLiteral("3CB")}) {
        const QString rootName = QStringLiteral("FORM") + form;
        const QString keyName = u'F' + form;
        const JsonValue &formKey = root->Item(rootName).Item(keyName);
        if (!formKey.isObject())
            continue;
        const JsonValue &details = formKey.Item(FrameMembers::FormDetails);
        layout.m_assessmentYear = details.Item(FrameMembers::AssessmentYear).text();
        layout.m_schemaVersion = details.Item(FrameMembers::SchemaVersion).text();
        Reader(layout).read(formKey, at + step(rootName) + step(keyName));
    }
    return layout;
}

QString FiledLayout::summary() const
{
    if (!differs())
        return {};
    bool ok = false;
    const int year = m_assessmentYear.toInt(&ok);
    QString which = ok ? QStringLiteral("the layout of AY %1").arg(ReportKey::twoYears(year))
                       : QStringLiteral("an earlier layout");
    if (!m_schemaVersion.isEmpty())
        which += QStringLiteral(" (schema %1)").arg(m_schemaVersion);
    return QStringLiteral("This file uses %1; it differs from the current one in %2 %3: %4.")
        .arg(which)
        .arg(m_places.size())
        .arg(m_places.size() == 1 ? QStringLiteral("place") : QStringLiteral("places"))
        .arg(m_places.join(QStringLiteral("; ")));
}

bool FiledLayout::explains(const ValidationFinding &finding) const
{
    if (finding.kind == ErrorKind::Unknown)
        return m_standsElsewhere.contains(finding.pointer);
    if (finding.kind == ErrorKind::Enum || finding.kind == ErrorKind::Pattern)
        return m_earlierCode.contains(finding.pointer);
    if (finding.kind != ErrorKind::Required)
        return false;
    for (const QString &name : finding.member.split(QStringLiteral(", "))) {
        if (!m_missing.contains(finding.pointer + u'|' + name))
            return false;
    }
    return true;
}
