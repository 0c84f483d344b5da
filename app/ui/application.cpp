#include "ui/application.h"

namespace verdalis::ui {

HourglassCursor::HourglassCursor(Application& application)
    : application_(application), previous_(application.cursor())
{
    application_.setCursor(Cursor::Hourglass);
}

HourglassCursor::~HourglassCursor()
{
    application_.setCursor(previous_);
}

} // namespace verdalis::ui
