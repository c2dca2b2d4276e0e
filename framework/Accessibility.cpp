// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Accessibility.h"
#include "framework/Controls.h"
#include "framework/Guard.h"

#include <QAccessibleWidget>

namespace {

class TControlAccessible : public QAccessibleWidget {
public:
    explicit TControlAccessible(TControl* control) : QAccessibleWidget(control, control->AccessibleRole()) {}

    QString text(QAccessible::Text t) const override {
        QString value = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && value.isEmpty())
            value = PlainCaption(Control()->Caption());
        return value;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (IsButton())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (IsButton() && name == pressAction()) {
            if (Control()->isEnabled())
                Guarded([this] { Control()->Click(); });
            return;
        }
        QAccessibleWidget::doAction(name);
    }

private:
    TControl* Control() const { return static_cast<TControl*>(widget()); }
    bool IsButton() const { return role() == QAccessible::Button; }
};

QAccessibleInterface* ControlAccessible(const QString&, QObject* object) {
    auto* control = qobject_cast<TControl*>(object);
    if (!control || control->AccessibleRole() == QAccessible::NoRole)
        return nullptr;
    return new TControlAccessible(control);
}

} // namespace

void InstallControlAccessibility() {
    QAccessible::installFactory(ControlAccessible);
}

QString PlainCaption(const QString& caption) {
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && ++i == caption.size())
            break;
        plain += caption[i];
    }
    return plain;
}
