// The Dialogs service: every modal message, prompt and file dialog the core
// shows, and printing a document. The front end implements it with real
// dialogs; tests use ScriptedDialogs.
#pragma once

#include "reports/rtf/document.h"

#include <optional>
#include <string>
#include <string_view>

namespace verdalis::ui {

enum class MessageKind { Plain, Error, Warning, Information, Confirmation };
enum class MessageButtons { Ok, YesNo, OkCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title = {};
    // Pairs of description and pattern separated by "|":
    // "Text Files (*.txt)|*.txt|Rich Text (*.rtf)|*.rtf".
    std::string filter = {};
    std::string initialDir = {};
    // Added to a chosen name without extension (save dialogs), e.g. "TXT".
    std::string defaultExt = {};
    std::string fileName = {};
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message box; answers the button pressed.
    virtual Answer message(MessageKind kind, std::string_view text, MessageButtons buttons) = 0;
    // A prompt for a line of text: the text entered, or nothing when cancelled.
    virtual std::optional<std::string> inputQuery(std::string_view caption, std::string_view prompt,
                                                  std::string_view defaultValue) = 0;
    // The same with the entry masked.
    virtual std::optional<std::string> passwordQuery(std::string_view caption, std::string_view prompt) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    // Prints the document on the default printer as a job of this name.
    virtual void print(const rtf::Document& document, std::string_view jobName) = 0;

    void showMessage(std::string_view text) { message(MessageKind::Plain, text, MessageButtons::Ok); }
    void error(std::string_view text) { message(MessageKind::Error, text, MessageButtons::Ok); }
    void warning(std::string_view text) { message(MessageKind::Warning, text, MessageButtons::Ok); }
    void information(std::string_view text) { message(MessageKind::Information, text, MessageButtons::Ok); }
    // A confirmation with Yes and No: true for Yes.
    bool confirm(std::string_view text)
    {
        return message(MessageKind::Confirmation, text, MessageButtons::YesNo) == Answer::Yes;
    }
};

// A save dialog's rule for a name typed without extension: the default
// extension is added as given ("report" + "TXT" gives "report.TXT").
std::string withDefaultExtension(std::string path, std::string_view defaultExt);

} // namespace verdalis::ui
