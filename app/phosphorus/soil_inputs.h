// The receiving slope distance, which sets the particulate P delivery
// factor, and the surface soil test, whose Mehlich-3 equivalent decides
// whether the 28"-32" subsoil layer must be sampled too.
#pragma once

#include "shell/main_form.h"

namespace verdalis::phosphorus {

class SoilInputs {
public:
    // Sets the handlers of RecSlopeDistCB and SoilTestP1ED.
    SoilInputs(shell::TForm1& form, ui::Application& application, ui::Dialogs& dialogs);

    void RecSlopeDistCBChange();
    // May change or refuse the key, as the edit's key handler does; also
    // run with the saved text's keys while a record loads.
    void SoilTestP1EDKeyPress(ui::Key& key);

private:
    // The surface soil test text once the key is applied to the selection.
    std::string textAfterKey(ui::Key key) const;
    void showSubsoilControls(bool show);

    shell::TForm1& form_;
    ui::Application& application_;
    ui::Dialogs& dialogs_;
};

} // namespace verdalis::phosphorus
