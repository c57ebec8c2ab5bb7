// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/slider.h"

#include "platform/ui/window.h"

#include <QSlider>

namespace platform {

Slider::Slider(Window& owner, std::string name, Rect box, int minimum, int maximum, int lineStep,
               int pageStep, int value)
    : Control(owner, std::move(name), box, new QSlider(Qt::Horizontal, owner.surface())),
      slider_(static_cast<QSlider*>(widget()))
{
    slider_->setRange(minimum, maximum);
    slider_->setSingleStep(lineStep);
    slider_->setPageStep(pageStep);
    slider_->setTracking(true);
    slider_->setValue(value);
    QObject::connect(slider_, &QSlider::valueChanged, [this](int) {
        if (ValueChanged)
            ValueChanged();
    });
}

int Slider::Value() const
{
    return slider_->value();
}

void Slider::setValue(int value)
{
    slider_->setValue(value);
}

} // namespace platform
