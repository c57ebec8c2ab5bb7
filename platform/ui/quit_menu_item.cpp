// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/quit_menu_item.h"

#include "platform/ui/application.h"

#include <QAction>

namespace platform {

void QuitMenuItem::defaultAction()
{
    Application::Quit();
}

void QuitMenuItem::placeOnPlatform()
{
    action()->setMenuRole(QAction::QuitRole);
}

} // namespace platform
