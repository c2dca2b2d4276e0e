// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Component.h"

TComponentBase::TComponentBase(QObject* self, QObject* owner) : self_(self), owner_(owner) {}

TComponentBase::~TComponentBase() = default;

void TComponentBase::SetParentComponent(QObject*) {}

bool TComponentBase::ReadBinaryProperty(const QString&, const QByteArray&) {
    return false;
}

QObject* TComponentBase::FindComponent(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    const QList<QObject*> all = self_->findChildren<QObject*>(name);
    for (QObject* object : all) {
        const TComponentBase* component = From(object);
        if (component && component->Owner() == self_)
            return object;
    }
    return nullptr;
}

TComponentBase* TComponentBase::From(QObject* object) {
    return dynamic_cast<TComponentBase*>(object);
}

TComponent::TComponent(QObject* owner) : QObject(owner), TComponentBase(this, owner) {}

TComponent::~TComponent() {
    SetDestroying();
}
