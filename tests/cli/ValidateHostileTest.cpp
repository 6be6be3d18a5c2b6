#include "ToolRun.h"

#include <QFile>
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

TEST_F(ValidateHostile, AnUnexpandedEntityReferenceIsAFault)
{
    const QString schema = write("form.xsd", "<?xml version=\"1.0\"?>\n"
                                             "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n"
                                             "  <xs:element name=\"Form\">\n"
                                             "    <xs:simpleType><xs:restriction base=\"xs:string\">\n"
                                             "      <xs:maxLength value=\"4\"/>\n"
                                             "    </xs:restriction></xs:simpleType>\n"
                                             "  </xs:element>\n"
                                             "</xs:schema>\n");
    const QString xml =
        write("form.xml", "<?xml version=\"1.0\"?>\n"
                          "<!DOCTYPE Form [<!ENTITY big \"far more than four characters\">]>\n"
                          "<Form>&big;</Form>\n");
    const ToolRun run = runTaxaudit(home.path(), {"validate", xml, "--schema", schema});
    EXPECT_EQ(run.status, 1) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("The entity reference &big; is not expanded")) << run.out.toStdString();
}
