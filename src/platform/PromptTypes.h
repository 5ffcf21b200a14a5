#pragma once

#include <QString>
#include <vector>

// What a prompt asks and what it can answer. Shared by the prompts interface,
// its desktop implementation and the scripted one of the tests.

enum class MessageIcon { None, Error, Question, Information, Warning };

enum class MessageButtons { Ok, YesNo, OkCancel, YesNoCancel };

enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageRequest {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct FileFilter {
    QString label;   // for example "Registry XML (*.xml)"
    QString pattern; // for example "*.xml"
};

struct FileDialogRequest {
    QString caption; // empty: the dialog's own title
    std::vector<FileFilter> filters;
    QString initialPath;          // initial file name or full path; may be empty
    QString defaultExtension;     // without the dot; appended when the user typed none
    bool hideReadOnly = true;     // no read-only check box
    bool confirmOverwrite = true; // save dialogs: ask before replacing a file
};

struct CredentialsRequest {
    QString caption;
    QString text;     // what asks for them, e.g. the site
    QString userName; // proposed user name
};

struct Credentials {
    QString userName;
    QString password;
};

enum class PromptKind { Message, OpenFile, SaveFile, Credentials };
