#include "catalogue/JsonSections.h"
#include "ChangedCatalogue.h"
#include "catalogue/ClauseCatalogue.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

QString written(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath(QStringLiteral("sections.json"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

std::string refusal(const QString &path)
{
    try {
        JsonSections sections(path, "clause catalogue");
        sections.object(QStringLiteral("b"));
        return {};
    } catch (const std::runtime_error &e) {
        return e.what();
    }
}

} // namespace

// Texts holding brackets, commas and quotes do not end a member early; numbers, words and
// nested arrays end where their member does.
TEST(JsonSections, EachMemberIsFoundWhereItEnds)
{
    QTemporaryDir dir;
    const JsonSections sections(written(dir, R"( { "n": 12, "a": {"t": "x}, ]\" {"}, "w": true,
                         "b": [[1, {"c": "]"}], "\\"], "e": {} } )"),
                                "clause catalogue");
    EXPECT_EQ(sections.object("a").value("t").toString(), "x}, ]\" {");
    EXPECT_EQ(sections.array("b").at(0).toArray().at(1).toObject().value("c").toString(), "]");
    EXPECT_EQ(sections.array("b").at(1).toString(), "\\");
    EXPECT_TRUE(sections.object("e").isEmpty());
    EXPECT_TRUE(sections.contains("w"));
    EXPECT_FALSE(sections.contains("z"));
    EXPECT_TRUE(sections.object("z").isEmpty());
}

// A file that is no JSON is refused as it is read; a member that is no JSON when it is
// first asked for, naming the member.
TEST(JsonSections, ABrokenFileOrMemberIsRefused)
{
    QTemporaryDir dir;
    EXPECT_NE(refusal(written(dir, R"({"a": [1, 2})")).find("is not valid JSON"), std::string::npos);
    const std::string member = refusal(written(dir, R"({"a": 1, "b": {"c" 2}})"));
    EXPECT_NE(member.find("is not valid JSON in b"), std::string::npos) << member;
    EXPECT_NE(refusal(dir.filePath("none.json")).find("cannot read"), std::string::npos);
}

// The catalogue's parts are parsed when first asked for, but a catalogue file is still refused
// whole when loaded: a page that is no JSON stops it.
TEST(JsonSections, ACatalogueBrokenInItsPagesDoesNotLoad)
{
    const std::string reason =
        loadedWith<ClauseCatalogue>(ClauseCatalogue::defaultPath(), R"("clauses": [)", R"("clauses": [,)");
    EXPECT_NE(reason.find("is not valid JSON in pages"), std::string::npos) << reason;
}
