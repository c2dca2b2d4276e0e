// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a window from its stored layout: creates the components through a class registry,
// applies their properties in declared order, reads binary data, binds events to the
// window's slots by name and resolves references between components.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>
#include <stdexcept>

// A broken layout. what() reads "uMain.layout:12: property 'Font.Hight': unknown property of TLabel".
class ELayoutError : public std::runtime_error {
public:
    ELayoutError(const QString& file, int line, const QString& property, const QString& message);

    QString File;
    int Line = 0; // 0 when the error concerns the whole file
    QString Property;
    QString Message; // the text without file, line and property
};

using TComponentFactory = std::function<QObject*(QObject* owner)>;

// The factory must return a QObject carrying TComponentBase, owned by `owner`.
void RegisterComponentClass(const QString& className, TComponentFactory factory);

template <class T> void RegisterComponentClass() {
    RegisterComponentClass(QString::fromLatin1(T::staticMetaObject.className()),
                           [](QObject* owner) -> QObject* { return new T(owner); });
}

bool IsComponentClassRegistered(const QString& className);

// Captions and hints of a layout are shown in the language of the application's translators,
// looked up with the window's class as context: when the layout is read, and again by
// RetranslateLayout (after the language changed). Texts in a symbol font draw pictures, not
// words, and stay as they are.
void RegisterSymbolFont(const QString& family);
void RetranslateLayout(QObject* root);

// Reads a layout file (also a Qt resource such as ":/layouts/uMain.layout") into `root`,
// a window already constructed by code; errors name the file by its base name.
void ReadLayout(QObject* root, const QString& fileName);

// As ReadLayout, from text in memory; `fileName` only names the layout in errors.
void ReadLayoutText(QObject* root, const QByteArray& text, const QString& fileName);
