// SPDX-License-Identifier: GPL-3.0-or-later
// TRzVersionInfo: a non-visual component that reads ten strings of an executable's version
// resource (by default the program's own), for the main window's caption and notice.
#pragma once

#include "framework/Component.h"

#include <QString>
#include <QStringList>
#include <stdexcept>

// The string list's index error.
class EStringListError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

class TRzVersionInfo : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString FilePath READ FilePath WRITE SetFilePath)

public:
    // The keys of the value list, in index order.
    static const char* const Keys[10];

    explicit TRzVersionInfo(QObject* owner);

    QString FilePath() const { return filePath_; }
    void SetFilePath(const QString& path);

    // Throws EStringListError for an index outside 0 to 9.
    QString ValueAt(int index) const;
    bool VersionInfoFound() const { return versionInfoFound_; }

    QString CompanyName() const { return ValueAt(0); }
    QString FileDescription() const { return ValueAt(1); }
    QString FileVersion() const { return ValueAt(2); }
    QString InternalName() const { return ValueAt(3); }
    QString LegalCopyright() const { return ValueAt(4); }
    QString LegalTrademarks() const { return ValueAt(5); }
    QString OriginalFilename() const { return ValueAt(6); }
    QString ProductName() const { return ValueAt(7); }
    QString ProductVersion() const { return ValueAt(8); }
    QString Comments() const { return ValueAt(9); }

    // Reads again, so that a FilePath from the layout takes effect.
    void Loaded() override;

private:
    void ReadVersionInfo();

    QString filePath_;
    QStringList values_;
    bool versionInfoFound_ = false;
};
