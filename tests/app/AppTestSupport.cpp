#include "app/AppTestSupport.h"

#include "model/CollectionFile.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTimer>
#include <gtest/gtest.h>

std::unique_ptr<StudyRecord> makeRecord(const RecordSpec& spec) {
    auto record = std::make_unique<StudyRecord>();
    record->id_info.org_study_id = spec.id;
    record->id_info.org_name = spec.owner;
    record->brief_title.setText(spec.title);
    record->acronym = spec.acronym;
    record->overall_status.setText(spec.status);
    return record;
}

QString writeCollection(const QString& path, std::initializer_list<RecordSpec> specs) {
    StudyCollection collection;
    for (const RecordSpec& spec : specs) {
        collection.records.push_back(makeRecord(spec));
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
