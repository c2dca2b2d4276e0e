// SPDX-License-Identifier: GPL-3.0-or-later
// Components: named objects with an owner, a tag and published events. Both the
// non-visual components (QObject) and the controls (QWidget) carry this face.
#pragma once

#include "framework/Events.h"
#include "framework/Types.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

class TComponentBase {
public:
    explicit TComponentBase(QObject* self, QObject* owner);
    virtual ~TComponentBase();

    TComponentBase(const TComponentBase&) = delete;
    TComponentBase& operator=(const TComponentBase&) = delete;

    QObject* Self() const { return self_; }
    QObject* Owner() const { return owner_; }
    QString Name() const { return self_->objectName(); }
    void SetName(const QString& name) { self_->objectName() == name ? void() : self_->setObjectName(name); }

    TComponentState ComponentState() const { return state_; }
    bool IsLoading() const { return state_.testFlag(csLoading); }
    bool IsDesigning() const { return state_.testFlag(csDesigning); }
    bool IsDestroying() const { return state_.testFlag(csDestroying); }

    // Called by the layout reader before the first property and after the last one.
    void BeginLoading() { state_ |= csLoading | csReading; }
    virtual void Loaded() { state_ &= ~TComponentState(csLoading | csReading); }

    // Published events by name ("OnClick"), for binding from a layout.
    TEventBase* FindEvent(const QString& name) const { return events_.value(name, nullptr); }
    QStringList EventNames() const { return events_.keys(); }

    // Nesting in a layout: the object this component was written inside. Controls take it
    // as their parent control; lists take their items.
    virtual void SetParentComponent(QObject* parent);

    // Raw binary property data from a layout ("FileData", "Glyph.Data", "Picture.Data").
    // Returns false for a name the component does not know; throws on bad data.
    virtual bool ReadBinaryProperty(const QString& name, const QByteArray& data);

    // The component with this name among the ones this component owns, or null.
    QObject* FindComponent(const QString& name) const;

    static TComponentBase* From(QObject* object);

protected:
    void PublishEvent(const QString& name, TEventBase& event) { events_.insert(name, &event); }
    void SetDestroying() { state_ |= csDestroying; }

private:
    QObject* self_;
    QObject* owner_;
    TComponentState state_;
    QHash<QString, TEventBase*> events_;
};

// A non-visual component; it is a child of its owner, which destroys it.
class TComponent : public QObject, public TComponentBase {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)

public:
    explicit TComponent(QObject* owner);
    ~TComponent() override;

    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

private:
    int tag_ = 0;
};
