// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the parents' settings file: any bytes read as the settings give values within
// their ranges, and a change written over them reads back.
#include "app/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    static int count = 0;
    // A new name each time: the toolkit keeps what it read of a file by its name.
    const QString path = folder.filePath(QStringLiteral("settings-%1.ini").arg(++count));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    TSettingsStore store(path);
    TParentSettings clamped = store.Values();
    clamped.Clamp();
    if (!(clamped == store.Values()))
        __builtin_trap();
    store.Update([](TParentSettings& s) { s.PianoVolume = 37; });
    if (TSettingsStore(path).Values() != store.Values())
        __builtin_trap();
    QFile::remove(path);
    return 0;
}
