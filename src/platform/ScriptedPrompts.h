#pragma once

#include "platform/Prompts.h"

#include <deque>
#include <functional>
#include <vector>

// Prompts for tests: records every prompt shown and answers from a queue
// filled beforehand. A prompt that finds no answer of its kind, or an answer
// of another kind, is reported through the failure handler and gets the
// answer of a dismissed prompt (No, Cancel or OK; no file; no credentials).
class ScriptedPrompts : public Prompts {
public:
    struct Record {
        PromptKind kind = PromptKind::Message;
        QString caption;
        QString text;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
        FileDialogRequest file; // file prompts only
        QString userName;       // credentials prompts only
    };

    using FailureHandler = std::function<void(const QString& description)>;

    // Answers, used in the order given.
    void answerMessage(MessageAnswer answer);
    void answerOpenFile(std::optional<QString> path);
    void answerSaveFile(std::optional<QString> path);
    void answerCredentials(std::optional<Credentials> credentials);

    const std::vector<Record>& shown() const { return m_shown; }
    const Record& last() const;
    std::size_t unusedAnswers() const { return m_answers.size(); }
    void clear();

    // Runs while a prompt is "open", after it was recorded and before it answers.
    void setOnShow(std::function<void(const Record&)> onShow) { m_onShow = std::move(onShow); }

    // Process-wide; the shared test main reports failures to the test framework.
    static void setFailureHandler(FailureHandler handler);
    static void reportFailure(const QString& description);

    MessageAnswer message(QWidget* parent, const MessageRequest& request) override;
    std::optional<QString> openFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> saveFile(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<Credentials> credentials(QWidget* parent,
                                           const CredentialsRequest& request) override;

private:
    struct Answer {
        PromptKind kind = PromptKind::Message;
        MessageAnswer message = MessageAnswer::Ok;
        std::optional<QString> path;
        std::optional<Credentials> credentials;
    };

    void record(Record record);
    // Takes the next answer when it is of `kind`; otherwise reports and returns false.
    bool take(PromptKind kind, Answer& answer);
    std::optional<QString> fileAnswer(PromptKind kind, const FileDialogRequest& request);

    std::vector<Record> m_shown;
    std::deque<Answer> m_answers;
    std::function<void(const Record&)> m_onShow;
};

QString toString(PromptKind kind);
