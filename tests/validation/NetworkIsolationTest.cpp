#include "validation/LocalEntityLoader.h"
#include "validation/SavedFile.h"
#include "validation/SchemaValidator.h"

#include <arpa/inet.h>
#include <cerrno>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using ::testing::HasSubstr;
using Status = ValidationReport::Status;

namespace {

// A listening socket on the loopback interface. The kernel completes a connection
// attempt into the backlog even when nobody accepts, so an empty backlog proves
// that nothing tried to connect.
class Listener {
public:
    Listener() {
        m_socket = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof(address);
        if (m_socket < 0 || ::bind(m_socket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(m_socket, 16) != 0 ||
            ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            throw std::runtime_error("cannot listen on the loopback interface");
        m_port = ntohs(address.sin_port);
    }
    ~Listener() { ::close(m_socket); }
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    std::string url(const std::string& scheme, const std::string& file) const {
        return scheme + "://127.0.0.1:" + std::to_string(m_port) + "/" + file;
    }

    int connectionsReceived() const {
        int count = 0;
        for (int fd = ::accept(m_socket, nullptr, nullptr); fd >= 0;
             fd = ::accept(m_socket, nullptr, nullptr)) {
            ::close(fd);
            ++count;
        }
        return count;
    }

    void connectToSelf() const {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port = htons(m_port);
        EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        ::close(fd);
    }

private:
    int m_socket = -1;
    unsigned short m_port = 0;
};

SchemaLocation installedSchema() {
    return SchemaLocation{"", {installedSchemaDir()}};
}

// A saved collection with a document type declaration in front of the collection.
std::string withDoctype(const std::string& doctype, const std::string& briefTitle) {
    TestElement study = fullStudy();
    study.child("brief_title").value = "@TITLE@";
    std::string text = savedFileText(collection({study}));
    text.insert(text.find("\t<prs:study_collection"), doctype + "\r\n");
    text.replace(text.find("@TITLE@"), 7, briefTitle);
    return text;
}

} // namespace

TEST(NetworkIsolationTest, ListenerSeesAConnectionWhenThereIsOne) {
    Listener listener;
    listener.connectToSelf();
    EXPECT_EQ(listener.connectionsReceived(), 1);
}

TEST(NetworkIsolationTest, ExternalReferencesOnTheNetworkAreNeverFetched) {
    Listener listener;
    ScratchDir dir;
    const std::vector<std::string> documents = {
        withDoctype("<!DOCTYPE x [<!ENTITY e SYSTEM \"" + listener.url("http", "e") + "\">]>",
                    "&e;"),
        withDoctype("<!DOCTYPE x [<!ENTITY e SYSTEM \"" + listener.url("HTTP", "e") + "\">]>",
                    "&e;"),
        withDoctype("<!DOCTYPE x [<!ENTITY e SYSTEM \"" + listener.url("ftp", "e") + "\">]>",
                    "&e;"),
        withDoctype("<!DOCTYPE x SYSTEM \"" + listener.url("http", "d.dtd") + "\">", "Tea"),
        withDoctype("<!DOCTYPE x [<!ENTITY % p SYSTEM \"" + listener.url("http", "p") + "\"> %p;]>",
                    "Tea"),
    };
    for (const std::string& text : documents) {
        const std::string path = dir.write("remote.xml", text);
        const ValidationReport report = validateFile(path, installedSchema());
        EXPECT_EQ(report.status, Status::Failed) << report.text;
        EXPECT_THAT(report.text, HasSubstr("127.0.0.1"));
    }
    EXPECT_EQ(listener.connectionsReceived(), 0);
}

TEST(NetworkIsolationTest, SchemaImportsOnTheNetworkAreNeverFetched) {
    Listener listener;
    ScratchDir dir;
    const std::string schema =
        dir.write("imports.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\" "
                                 "targetNamespace=\"http://clinicaltrials.gov/prs\">"
                                 "<xs:import namespace=\"urn:remote\" schemaLocation=\"" +
                                     listener.url("http", "remote.xsd") +
                                     "\"/><xs:element name=\"study_collection\"/></xs:schema>");
    const std::string document = dir.write("c.xml", savedFileText(collection({})));
    // A schema that cannot be loaded whole is no schema to judge by.
    const ValidationReport report = validateFile(document, SchemaLocation{schema, {}});
    EXPECT_EQ(report.status, Status::Error) << report.text;
    EXPECT_THAT(report.text, HasSubstr("Description = Refused to load \"" +
                                       listener.url("http", "remote.xsd") + "\""));
    EXPECT_EQ(listener.connectionsReceived(), 0);
}

TEST(NetworkIsolationTest, OnlyLocalNamesAreAllowed) {
    for (const char* url : {"http://host/x", "HTTP://host/x", "https://host/x", "ftp://host/x",
                            "gopher://host/x", "a+b.c-d://host"})
        EXPECT_FALSE(LocalEntityLoader::allows(url)) << url;
    for (const char* url : {"relative/x.dtd", "/tmp/a:b.xml", "notes:v2.xml", "file:///tmp/x",
                            "FILE:///tmp/x", "./x://y", "://x", ""})
        EXPECT_TRUE(LocalEntityLoader::allows(url)) << url;
}
