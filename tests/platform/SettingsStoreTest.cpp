#include "platform/IniSettingsStore.h"
#include "platform/MemorySettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Points the user's configuration directory at a fresh folder for one test.
class TemporaryConfigHome {
public:
    TemporaryConfigHome() : m_previous(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
    }
    ~TemporaryConfigHome() { qputenv("XDG_CONFIG_HOME", m_previous); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
};

template <typename Store> class SettingsStoreContract : public ::testing::Test {
protected:
    TemporaryConfigHome home; // first: the INI store finds its file at construction
    std::unique_ptr<SettingsStore> store = std::make_unique<Store>();
};

// The in-memory store stands in for the INI store in tests, so both must behave alike.
class IniStoreInTempHome : public IniSettingsStore {};

using Stores = ::testing::Types<MemorySettingsStore, IniStoreInTempHome>;
TYPED_TEST_SUITE(SettingsStoreContract, Stores);

} // namespace

TYPED_TEST(SettingsStoreContract, MissingValuesReadAsEmptyOrDefault) {
    EXPECT_EQ(this->store->readText(QStringLiteral("m_XMLPath")), QString());
    EXPECT_EQ(this->store->readProfileInt(QStringLiteral("66"), QStringLiteral("CX"), -7), -7);
}

TYPED_TEST(SettingsStoreContract, TextsAndProfileIntsRoundTrip) {
    const QStringList texts = {
        QStringLiteral("/home/ann/trials/collection.xml"),
        QStringLiteral("C:, with a comma; and a semicolon # and hash = sign"),
        QStringLiteral("  leading and trailing spaces  "),
        QString::fromUtf8("/home/ren\xC3\xA9/\xE6\x96\x87.xml"),
        QStringLiteral("8 11 2010"),
        QStringLiteral("\"quoted\" \\ backslash"),
    };
    for (const QString& text : texts) {
        this->store->writeText(QStringLiteral("m_XMLPath"), text);
        EXPECT_EQ(this->store->readText(QStringLiteral("m_XMLPath")), text);
    }
    this->store->writeProfileInt(QStringLiteral("1f4"), QStringLiteral("CX"), 640);
    this->store->writeProfileInt(QStringLiteral("1f4"), QStringLiteral("CY"), -1);
    this->store->writeProfileInt(QStringLiteral("66"), QStringLiteral("CX"), 900);
    EXPECT_EQ(this->store->readProfileInt(QStringLiteral("1f4"), QStringLiteral("CX"), 0), 640);
    EXPECT_EQ(this->store->readProfileInt(QStringLiteral("1f4"), QStringLiteral("CY"), 0), -1);
    EXPECT_EQ(this->store->readProfileInt(QStringLiteral("66"), QStringLiteral("CX"), 0), 900);
    EXPECT_EQ(this->store->readProfileInt(QStringLiteral("66"), QStringLiteral("CY"), 5), 5);
}

TYPED_TEST(SettingsStoreContract, TextKeysAndProfileSectionsAreSeparate) {
    this->store->writeText(QStringLiteral("CX"), QStringLiteral("top level"));
    this->store->writeProfileInt(QStringLiteral("89"), QStringLiteral("CX"), 3);
    EXPECT_EQ(this->store->readText(QStringLiteral("CX")), QStringLiteral("top level"));
    EXPECT_EQ(this->store->readProfileInt(QStringLiteral("89"), QStringLiteral("CX"), 0), 3);
}

TEST(IniSettingsStore, LivesInTheProductFolderOfTheConfigHome) {
    TemporaryConfigHome home;
    EXPECT_EQ(IniSettingsStore::defaultFilePath(),
              home.path() + QStringLiteral("/Protoscribe/Protoscribe.ini"));
    {
        IniSettingsStore store;
        store.writeText(QStringLiteral("UpgradeDate"), QStringLiteral("8 11 2010"));
        store.writeProfileInt(QStringLiteral("1f4"), QStringLiteral("CY"), 480);
    }
    QFile file(home.path() + QStringLiteral("/Protoscribe/Protoscribe.ini"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.contains("[1f4]")) << content.constData();
    EXPECT_TRUE(content.contains("CY=480")) << content.constData();

    IniSettingsStore reopened;
    EXPECT_EQ(reopened.readText(QStringLiteral("UpgradeDate")), QStringLiteral("8 11 2010"));
    EXPECT_EQ(reopened.readProfileInt(QStringLiteral("1f4"), QStringLiteral("CY"), 0), 480);
}

TEST(IniSettingsStore, SeesWhatAnotherInstanceWrote) {
    TemporaryConfigHome home;
    IniSettingsStore first;
    IniSettingsStore second;
    first.writeText(QStringLiteral("m_XMLPath"), QStringLiteral("/a.xml"));
    EXPECT_EQ(second.readText(QStringLiteral("m_XMLPath")), QStringLiteral("/a.xml"));
}

TEST(IniSettingsStore, NonNumericProfileValueReadsAsDefault) {
    TemporaryConfigHome home;
    const QString path = IniSettingsStore::defaultFilePath();
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[66]\nCX=wide\nCY=12\n");
    file.close();
    IniSettingsStore store;
    EXPECT_EQ(store.readProfileInt(QStringLiteral("66"), QStringLiteral("CX"), 77), 77);
    EXPECT_EQ(store.readProfileInt(QStringLiteral("66"), QStringLiteral("CY"), 0), 12);
}
