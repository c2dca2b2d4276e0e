// SPDX-License-Identifier: GPL-3.0-or-later
// Notify events: a component's event holds a handler bound to an object's method and
// calls it with the component as Sender, only when assigned.
#pragma once

#include <QMetaMethod>
#include <QObject>
#include <QString>
#include <functional>
#include <type_traits>

// Type-erased face of an event, so that a layout can bind it to a method found by name.
class TEventBase {
public:
    virtual ~TEventBase() = default;
    // Binds the event to `method` of `target`; returns an error text when the method's
    // parameters do not fit the event, else an empty string.
    virtual QString Bind(QObject* target, const QMetaMethod& method) = 0;
    virtual bool Assigned() const = 0;
    virtual void Clear() = 0;
};

template <class... Args> class TEvent : public TEventBase {
public:
    using Handler = std::function<void(Args...)>;

    TEvent& operator=(Handler handler) {
        handler_ = std::move(handler);
        return *this;
    }

    // Binds to a member function of an object, the usual way code assigns a handler.
    template <class C, class M> void Set(C* object, M method) {
        handler_ = [object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); };
    }

    bool Assigned() const override { return static_cast<bool>(handler_); }
    void Clear() override { handler_ = nullptr; }

    void operator()(Args... args) const {
        if (handler_)
            handler_(std::forward<Args>(args)...);
    }

    QString Bind(QObject* target, const QMetaMethod& method) override {
        if (method.parameterCount() != int(sizeof...(Args)))
            return QStringLiteral("method %1 takes %2 parameters, the event passes %3")
                .arg(QString::fromLatin1(method.name()))
                .arg(method.parameterCount())
                .arg(sizeof...(Args));
        if (!ParameterTypesFit(method, std::index_sequence_for<Args...>{}))
            return QStringLiteral("method %1 has parameter types that do not fit the event")
                .arg(QString::fromLatin1(method.name()));
        const int index = method.methodIndex();
        handler_ = [target, index](Args... args) {
            void* argv[] = {nullptr, const_cast<void*>(static_cast<const void*>(&args))...};
            target->qt_metacall(QMetaObject::InvokeMetaMethod, index, argv);
        };
        return {};
    }

private:
    template <class A> static bool ParameterFits(const QMetaMethod& method, int i) {
        const QMetaType actual = method.parameterMetaType(i);
        if constexpr (std::is_reference_v<A>) {
            // moc keeps no meta type for reference parameters; compare the spelled type.
            const QByteArray name = method.parameterTypeName(i);
            const QByteArray expected = QMetaType::fromType<std::remove_cvref_t<A>>().name();
            return name.endsWith('&') &&
                   (expected.endsWith(name.chopped(1)) || name.chopped(1).endsWith(expected));
        } else {
            if (!actual.isValid())
                return true;
            if (actual == QMetaType::fromType<A>())
                return true;
            // Any QObject pointer can carry the Sender.
            return std::is_same_v<A, QObject*> && (actual.flags() & QMetaType::PointerToQObject);
        }
    }
    template <std::size_t... I>
    static bool ParameterTypesFit(const QMetaMethod& method, std::index_sequence<I...>) {
        return (ParameterFits<Args>(method, int(I)) && ...);
    }

    Handler handler_;
};

using TNotifyEvent = TEvent<QObject*>;
