// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the parents' settings file: any bytes give values within their ranges, the same
// from the file as from its text (the defaults past the size read), and the values written as
// text read back.
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
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const TParentSettings values = TParentSettings::FromIni(text);
    TParentSettings clamped = values;
    clamped.Clamp();
    if (clamped != values || TParentSettings::FromIni(values.ToIni()) != values)
        __builtin_trap();

    const QString path = folder.filePath(QStringLiteral("settings.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            std::abort();
    }
    const bool tooLarge = qint64(size) > TSettingsStore::MaxFileSize;
    if (TSettingsStore(path).Values() != (tooLarge ? TParentSettings() : values))
        __builtin_trap();
    return 0;
}
