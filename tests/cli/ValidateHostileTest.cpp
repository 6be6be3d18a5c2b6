#include "ToolRun.h"

#include <QFile>
#include <QStringConverter>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

// A listening socket on the loopback address that only notes whether anyone called.
class Listener
{
public:
    Listener()
    {
        m_fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(m_fd, reinterpret_cast<sockaddr *>(&address), size) == 0 && listen(m_fd, 4) == 0 &&
            getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &size) == 0)
            m_port = ntohs(address.sin_port);
    }
    ~Listener() { close(m_fd); }
    int port() const { return m_port; }
    bool called() const
    {
        pollfd p{m_fd, POLLIN, 0};
        return poll(&p, 1, 0) > 0;
    }

private:
    int m_fd = -1;
    int m_port = 0;
};

} // namespace

// taxaudit validate on files made to hurt the checker.
class ValidateHostile : public testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &text)
    {
        QFile f(home.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    QTemporaryDir home;
};

TEST_F(ValidateHostile, AFileNestedFiftyThousandDeepIsRefusedWithAMessage)
{
    const QByteArray deep =
        "{\"FORM3CA\": {\"F3CA\": " + QByteArray(50000, '[') + QByteArray(50000, ']') + "}}";
    const ToolRun run = runTaxaudit(home.path(), {"validate", write("deep.json", deep)});
    EXPECT_EQ(run.status, 2) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("nests its members more than 256 levels deep")) << run.out.toStdString();
}

TEST_F(ValidateHostile, ASchemaIsReadWithTheNetworkOff)
{
    Listener server;
    ASSERT_GT(server.port(), 0);
    const QByteArray url = "http://127.0.0.1:" + QByteArray::number(server.port()) + "/other.xsd";
    const QString schema = write("form.xsd", "<?xml version=\"1.0\"?>\n"
                                             "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                                             "  <xs:import namespace=\"urn:other\" schemaLocation=\"" +
                                                 url +
                                                 "\"/>\n"
                                                 "  <xs:element name=\"Form\" type=\"xs:string\"/>\n"
                                                 "</xs:schema>\n");
    const QString xml = write("form.xml", "<?xml version=\"1.0\"?>\n<Form>text</Form>\n");
    runTaxaudit(home.path(), {"validate", xml, "--schema", schema});
    EXPECT_FALSE(server.called()) << "the schema's import was fetched over the network";
}

// Entities are declared in a document type: a file with one is refused before any is read,
// in UTF-16 as in UTF-8, and a billion laughs is not "valid".
TEST_F(ValidateHostile, ADocumentTypeIsRefusedBeforeItsEntitiesAreRead)
{
    const QString schema = write("form.xsd", "<?xml version=\"1.0\"?>\n"
                                             "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                                             "  <xs:element name=\"Form\" type=\"xs:string\"/>\n"
                                             "</xs:schema>\n");
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE Form [<!ENTITY l0 \"ha\">";
    for (int i = 1; i < 10; ++i) {
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \"";
        for (int j = 0; j < 10; ++j)
            laughs += "&l" + QByteArray::number(i - 1) + ";";
        laughs += "\">";
    }
    laughs += "]>\n<Form>&l9;</Form>\n";
    const QString utf8 = write("laughs.xml", laughs);
    auto toUtf16 = QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const QString utf16 =
        write("laughs16.xml", toUtf16(QString::fromLatin1(laughs).replace(
                                  "version=\"1.0\"?>", "version=\"1.0\" encoding=\"UTF-16\"?>")));
    for (const QString &xml : {utf8, utf16}) {
        const ToolRun run = runTaxaudit(home.path(), {"validate", xml, "--schema", schema});
        EXPECT_EQ(run.status, 2) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("declares a document type")) << run.err.toStdString();
    }
}

// Endless or huge input is refused before it is read, instead of growing until the memory
// runs out.
TEST_F(ValidateHostile, AnEndlessOrHugeFileIsRefusedBeforeItIsRead)
{
    const ToolRun json = runTaxaudit(home.path(), {"validate", "/dev/zero"});
    EXPECT_EQ(json.status, 2);
    EXPECT_TRUE(json.err.contains("[/dev/zero] is a device or a pipe, not a file")) << json.err.toStdString();

    const QString xml = write("huge.xml", "<a/>");
    ASSERT_TRUE(QFile::resize(xml, (qint64(64) << 20) + 1));
    const ToolRun run = runTaxaudit(home.path(), {"validate", xml, "--schema", xml});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("is larger than 64 MiB")) << run.err.toStdString();
}

// The validator follows references by recursion: a schema that refers to itself, or nests
// without end, is refused with a message before it gets there.
TEST_F(ValidateHostile, ASchemaThatLoopsOrNestsTooDeepIsRefused)
{
    const QString file = write("form.json", "{\"FORM3CA\": {}}");
    const QList<std::pair<QByteArray, QString>> schemas{
        {"{\"$ref\": \"#\"}", "the schema's reference \"#\" leads back to itself"},
        {"{\"allOf\": [{\"$ref\": \"#\"}]}", "leads back to itself"},
        {"{\"definitions\": {\"a\": {\"$ref\": \"#/definitions/b\"}, \"b\": {\"not\": {\"$ref\": "
         "\"#/definitions/a\"}}}, \"$ref\": \"#/definitions/a\"}",
         "leads back to itself"},
        {"{\"$ref\": \"#/definitions/none\"}", "refers to \"#/definitions/none\", which it does not have"},
        {"{\"$ref\": \"other.json\"}", "refers to \"other.json\" outside its own file"},
        {"{\"not\": " + QByteArray(100000, '[') + QByteArray(100000, ']') + "}", "more than 64 levels deep"}};
    for (const auto &[text, message] : schemas) {
        const ToolRun run =
            runTaxaudit(home.path(), {"validate", file, "--schema", write("schema.json", text)});
        EXPECT_EQ(run.status, 2) << text.left(80).toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.toStdString();
    }
    // A schema that is used in many places, but never inside itself, is a good schema.
    const QString shared = write("shared.json", "{\"definitions\": {\"pan\": {\"type\": \"string\"}}, "
                                                "\"properties\": {\"a\": {\"$ref\": \"#/definitions/pan\"}, "
                                                "\"b\": {\"$ref\": \"#/definitions/pan\"}}}");
    EXPECT_EQ(runTaxaudit(home.path(), {"validate", file, "--schema", shared}).status, 0);
}
