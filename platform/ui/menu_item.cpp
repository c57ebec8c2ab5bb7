// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ui/menu_item.h"

#include "platform/ui/menu_bar.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace platform {

MenuItem::MenuItem() : action_(new QAction)
{
    QObject::connect(action_, &QAction::triggered, [this] { MenuBar::dispatch(*this); });
}

MenuItem::~MenuItem()
{
    children_.clear();
    delete action_;
}

void MenuItem::setText(const std::string& text)
{
    text_ = text;
    action_->setSeparator(text == "-");
    retranslate();
}

void MenuItem::retranslate()
{
    const QString shown = QCoreApplication::translate("Menu1", text_.c_str());
    action_->setText(shown);
    if (menu_)
        menu_->setTitle(shown);
    for (const auto& child : children_)
        child->retranslate();
}

void MenuItem::setKeyboardShortcut(const std::string& shortcut)
{
    shortcut_ = shortcut;
    QString sequence = QString::fromStdString(shortcut);
    // Qt's Ctrl is the Command key on macOS and Control elsewhere: the menu key itself.
    sequence.replace(QStringLiteral("Cmd"), QStringLiteral("Ctrl"));
    action_->setShortcut(QKeySequence(sequence));
    // Whichever of the toy's windows has the keys: on several screens that may be any stage.
    action_->setShortcutContext(Qt::ApplicationShortcut);
}

bool MenuItem::Enabled() const
{
    return action_->isEnabled();
}

void MenuItem::setEnable(bool enabled)
{
    action_->setEnabled(enabled);
}

QMenu* MenuItem::menu()
{
    if (!menu_) {
        menu_ = std::make_unique<QMenu>(action_->text());
        QObject::connect(menu_.get(), &QMenu::aboutToShow, [] { MenuBar::enablePass(); });
    }
    return menu_.get();
}

void MenuItem::Append(std::unique_ptr<MenuItem> item)
{
    item->placeOnPlatform();
    menu()->addAction(item->action());
    children_.push_back(std::move(item));
}

MenuItem* MenuItem::Child(const std::string& name) const
{
    for (const auto& child : children_) {
        if (child->Name() == name)
            return child.get();
    }
    return nullptr;
}

} // namespace platform
