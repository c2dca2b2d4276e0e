// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz corpus in normal runs: the files of known decoder faults give their sound
// outcome, and every file of the corpus loads or fails cleanly and then draws and plays.
#include "../framework/qt_app.h"
#include "fake_clock.h"
#include "pictures/GIFImage.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kCorpus = QStringLiteral(TP_SOURCE_DIR "/tests/fuzz/corpus/gif/");

QByteArray Read(const QString& name) {
    QFile file(kCorpus + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

} // namespace

TEST(GifRegressions, KnownDecoderFaultsEndSoundly) {
    struct Case {
        const char* File;
        const char* Error; // null: loads
        QStringList Warnings;
    };
    const Case cases[] = {
        {"regression-lzw-code-size-12.gif", "Invalid GIF data", {}},
        {"regression-lzw-code-not-in-table.gif", "Circular decoder table entry", {}},
        {"regression-lzw-self-reference.gif", "Circular decoder table entry", {}},
        {"regression-zero-width.gif", nullptr, {"Image exceeds Logical Screen size"}},
        {"regression-size-overflow.gif", "Frame of 65535 x 65535 pixels is too large", {}},
        {"regression-background-outside-palette.gif", nullptr, {}},
        {"regression-truncated-last-frame.gif", nullptr, {"Premature end of data"}},
        {"regression-empty-interlaced-frame.gif", nullptr, {"Image exceeds Logical Screen size"}},
    };
    for (const Case& c : cases) {
        TGIFImage picture;
        QStringList warnings;
        picture.WarningHandler = [&](QObject*, TGIFSeverity, const QString& message) { warnings << message; };
        std::string error;
        try {
            picture.LoadFromData(Read(QString::fromLatin1(c.File)));
        } catch (const GIFException& e) {
            error = e.what();
        }
        EXPECT_EQ(error, c.Error ? c.Error : "") << c.File;
        EXPECT_EQ(warnings, c.Warnings) << c.File;
        EXPECT_EQ(picture.Empty(), c.Error != nullptr) << c.File;
    }
}

TEST(GifRegressions, EveryCorpusFileLoadsOrFailsCleanlyThenPlays) {
    EnsureQtApp();
    const QStringList files = QDir(kCorpus).entryList(QDir::Files);
    ASSERT_GE(files.size(), 8);
    for (const QString& name : files) {
        TGIFImage picture;
        FakeClock clock;
        picture.SetClock(&clock);
        try {
            picture.LoadFromData(Read(name));
        } catch (const GIFException&) {
            continue;
        }
        QImage target(30, 30, QImage::Format_RGB32);
        target.fill(Qt::gray);
        TCanvas canvas(&target);
        picture.Draw(canvas, {0, 0, 30, 30});
        TGIFPainter::Create(&picture, &canvas, {0, 0, 30, 30},
                            poAnimate | poTransparent | poClearAtLoopStart);
        picture.StopPainting();
        EXPECT_TRUE(NoPainters(picture)) << name.toStdString();
    }
}
