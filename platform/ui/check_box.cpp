// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/check_box.h"

#include "platform/ui/window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace platform {
namespace {

constexpr int kCaptionGap = 4;
constexpr int kWidthStep = 4;

// A caption that wraps and toggles its box when clicked, as a check box's own caption does.
class WrappingCaption : public QLabel {
  public:
    WrappingCaption(const QString& text, QCheckBox* box, QWidget* parent)
        : QLabel(text, parent), box_(box)
    {
        setWordWrap(true);
    }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (isEnabled() && rect().contains(event->position().toPoint()))
            box_->toggle();
    }

  private:
    QCheckBox* box_;
};

} // namespace

CheckBox::CheckBox(Window& owner, std::string name, Rect box, const std::string& caption,
                   const TextStyle& style, Control* group, bool value)
    : Control(owner, std::move(name), box, new QWidget(group ? group->widget() : owner.surface()))
{
    auto* layout = new QHBoxLayout(widget());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kCaptionGap);
    box_ = new QCheckBox(widget());
    caption_ = new WrappingCaption(QString::fromStdString(caption), box_, widget());
    style.applyTo(caption_);
    // Box and caption share one middle, as Qt's own check box draws a caption of any length;
    // the caption keeps its natural height, so it stays clear of a frame above or below.
    layout->addWidget(box_, 0, Qt::AlignVCenter);
    layout->addWidget(caption_, 1, Qt::AlignVCenter);
    box_->setChecked(value);
    QObject::connect(box_, &QCheckBox::toggled, [this](bool) {
        if (Action)
            Action();
    });
}

void CheckBox::setCaption(const std::string& caption)
{
    caption_->setText(QString::fromStdString(caption));
}

int CheckBox::textWidth() const
{
    // The narrowest box whose caption wraps within its height.
    const int beside = box_->sizeHint().width() + kCaptionGap;
    const int widest = caption_->fontMetrics().horizontalAdvance(caption_->text());
    for (int width = std::max(1, Width() - beside); width < widest; width += kWidthStep) {
        if (caption_->heightForWidth(width) <= Height())
            return std::max(Width(), beside + width);
    }
    return std::max(Width(), beside + widest);
}

bool CheckBox::Value() const
{
    return box_->isChecked();
}

void CheckBox::setValue(bool value)
{
    box_->setChecked(value);
}

} // namespace platform
