// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/show_url.h"

#include "platform/runtime/language.h"
#include "platform/runtime/runtime.h"
#include "platform/ui/window.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>
#include <cstdio>

namespace platform {

void ShowURL(const std::string& url)
{
    const QUrl address = QUrl::fromUserInput(QString::fromStdString(url));
    // Opening reports success as soon as the opener starts, browser or none: ask first.
    if (browserAvailable() && QDesktopServices::openUrl(address))
        return;
    std::fprintf(stderr, "tumbletot: %s\n",
                 filled(translate("Messages", "no browser could open %1"), {url}).c_str());
    Window* front = Window::front();
    QMessageBox::information(
        front ? front->frame() : nullptr, QStringLiteral("Tumbletot"),
        QCoreApplication::translate("ShowURL", "No web browser is set up on this computer, so "
                                               "the page cannot be shown. It is this file:\n%1")
            .arg(address.toLocalFile().isEmpty() ? address.toString() : address.toLocalFile()));
}

} // namespace platform
