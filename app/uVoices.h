// SPDX-License-Identifier: GPL-3.0-or-later
// The parent's own voice: every prompt of the current language with its words, and for each
// Record, Stop, Play and Remove. A parent's recording plays instead of the game's in every level.
#pragma once

#include "framework/Forms.h"
#include "platform/VoiceRecorder.h"

#include <QVector>

class TLabel;
class TXiButton;

class TfrmVoices : public TForm {
    Q_OBJECT
public:
    explicit TfrmVoices(QObject* owner);

    // The prompts of a language in the order the table lists them: file name and words.
    static QVector<QPair<QString, QString>> Prompts(const QString& language);

    TLabel* lblTitle;
    TLabel* lblStatus;

private:
    struct TRow {
        QString name;
        TLabel* lblText;
        TLabel* lblOwn;
        TXiButton* btnRecord;
        TXiButton* btnStop;
        TXiButton* btnPlay;
        TXiButton* btnRemove;
    };
    void Build();
    QString OwnFile(const TRow& row) const;
    void ShowRows();
    void RecordClick(int row);
    void StopClick(int row);
    void PlayClick(int row);
    void RemoveClick(int row);

    QString language_;
    QVector<TRow> rows_;
    TVoiceRecorder recorder_;
    int recording_ = -1;
};
