// SPDX-License-Identifier: GPL-3.0-or-later
// The program's version resource. It is placed in the executable's ".tp_version" section, where
// the version reader finds it by reading the program's own file; no code refers to it, so `used`
// keeps the compiler and `retain` the linker (also with --gc-sections) from dropping it.
#include "platform/VersionResource.h"

namespace {

constexpr VersionTranslation kTranslations[] = {{0x0409, 0x04E4}};

constexpr VersionString kStrings[] = {
    {"CompanyName", "Tovimar"},
    {"FileDescription", ""},
    {"FileVersion", "0.1.0.0"},
    {"InternalName", "ZUNO"},
    {"LegalCopyright", "\u00a9 2026 Tovimar"},
    {"LegalTrademarks", ""},
    {"OriginalFilename", ""},
    {"ProductName", "Tovimar Plumkin"},
    {"ProductVersion", "0.1.0.0 Beta"},
    {"Comments", ""},
};

constexpr VersionBlockContents kProgramVersion{
    .fileVersion = {0, 1, 0, 0},
    .productVersion = {0, 1, 0, 0},
    .translations = kTranslations,
    .stringTable = "040904E4",
    .strings = kStrings,
};

[[gnu::section(".tp_version"), gnu::used, gnu::retain]] constexpr auto kVersionBlock =
    MakeVersionBlock<version_block::BlockSize(kProgramVersion)>(kProgramVersion);

} // namespace
