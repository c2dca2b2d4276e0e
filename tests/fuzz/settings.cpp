// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the parents' settings file: any bytes read as the settings give values within
// their ranges, and a change written over them reads back.
#include "app/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// Inputs up to past the largest file read, so that the size limit is reached too.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<char*> arguments(*argv, *argv + *argc);
    static char maxLength[] = "-max_len=66000";
    for (char* argument : arguments)
        if (std::strncmp(argument, "-max_len=", 9) == 0)
            return 0;
    arguments.insert(arguments.begin() + 1, maxLength);
    *argc = int(arguments.size());
    *argv = arguments.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.ini"));
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
    if (size > std::size_t(TSettingsStore::MaxFileSize) && !(store.Values() == TParentSettings()))
        __builtin_trap();
    store.Update([](TParentSettings& s) { s.PianoVolume = 37; });
    store.Flush();
    if (TSettingsStore(path).Values() != store.Values())
        __builtin_trap();
    QFile::remove(path);
    return 0;
}
