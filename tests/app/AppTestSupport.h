#pragma once

#include "model/StudyCollection.h"

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QDialog;

struct RecordSpec {
    std::string id;
    std::string title;
    std::string acronym = {};
    std::string status = {};
    std::string owner = {};
};

std::unique_ptr<StudyRecord> makeRecord(const RecordSpec& spec);

// Writes a collection file of records made from `specs`; returns the path.
QString writeCollection(const QString& path, std::initializer_list<RecordSpec> specs);
void writeBytes(const QString& path, const std::string& bytes);
std::string readBytes(const QString& path);

// Runs `action` on the next modal dialog as soon as it is open; the action
// must close it. Fails the test when none opens within a few seconds.
void onNextModal(std::function<void(QDialog*)> action);
