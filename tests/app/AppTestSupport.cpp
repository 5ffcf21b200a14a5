#include "app/AppTestSupport.h"

#include "app/MainWindow.h"
#include "model/CollectionFile.h"
#include "web/LoopbackServer.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

std::unique_ptr<StudyRecord> makeRecord(const RecordSpec& fields) {
    auto record = std::make_unique<StudyRecord>();
    record->id_info.org_study_id = fields.id;
    record->id_info.org_name = fields.owner;
    record->brief_title.setText(fields.title);
    record->acronym = fields.acronym;
    record->overall_status.setText(fields.status);
    return record;
}

QString writeCollection(const QString& path, std::initializer_list<RecordSpec> entries) {
    StudyCollection collection;
    for (const RecordSpec& fields : entries) {
        collection.records.push_back(makeRecord(fields));
    }
    writeBytes(path, CollectionFile::saveText(collection));
    return path;
}

void writeBytes(const QString& path, const std::string& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string readBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll().toStdString();
}

namespace {

void pollForModal(std::function<void(QDialog*)> action, int triesLeft) {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog != nullptr) {
        action(dialog);
        return;
    }
    if (triesLeft == 0) {
        ADD_FAILURE() << "no modal dialog opened";
        return;
    }
    QTimer::singleShot(20, [action = std::move(action), triesLeft]() mutable {
        pollForModal(std::move(action), triesLeft - 1);
    });
}

} // namespace

void onNextModal(std::function<void(QDialog*)> action) {
    QTimer::singleShot(
        0, [action = std::move(action)]() mutable { pollForModal(std::move(action), 200); });
}

namespace {

// No test of this program reaches the maker's real site, whatever it starts.
QTemporaryDir& offlineCache() {
    static QTemporaryDir folder;
    return folder;
}

const bool g_offline = [] {
    MainWindow::setVendorSite(
        {.host = "http://127.0.0.1:" + std::to_string(LoopbackServer::unusedPort()),
         .cacheDirectory = offlineCache().path().toStdString()});
    return true;
}();

} // namespace

ScopedVendorSite::ScopedVendorSite(const std::string& host)
    : m_cache(std::make_unique<QTemporaryDir>()), m_previousHost(MainWindow::vendorSite().host),
      m_previousCache(MainWindow::vendorSite().cacheDirectory) {
    MainWindow::setVendorSite({.host = host, .cacheDirectory = m_cache->path().toStdString()});
}

ScopedVendorSite::~ScopedVendorSite() {
    MainWindow::setVendorSite({.host = m_previousHost, .cacheDirectory = m_previousCache});
}

ScopedProgramFiles::ScopedProgramFiles(const QStringList& folders) {
    MainWindow::setProgramFiles(ProgramFiles(folders));
}

ScopedProgramFiles::~ScopedProgramFiles() {
    MainWindow::setProgramFiles(std::nullopt);
}
