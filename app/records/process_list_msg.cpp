#include "records/process_list_msg.h"

namespace verdalis::records {

namespace {

constexpr ui::Geometry formGeometry{0, 0, 420, 260};
constexpr ui::Geometry noticeGeometry{16, 12, 300, 16};
constexpr ui::Geometry cancelGeometry{320, 8, 80, 25};
constexpr ui::Geometry listGeometry{16, 44, 384, 200};

} // namespace

TProcessListMsg::TProcessListMsg() : ui::Form("ProcessListMsg")
{
    setCaption("List Processing Dialog");
    setGeometry(formGeometry);
    NoticeLBL = &add<ui::Label>("NoticeLBL", "Processing List, Please Wait...");
    NoticeLBL->setGeometry(noticeGeometry);
    CancelBtn = &add<ui::Button>("CancelBtn", "CANCEL");
    CancelBtn->setGeometry(cancelGeometry);
    CancelBtn->onClick = [this] { setModalResult(ui::ModalResult::Cancel); };
    MessageList = &add<ui::ListBox>("MessageList");
    MessageList->setGeometry(listGeometry);
    MessageList->hide();
}

void TProcessListMsg::start()
{
    setModalResult(ui::ModalResult::None);
    show();
}

void TProcessListMsg::addMessage(const std::string& message)
{
    MessageList->show();
    MessageList->addItem(message);
    MessageList->setItemIndex(static_cast<int>(MessageList->items().size()) - 1);
}

void TProcessListMsg::finish()
{
    MessageList->clearItems();
    MessageList->hide();
    hide();
}

} // namespace verdalis::records
