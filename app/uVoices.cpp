// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uVoices.h"
#include "controls/XiButton.h"
#include "framework/StdCtrls.h"
#include "platform/PlaySound.h"
#include "platform/Voices.h"

#include <QFile>
#include <QFileInfo>

namespace {

constexpr int RowTop = 64, RowHeight = 31, ButtonWidth = 84, TextWidth = 330, Margin = 16;

TXiButton* RowButton(TForm* form, const QString& caption, int left, int top) {
    auto* button = new TXiButton(form);
    button->SetParent(form);
    button->SetBounds(left, top, ButtonWidth, RowHeight - 4);
    button->SetCaption(caption);
    button->Font()->SetHeight(-14);
    button->Font()->SetName(QStringLiteral("Arial"));
    return button;
}

TLabel* Label(TForm* form, const QString& caption, int left, int top, int width, int height, int fontHeight) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetBounds(left, top, width, height);
    label->SetCaption(caption);
    label->Font()->SetHeight(fontHeight);
    label->Font()->SetName(QStringLiteral("Arial"));
    return label;
}

} // namespace

QVector<QPair<QString, QString>> TfrmVoices::Prompts(const QString& language) {
    QFile file(QStringLiteral(":/sounds/prompts.tsv"));
    QVector<QPair<QString, QString>> prompts;
    if (!file.open(QIODevice::ReadOnly))
        return prompts;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    int column = -1;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (column < 0)
            column = int(cells.indexOf(language));
        else if (column > 0 && column < cells.size())
            prompts.append({cells[0], cells[column]});
        if (column == 0)
            break;
    }
    return prompts;
}

TfrmVoices::TfrmVoices(QObject* owner) : TForm(owner), language_(VoiceLanguage()) {
    SetCaption(tr("Tovimar Plumkin: Record the Voice"));
    SetPosition(fw::poScreenCenter);
    Build();
    ShowRows();
}

void TfrmVoices::Build() {
    const QVector<QPair<QString, QString>> prompts = Prompts(language_);
    const int width = Margin + TextWidth + 4 * (ButtonWidth + 6) + 90 + Margin;
    SetClientWidth(width);
    SetClientHeight(RowTop + int(prompts.size()) * RowHeight + 70);
    lblTitle = Label(this,
                     tr("Record the voice: %1")
                         .arg(VoiceKind(language_) == TVoiceKind::Recorded
                                  ? tr("the game's voice was recorded for this game")
                                  : tr("the game's voice is a computer voice")),
                     Margin, 14, width - 2 * Margin, 40, -18);
    for (int i = 0; i < prompts.size(); ++i) {
        const int top = RowTop + i * RowHeight;
        TRow row{
            prompts[i].first, Label(this, prompts[i].second, Margin, top + 5, TextWidth, RowHeight - 6, -16),
            nullptr,          nullptr,
            nullptr,          nullptr,
            nullptr};
        int left = Margin + TextWidth;
        row.btnRecord = RowButton(this, tr("Record"), left, top);
        row.btnStop = RowButton(this, tr("Stop"), left += ButtonWidth + 6, top);
        row.btnPlay = RowButton(this, tr("Play"), left += ButtonWidth + 6, top);
        row.btnRemove = RowButton(this, tr("Remove"), left += ButtonWidth + 6, top);
        row.lblOwn = Label(this, QString(), left + ButtonWidth + 10, top + 6, 90, RowHeight - 6, -13);
        row.btnRecord->OnClick = [this, i](QObject*) { RecordClick(i); };
        row.btnStop->OnClick = [this, i](QObject*) { StopClick(i); };
        row.btnPlay->OnClick = [this, i](QObject*) { PlayClick(i); };
        row.btnRemove->OnClick = [this, i](QObject*) { RemoveClick(i); };
        rows_.append(row);
    }
    lblStatus = Label(this, QString(), Margin, RowTop + int(prompts.size()) * RowHeight + 12,
                      width - 2 * Margin, 48, -15);
    lblStatus->SetWordWrap(true);
}

QString TfrmVoices::OwnFile(const TRow& row) const {
    return ParentVoiceFolder(language_) + QLatin1Char('/') + row.name + QStringLiteral(".wav");
}

void TfrmVoices::ShowRows() {
    for (int i = 0; i < rows_.size(); ++i) {
        const TRow& row = rows_[i];
        const bool own = QFileInfo(OwnFile(row)).isFile();
        row.lblOwn->SetCaption(own ? tr("your voice") : QString());
        row.btnRecord->SetEnabled(recording_ < 0);
        row.btnStop->SetEnabled(recording_ == i);
        row.btnPlay->SetEnabled(recording_ < 0);
        row.btnRemove->SetEnabled(recording_ < 0 && own);
    }
}

void TfrmVoices::RecordClick(int row) {
    PlaySoundA(nullptr, nullptr, 0);
    const QString problem = recorder_.Start();
    if (!problem.isEmpty()) {
        lblStatus->SetCaption(problem);
        return;
    }
    recording_ = row;
    lblStatus->SetCaption(tr("Listening... say \"%1\", then press Stop.").arg(rows_[row].lblText->Caption()));
    ShowRows();
}

void TfrmVoices::StopClick(int row) {
    if (row != recording_)
        return;
    const std::vector<float> heard = recorder_.Stop();
    recording_ = -1;
    const TPreparedVoice voice = PrepareVoice(heard, TVoiceRecorder::Rate);
    QString problem = voice.problem;
    if (problem.isEmpty())
        problem = SaveVoice(OwnFile(rows_[row]), voice.samples, TVoiceRecorder::Rate);
    lblStatus->SetCaption(
        problem.isEmpty()
            ? tr("Kept. The game now says \"%1\" in your voice.").arg(rows_[row].lblText->Caption())
            : problem + QLatin1Char(' ') + tr("What was there is kept."));
    ShowRows();
}

void TfrmVoices::PlayClick(int row) {
    const QByteArray name = QStringLiteral("sounds\\%1.wav").arg(rows_[row].name).toUtf8();
    PlaySoundA(name.constData(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void TfrmVoices::RemoveClick(int row) {
    if (QFile::remove(OwnFile(rows_[row])))
        lblStatus->SetCaption(
            tr("Removed. The game's own voice says \"%1\" again.").arg(rows_[row].lblText->Caption()));
    ShowRows();
}
