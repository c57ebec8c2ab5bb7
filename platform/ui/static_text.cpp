// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/static_text.h"

#include "platform/ui/window.h"

#include <QLabel>

namespace platform {

StaticText::StaticText(Window& owner, std::string name, Rect box, const std::string& text,
                       const TextStyle& style, Control* parent)
    : Control(owner, std::move(name), box, new QLabel(parent ? parent->widget() : owner.surface())),
      label_(static_cast<QLabel*>(widget())), color_(style.color)
{
    label_->setAttribute(Qt::WA_TransparentForMouseEvents);
    style.applyTo(label_);
    setText(text);
}

std::string StaticText::Text() const
{
    return text_;
}

void StaticText::setTextColor(Color color)
{
    color_ = color;
    QPalette palette = label_->palette();
    palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
    label_->setPalette(palette);
}

void StaticText::setText(const std::string& text)
{
    text_ = text;
    const QStringList lines = QString::fromStdString(text).split(QLatin1Char('\r'));
    if (lines.size() == 1) {
        label_->setTextFormat(Qt::PlainText);
        label_->setText(lines.front());
        return;
    }
    // Empty lines become a small gap above the next line rather than a full line each.
    QString html;
    int gaps = 0;
    for (const QString& line : lines) {
        if (line.isEmpty()) {
            ++gaps;
            continue;
        }
        html += QStringLiteral("<p style=\"margin:0; margin-top:%1px\">%2</p>")
                    .arg(gaps * std::max(1, label_->font().pixelSize() / 3))
                    .arg(line.toHtmlEscaped());
        gaps = 0;
    }
    label_->setTextFormat(Qt::RichText);
    label_->setText(html);
}

} // namespace platform
