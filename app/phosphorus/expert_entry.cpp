#include "phosphorus/expert_entry.h"

#include "phosphorus/drainage_sizes.h"
#include "phosphorus/hydrology_texts.h"
#include "reports/password_sets.h"

namespace verdalis::phosphorus {

ExpertEntry::ExpertEntry(shell::TForm1& form, reports::TPasswordDlg& passwordDlg, TUserEntryDlg& userEntryDlg,
                         ui::Application& application, ui::Dialogs& dialogs)
    : form_(form), passwordDlg_(passwordDlg), userEntryDlg_(userEntryDlg), application_(application),
      dialogs_(dialogs)
{
    auto& menu = form_.add<ui::PopupMenu>("DrainageNRunoffPopup");
    menu.add<ui::MenuItem>("EnterMyOwnDrainageRunoffValues1", std::string(texts::expertPopupEnter)).onClick =
        [this] { EnterMyOwnDrainageRunoffValues1Click(); };
    menu.add<ui::MenuItem>("ClearMyDrainageandRunoffValuesUseCalculatedValues1", std::string(texts::expertPopupClear))
        .onClick = [this] { ClearMyDrainageandRunoffValuesUseCalculatedValues1Click(); };
    form_.control<ui::RadioButton>("RD_Yes").setPopupMenu(&menu);
}

void ExpertEntry::EnterMyOwnDrainageRunoffValues1Click()
{
    if (!form_.control<ui::RadioButton>("RD_Yes").checked()) {
        return;
    }
    const std::optional<std::string> password = passwordDlg_.ask(application_);
    if (!password) {
        return;
    }
    shell::ExpertValues& expert = form_.record.expert;
    if (!reports::isReportViewPassword(*password)) {
        dialogs_.error(texts::passwordInvalid);
        expert = shell::ExpertValues{};
        showDrainageSizes(form_, true);
        return;
    }
    if (userEntryDlg_.showModal(application_) != ui::ModalResult::Ok) {
        return;
    }
    takeUserValue(expert.RunoffVolumeUser, userEntryDlg_.GetRunoffVolumeUser(), *userEntryDlg_.RunoffVolED,
                  texts::invalidRunoffVolume);
    takeUserValue(expert.LeachateVolumeUser, userEntryDlg_.GetLeachateVolumeUser(), *userEntryDlg_.LeachateVolED,
                  texts::invalidLeachateVolume);
    takeUserValue(expert.RunoffFractionUser, userEntryDlg_.GetRunoffFractionUser(), *userEntryDlg_.RunoffFracED,
                  texts::invalidRunoffFraction);
    takeUserValue(expert.AnnPPTUser, userEntryDlg_.GetAnnPPTUser(), *userEntryDlg_.AnnPPTED,
                  texts::invalidAnnualPrecipitation);
    if (expert.RunoffVolumeUser != shell::notEntered && expert.LeachateVolumeUser != shell::notEntered) {
        showDrainageSizes(form_, true);
    }
}

void ExpertEntry::takeUserValue(float& value, double entered, const ui::Edit& edit, std::string_view invalidMessage)
{
    value = static_cast<float>(entered);
    if (entered == userValueNotEntered && TUserEntryDlg::holdsOwnText(edit)) {
        dialogs_.error(invalidMessage);
    }
}

void ExpertEntry::ClearMyDrainageandRunoffValuesUseCalculatedValues1Click()
{
    shell::ExpertValues& expert = form_.record.expert;
    expert.RunoffVolumeUser = shell::notEntered;
    expert.RunoffFractionUser = shell::notEntered;
    expert.LeachateVolumeUser = shell::notEntered;
    showDrainageSizes(form_, true);
}

} // namespace verdalis::phosphorus
