#pragma once

#include "app/HelpView.h"
#include "model/StudyCollection.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

class QDialog;
class QTemporaryDir;

struct RecordSpec {
    std::string id;
    std::string title;
    std::string acronym = {};
    std::string status = {};
    std::string owner = {};
};

std::unique_ptr<StudyRecord> makeRecord(const RecordSpec& fields);

// Writes a collection file of records made from `entries`; returns the path.
QString writeCollection(const QString& path, std::initializer_list<RecordSpec> entries);
void writeBytes(const QString& path, const std::string& bytes);
std::string readBytes(const QString& path);

// Runs `action` on the next modal dialog as soon as it is open; the action
// must close it. Fails the test when none opens within a few seconds.
void onNextModal(std::function<void(QDialog*)> action);

// Points the main windows made while it lives at `host`, downloading into a
// folder of its own, and puts back the site used before. Without one, the test
// program's windows ask a port on 127.0.0.1 where nothing listens.
class ScopedVendorSite {
public:
    explicit ScopedVendorSite(const std::string& host);
    ~ScopedVendorSite();
    ScopedVendorSite(const ScopedVendorSite&) = delete;
    ScopedVendorSite& operator=(const ScopedVendorSite&) = delete;

private:
    std::unique_ptr<QTemporaryDir> m_cache;
    std::string m_previousHost;
    std::string m_previousCache;
};

// Makes the main windows made while it lives look for their files (help text,
// list background, schema) in `folders` only, then puts back the program's own.
class ScopedProgramFiles {
public:
    explicit ScopedProgramFiles(const QStringList& folders);
    ~ScopedProgramFiles();
    ScopedProgramFiles(const ScopedProgramFiles&) = delete;
    ScopedProgramFiles& operator=(const ScopedProgramFiles&) = delete;
};

// Stands in for the help window's web engine, which is too heavy to start in
// these tests: it records every address it is sent to.
class RecordingHelpView : public QWidget, public HelpView {
public:
    using QWidget::QWidget;
    QWidget* widget() override { return this; }
    void navigate(const QUrl& address) override { addresses.append(address); }

    QList<QUrl> addresses;
};
