// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/abfComponents.h"

#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QtEndian>

TabfComponent::TabfComponent(QObject* owner) : TComponent(owner) {}

TabfCustomFileStorage::TabfCustomFileStorage(QObject* owner) : TabfComponent(owner) {}

void TabfCustomFileStorage::SetFileName(const QString& fileName) {
    fileName_ = fileName;
    if (IsDesigning())
        LoadFromFile(fileName);
}

void TabfCustomFileStorage::LoadFromFile(const QString& fileName) {
    ClearData();
    // Layouts name files with backslashes ("sounds\clap.wav").
    const QString path = QString(fileName).replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError)
        throw EabfFileStorage(
            QStringLiteral("Can not load data from the \"%1\" file").arg(fileName).toStdString());
    data_ = bytes;
}

bool TabfCustomFileStorage::ReadBinaryProperty(const QString& name, const QByteArray& data) {
    if (name != QLatin1String("FileData"))
        return TabfComponent::ReadBinaryProperty(name, data);
    if (data.size() < 4)
        throw EabfFileStorage("FileData lacks its 4-byte length");
    const quint32 count = qFromLittleEndian<quint32>(data.constData());
    if (count != quint64(data.size() - 4))
        throw EabfFileStorage(QStringLiteral("FileData declares %1 bytes but holds %2")
                                  .arg(count)
                                  .arg(data.size() - 4)
                                  .toStdString());
    data_ = data.mid(4);
    return true;
}

QByteArray TabfCustomFileStorage::WriteFileData() const {
    QByteArray out(4, '\0');
    qToLittleEndian<quint32>(DataSize(), out.data());
    return out + data_;
}

TabfWav::TabfWav(QObject* owner) : TabfCustomFileStorage(owner) {
    PublishEvent(QStringLiteral("OnPlayAfter"), OnPlayAfter);
    PublishEvent(QStringLiteral("OnPlayBefore"), OnPlayBefore);
}

TabfWav::~TabfWav() {
    Stop();
}

void TabfWav::PrepareCall() {
    preparedFlags_ = 0;
    preparedModule_ = nullptr;
    if (asyncPlay_)
        preparedFlags_ |= SND_ASYNC;
    if (looped_)
        preparedFlags_ |= SND_LOOP;
    if (noDefaultSound_)
        preparedFlags_ |= SND_NODEFAULT;
    if (noStopSound_)
        preparedFlags_ |= SND_NOSTOP;
    if (noWaitIfBusy_)
        preparedFlags_ |= SND_NOWAIT;
    // preparedBytes_ shares the text or data, so it stays alive even when an event handler
    // changes the property it came from before the platform call.
    switch (playFrom_) {
    case pfFile:
        preparedFlags_ |= SND_FILENAME;
        preparedBytes_ = QFile::encodeName(FileName());
        preparedSound_ = preparedBytes_.constData();
        break;
    case pfResource:
        preparedFlags_ |= SND_RESOURCE;
        preparedBytes_ = resourceName_.toLocal8Bit();
        preparedSound_ = preparedBytes_.constData();
        preparedModule_ = ProgramInstance();
        break;
    case pfDFM:
        preparedFlags_ |= SND_MEMORY;
        preparedBytes_ = Data();
        preparedSound_ = nullptr;
        if (!preparedBytes_.isEmpty()) {
            // The platform takes an image's length from its RIFF header: data that claims more
            // than it holds goes over as plainly no WAV, never as memory to read past.
            static constexpr char NoWave[4] = {};
            const bool safe =
                IsSafeSoundImage(preparedBytes_.constData(), std::size_t(preparedBytes_.size()));
            preparedSound_ = safe ? preparedBytes_.constData() : NoWave;
        }
        break;
    case pfSystemEvent:
        preparedFlags_ |= SND_ALIAS;
        preparedBytes_ = eventAlias_.toLocal8Bit();
        preparedSound_ = preparedBytes_.constData();
        break;
    }
}

void TabfWav::Play() {
    PrepareCall();
    busy_ = true;
    const auto clearBusy = qScopeGuard([this] { busy_ = false; });
    OnPlayBefore(this);
    PlaySoundFunction(preparedSound_, preparedModule_, preparedFlags_);
    OnPlayAfter(this);
}

void TabfWav::Stop() {
    busy_ = false;
    PlaySoundFunction(nullptr, nullptr, 0);
}

void TabfWav::SetAsyncPlay(bool value) {
    if (value == asyncPlay_)
        return;
    asyncPlay_ = value;
    if (value && busy_)
        Stop();
}

void TabfWav::SetLooped(bool value) {
    if (value == looped_)
        return;
    looped_ = value;
    if (busy_) {
        Stop();
        if (looped_)
            Play();
    }
}

void TabfWav::SetNoWaitIfBusy(bool value) {
    if (value == noWaitIfBusy_)
        return;
    noWaitIfBusy_ = value;
    if (value && busy_) {
        Stop();
        Play();
    }
}

void TabfWav::SetFileName(const QString& value) {
    if (value == FileName())
        return;
    if (playFrom_ != pfDFM) {
        StoreFileName(value);
        return;
    }
    TabfCustomFileStorage::SetFileName(value);
    busy_ ? Play() : Stop();
}

void TabfWav::SetResourceName(const QString& value) {
    if (value == resourceName_)
        return;
    resourceName_ = value;
    if (playFrom_ == pfResource && busy_)
        Play();
}

void TabfWav::SetEventAlias(const QString& value) {
    if (value == eventAlias_)
        return;
    eventAlias_ = value;
    if (playFrom_ == pfSystemEvent)
        busy_ ? Play() : Stop();
}

void TabfWav::SetPlayFrom(TabfWavPlayFrom value) {
    if (value == playFrom_)
        return;
    playFrom_ = value;
    if (value == pfDFM)
        LoadFromFile(FileName());
    else
        ClearData();
}
