#include "reports/password_dlg.h"

#include "reports/dialog_buttons.h"
#include "reports/report_texts.h"
#include "ui/application.h"

namespace verdalis::reports {

namespace {

constexpr ui::Geometry formGeometry{0, 0, 233, 120};
constexpr ui::Geometry labelGeometry{8, 9, 82, 13};
constexpr ui::Geometry entryGeometry{8, 27, 209, 21};
constexpr ui::Geometry okGeometry{54, 59, 75, 25};
constexpr ui::Geometry cancelGeometry{142, 59, 75, 25};

} // namespace

TPasswordDlg::TPasswordDlg() : ui::Form("PasswordDlg")
{
    setCaption(std::string(texts::passwordCaption));
    setGeometry(formGeometry);
    PasswordLabel = &add<ui::Label>("PasswordLabel", std::string(texts::passwordPrompt));
    PasswordLabel->setGeometry(labelGeometry);
    Password = &add<ui::Edit>("Password");
    Password->setGeometry(entryGeometry);
    Password->setPasswordChar(maskCharacter);
    const OkCancelButtons buttons = addOkCancelButtons(*this, okGeometry, cancelGeometry);
    OKBtn = buttons.ok;
    CancelBtn = buttons.cancel;
    // OK is the default button: the return key in the entry accepts it.
    Password->onKeyPress = [this](ui::Key& key) {
        if (key == ui::returnKey) {
            key = ui::noKey;
            setModalResult(ui::ModalResult::Ok);
        }
    };
}

std::optional<std::string> TPasswordDlg::ask(ui::Application& application)
{
    Password->setFocus();
    if (showModal(application) != ui::ModalResult::Ok) {
        return std::nullopt;
    }
    return getPassword();
}

} // namespace verdalis::reports
