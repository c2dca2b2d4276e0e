// SPDX-License-Identifier: GPL-3.0-or-later
// The WAV player component: plays one waveform sound from a file, a resource, a WAV image kept in
// the form data, or a system sound alias, through the platform's PlaySoundA.
#pragma once

#include "framework/Component.h"
#include "platform/PlaySound.h"

#include <QByteArray>
#include <QString>

#include <stdexcept>

// Base of the player; `About` is published for the designer and does nothing.
class TabfComponent : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString About READ About WRITE SetAbout STORED false)

public:
    explicit TabfComponent(QObject* owner);

    QString About() const { return about_; }
    void SetAbout(const QString& about) { about_ = about; }

private:
    QString about_;
};

class EabfFileStorage : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Keeps a block of raw data in memory, loaded from a file or from the "FileData" of a layout.
class TabfCustomFileStorage : public TabfComponent {
    Q_OBJECT

public:
    explicit TabfCustomFileStorage(QObject* owner);

    quint32 DataSize() const { return quint32(data_.size()); }
    // DataSize follows the data; a layout cannot set it.
    void SetDataSize(quint32) {}
    const QByteArray& Data() const { return data_; }

    QString FileName() const { return fileName_; }
    // While the form is designed, naming a file also loads it.
    virtual void SetFileName(const QString& fileName);

    // Replaces the data with the contents of `fileName`; a missing file leaves it empty.
    // Throws EabfFileStorage when the file exists but cannot be read.
    void LoadFromFile(const QString& fileName);
    void ClearData() { data_ = QByteArray(); }

    // "FileData": a 4-byte little-endian count, then that many data bytes.
    bool ReadBinaryProperty(const QString& name, const QByteArray& data) override;
    QByteArray WriteFileData() const;

protected:
    void StoreFileName(const QString& fileName) { fileName_ = fileName; }

private:
    QByteArray data_;
    QString fileName_;
};

class TabfWav : public TabfCustomFileStorage {
    Q_OBJECT
    Q_PROPERTY(bool AsyncPlay READ AsyncPlay WRITE SetAsyncPlay)
    Q_PROPERTY(quint32 DataSize READ DataSize WRITE SetDataSize STORED false)
    Q_PROPERTY(QString EventAlias READ EventAlias WRITE SetEventAlias)
    Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
    Q_PROPERTY(bool Looped READ Looped WRITE SetLooped)
    Q_PROPERTY(bool NoDefaultSound READ NoDefaultSound WRITE SetNoDefaultSound)
    Q_PROPERTY(bool NoStopSound READ NoStopSound WRITE SetNoStopSound)
    Q_PROPERTY(bool NoWaitIfBusy READ NoWaitIfBusy WRITE SetNoWaitIfBusy)
    Q_PROPERTY(TabfWavPlayFrom PlayFrom READ PlayFrom WRITE SetPlayFrom)
    Q_PROPERTY(QString ResourceName READ ResourceName WRITE SetResourceName)

public:
    enum TabfWavPlayFrom { pfFile, pfResource, pfDFM, pfSystemEvent };
    Q_ENUM(TabfWavPlayFrom)

    using PlaySoundFn = bool (*)(const void* sound, void* module, unsigned flags);
    // The platform call; tests replace it to see the exact arguments.
    static inline PlaySoundFn PlaySoundFunction = &::PlaySoundA;

    explicit TabfWav(QObject* owner);
    ~TabfWav() override;

    Q_INVOKABLE virtual void Play();
    Q_INVOKABLE virtual void Stop();

    bool AsyncPlay() const { return asyncPlay_; }
    void SetAsyncPlay(bool value);
    bool Looped() const { return looped_; }
    void SetLooped(bool value);
    bool NoDefaultSound() const { return noDefaultSound_; }
    void SetNoDefaultSound(bool value) { noDefaultSound_ = value; }
    bool NoStopSound() const { return noStopSound_; }
    void SetNoStopSound(bool value) { noStopSound_ = value; }
    bool NoWaitIfBusy() const { return noWaitIfBusy_; }
    void SetNoWaitIfBusy(bool value);
    TabfWavPlayFrom PlayFrom() const { return playFrom_; }
    void SetPlayFrom(TabfWavPlayFrom value);
    QString ResourceName() const { return resourceName_; }
    void SetResourceName(const QString& value);
    QString EventAlias() const { return eventAlias_; }
    void SetEventAlias(const QString& value);
    void SetFileName(const QString& value) override;

    // True only while Play runs.
    bool Busy() const { return busy_; }

    TNotifyEvent OnPlayAfter;
    TNotifyEvent OnPlayBefore;

private:
    void PrepareCall();

    bool asyncPlay_ = true;
    bool looped_ = false;
    bool noDefaultSound_ = true;
    bool noStopSound_ = false;
    TabfWavPlayFrom playFrom_ = pfFile;
    QString resourceName_ = QStringLiteral("WAVE1");
    bool noWaitIfBusy_ = true;
    QString eventAlias_ = QStringLiteral(".Default");
    bool busy_ = false;

    QByteArray preparedBytes_; // what preparedSound_ points into
    const void* preparedSound_ = nullptr;
    unsigned preparedFlags_ = 0;
    void* preparedModule_ = nullptr;
};
