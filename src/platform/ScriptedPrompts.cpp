#include "platform/ScriptedPrompts.h"

#include "platform/QtPrompts.h"

#include <QtDebug>

namespace {

ScriptedPrompts::FailureHandler& failureHandler() {
    static ScriptedPrompts::FailureHandler handler = [](const QString& description) {
        qCritical("ScriptedPrompts: %s", qPrintable(description));
    };
    return handler;
}

void fail(const QString& description) {
    ScriptedPrompts::reportFailure(description);
}

} // namespace

QString toString(PromptKind kind) {
    switch (kind) {
    case PromptKind::Message:
        return QStringLiteral("message box");
    case PromptKind::OpenFile:
        return QStringLiteral("open-file dialog");
    case PromptKind::SaveFile:
        return QStringLiteral("save-file dialog");
    case PromptKind::Credentials:
        return QStringLiteral("credentials dialog");
    }
    return QStringLiteral("prompt");
}

void ScriptedPrompts::setFailureHandler(FailureHandler handler) {
    failureHandler() = std::move(handler);
}

void ScriptedPrompts::reportFailure(const QString& description) {
    failureHandler()(description);
}

void ScriptedPrompts::answerMessage(MessageAnswer answer) {
    m_answers.push_back({PromptKind::Message, answer, std::nullopt, std::nullopt});
}

void ScriptedPrompts::answerOpenFile(std::optional<QString> path) {
    m_answers.push_back({PromptKind::OpenFile, MessageAnswer::Ok, std::move(path), std::nullopt});
}

void ScriptedPrompts::answerSaveFile(std::optional<QString> path) {
    m_answers.push_back({PromptKind::SaveFile, MessageAnswer::Ok, std::move(path), std::nullopt});
}

void ScriptedPrompts::answerCredentials(std::optional<Credentials> credentials) {
    m_answers.push_back(
        {PromptKind::Credentials, MessageAnswer::Ok, std::nullopt, std::move(credentials)});
}

const ScriptedPrompts::Record& ScriptedPrompts::last() const {
    static const Record none;
    if (m_shown.empty()) {
        fail(QStringLiteral("no prompt was shown"));
        return none;
    }
    return m_shown.back();
}

void ScriptedPrompts::clear() {
    m_shown.clear();
    m_answers.clear();
}

void ScriptedPrompts::record(Record record) {
    m_shown.push_back(std::move(record));
    if (m_onShow) {
        m_onShow(m_shown.back());
    }
}

bool ScriptedPrompts::take(PromptKind kind, Answer& answer) {
    const Record& shown = m_shown.back();
    const QString what = toString(kind) + QStringLiteral(" \"") + shown.caption +
                         QStringLiteral("\": \"") + shown.text + QLatin1Char('"');
    if (m_answers.empty()) {
        fail(QStringLiteral("unexpected ") + what);
        return false;
    }
    if (m_answers.front().kind != kind) {
        fail(QStringLiteral("expected a ") + toString(m_answers.front().kind) +
             QStringLiteral(", got ") + what);
        return false;
    }
    answer = std::move(m_answers.front());
    m_answers.pop_front();
    return true;
}

MessageAnswer ScriptedPrompts::message(QWidget*, const MessageRequest& request) {
    record({PromptKind::Message,
            request.caption,
            request.text,
            request.icon,
            request.buttons,
            {},
            {}});
    Answer answer;
    return take(PromptKind::Message, answer) ? answer.message
                                             : QtPrompts::dismissAnswer(request.buttons);
}

std::optional<QString> ScriptedPrompts::fileAnswer(PromptKind kind,
                                                   const FileDialogRequest& request) {
    record({kind,
            request.caption,
            request.initialPath,
            MessageIcon::None,
            MessageButtons::Ok,
            request,
            {}});
    Answer answer;
    return take(kind, answer) ? answer.path : std::nullopt;
}

std::optional<QString> ScriptedPrompts::openFile(QWidget*, const FileDialogRequest& request) {
    return fileAnswer(PromptKind::OpenFile, request);
}

std::optional<QString> ScriptedPrompts::saveFile(QWidget*, const FileDialogRequest& request) {
    return fileAnswer(PromptKind::SaveFile, request);
}

std::optional<Credentials> ScriptedPrompts::credentials(QWidget*,
                                                        const CredentialsRequest& request) {
    record({PromptKind::Credentials,
            request.caption,
            request.text,
            MessageIcon::None,
            MessageButtons::Ok,
            {},
            request.userName});
    Answer answer;
    return take(PromptKind::Credentials, answer) ? answer.credentials : std::nullopt;
}
