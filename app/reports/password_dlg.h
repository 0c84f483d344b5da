// The shared password dialog of the program's locks: a masked entry, OK and
// Cancel. What was typed stays in the entry from one use to the next.
#pragma once

#include "ui/controls.h"

#include <optional>
#include <string>

namespace verdalis::ui {
class Application;
}

namespace verdalis::reports {

class TPasswordDlg : public ui::Form {
public:
    static constexpr ui::Key maskCharacter = '*';

    TPasswordDlg();

    // The entry's text.
    std::string getPassword() const { return Password->text(); }

    // Shows the dialog modally: the entry when it was closed with OK,
    // nothing otherwise.
    std::optional<std::string> ask(ui::Application& application);

    ui::Label* PasswordLabel;
    ui::Edit* Password;
    ui::Button* OKBtn;
    ui::Button* CancelBtn;
};

} // namespace verdalis::reports
