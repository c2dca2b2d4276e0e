// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RzStatus.h"

#include "platform/VersionResource.h"

#include <QFile>
#include <climits>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

const char* const TRzVersionInfo::Keys[10] = {
    "CompanyName",     "FileDescription",  "FileVersion", "InternalName",   "LegalCopyright",
    "LegalTrademarks", "OriginalFilename", "ProductName", "ProductVersion", "Comments",
};

namespace {

const QString kValueNotAvailable = QStringLiteral("Value Not Available");

// The first entry of the translation table as "<language><code page>", empty without one.
QString TranslationName(const void* block) {
    const void* value = nullptr;
    std::uint32_t length = 0;
    if (!VerQueryValueA(block, "\\VarFileInfo\\Translation", &value, &length) || length < 4)
        return {};
    std::uint32_t entry;
    std::memcpy(&entry, value, sizeof entry);
    return QString::asprintf("%.4x%.4x", entry & 0xFFFF, entry >> 16);
}

QString StringValue(const void* block, const QString& path) {
    const void* value = nullptr;
    std::uint32_t length = 0;
    if (!VerQueryValueA(block, path.toLatin1().constData(), &value, &length))
        return {};
    const char* text = static_cast<const char*>(value);
    return QString::fromUtf8(text, qsizetype(strnlen(text, length)));
}

QStringList ValuesOf(const QByteArray& path, std::uint32_t size) {
    std::vector<char> block(size, '\0');
    GetFileVersionInfoA(path.constData(), size, block.data());
    const QString prefix = QStringLiteral("StringFileInfo\\%1\\").arg(TranslationName(block.data()));
    QStringList values;
    for (const char* key : TRzVersionInfo::Keys)
        values.append(StringValue(block.data(), prefix + QLatin1String(key)));
    return values;
}

} // namespace

TRzVersionInfo::TRzVersionInfo(QObject* owner) : TComponent(owner) {
    ReadVersionInfo();
}

void TRzVersionInfo::SetFilePath(const QString& path) {
    if (path == filePath_)
        return;
    filePath_ = path;
    if (!IsLoading())
        ReadVersionInfo();
}

QString TRzVersionInfo::ValueAt(int index) const {
    if (index < 0 || index >= values_.size())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    return values_.at(index);
}

void TRzVersionInfo::Loaded() {
    TComponent::Loaded();
    ReadVersionInfo();
}

void TRzVersionInfo::ReadVersionInfo() {
    if (filePath_.isEmpty()) {
        // The platform's call takes a fixed buffer; PATH_MAX holds any path this system can open.
        char module[PATH_MAX + 1];
        GetModuleFileNameA(module, sizeof module);
        filePath_ = QFile::decodeName(module);
    }
    const QByteArray path = QFile::encodeName(filePath_);
    const std::uint32_t size = GetFileVersionInfoSizeA(path.constData());
    versionInfoFound_ = size > 0;
    values_ = versionInfoFound_ ? ValuesOf(path, size) : QStringList(std::size(Keys), kValueNotAvailable);
}
