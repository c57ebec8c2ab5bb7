// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/text_style.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace platform {

void TextStyle::applyTo(QWidget* widget) const
{
    QFont face = font == "System" ? QApplication::font() : QFont(QString::fromStdString(font));
    face.setPixelSize(size);
    face.setBold(bold);
    widget->setFont(face);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    widget->setPalette(palette);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const Qt::Alignment horizontal = align == Center  ? Qt::AlignHCenter
                                         : align == Right ? Qt::AlignRight
                                                          : Qt::AlignLeft;
        label->setAlignment(horizontal | Qt::AlignTop);
    }
}

} // namespace platform
