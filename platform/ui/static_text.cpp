// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/static_text.h"

#include "platform/ui/window.h"

#include <QLabel>
#include <algorithm>

namespace platform {
namespace {

// Smaller than this a text is no longer read with ease: the translation must be shorter.
constexpr double kSmallestScale = 0.8;
// A glyph's side may pass the end of its line by a pixel or so, as the design's texts do.
constexpr int kBearing = 2;

} // namespace

StaticText::StaticText(Window& owner, std::string name, Rect box, const std::string& text,
                       const TextStyle& style, Control* parent)
    : Control(owner, std::move(name), box, new QLabel(parent ? parent->widget() : owner.surface())),
      label_(static_cast<QLabel*>(widget())), designSize_(style.size), color_(style.color)
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
        fitFont();
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
    fitFont();
}

int StaticText::textWidth() const
{
    if (!label_->wordWrap()) {
        const QSize needs = label_->sizeHint();
        return needs.height() > Height() ? Width() + 1 : std::max(0, needs.width() - kBearing);
    }
    // Wrapped to the box, the text fits when no word is wider and its lines are not too tall.
    const int widest = label_->minimumSizeHint().width();
    const bool tooTall = label_->heightForWidth(Width()) > Height();
    return std::max(widest, tooTall ? Width() + 1 : 0);
}

void StaticText::boundsChanged()
{
    fitFont();
}

void StaticText::fitFont()
{
    QFont font = label_->font();
    font.setPixelSize(designSize_);
    label_->setFont(font);
    label_->setWordWrap(false);
    if (Width() <= 0 || Height() <= 0 || textWidth() <= Width())
        return;
    // A line longer than its box, as in some languages, goes on below, a little smaller if
    // need be.
    label_->setWordWrap(true);
    const int smallest = int(designSize_ * kSmallestScale + 0.5);
    while (textWidth() > Width() && font.pixelSize() > smallest) {
        font.setPixelSize(font.pixelSize() - 1);
        label_->setFont(font);
    }
}

} // namespace platform
