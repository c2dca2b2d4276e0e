// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting one preset out of a SoundFont: the piano of the packaged General MIDI set, and files
// that are broken or lack the preset.
#include "platform/MidiStream.h"
#include "platform/SoundFontSubset.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Subset(const std::string& font, int bank, int program) {
    const auto read = [&font](std::uint64_t offset, std::size_t size, char* out) {
        if (offset > font.size() || size > font.size() - offset)
            return false;
        std::memcpy(out, font.data() + offset, size);
        return true;
    };
    return SoundFontSubset(read, font.size(), bank, program);
}

std::string PackagedFont() {
    QFile file(QString::fromStdString(SoundFontPath()));
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST(SoundFontSubset, PianoOfTheGeneralMidiSetIsASmallSoundFontOfItsOwn) {
    const std::string font = PackagedFont();
    ASSERT_FALSE(font.empty()) << "the TimGM6mb SoundFont is not installed";
    const std::string piano = Subset(font, 0, 0);
    ASSERT_FALSE(piano.empty());
    EXPECT_EQ(piano.substr(0, 4), "RIFF");
    EXPECT_EQ(piano.substr(8, 4), "sfbk");
    // The piano's nine samples and its zones, not the six megabytes of the whole set.
    EXPECT_LT(piano.size(), 256u * 1024);
    // It is a SoundFont this reader takes apart again the same way, and it holds nothing else.
    EXPECT_EQ(Subset(piano, 0, 0), piano);
    EXPECT_TRUE(Subset(piano, 128, 0).empty());
    EXPECT_TRUE(Subset(piano, 0, 1).empty());
}

TEST(SoundFontSubset, BrokenFilesGiveNothing) {
    const std::string font = PackagedFont();
    ASSERT_FALSE(font.empty());
    const std::string piano = Subset(font, 0, 0);
    ASSERT_FALSE(piano.empty());
    std::string wrongSize = piano;
    wrongSize[4] = char(0xFF); // a RIFF size beyond the file: cut at the file's end
    std::string tableCut = piano;
    const std::size_t phdr = tableCut.find("phdr");
    tableCut[phdr + 4] = char(tableCut[phdr + 4] - 1); // no longer whole records
    for (const std::string& broken :
         {std::string(), std::string("RIFF\x04\x00\x00\x00sfbk", 12), piano.substr(0, piano.size() / 2),
          piano.substr(0, piano.size() - 47), tableCut, std::string(piano).replace(8, 4, "WAVE")}) {
        SCOPED_TRACE(broken.size());
        EXPECT_TRUE(Subset(broken, 0, 0).empty());
    }
    EXPECT_EQ(Subset(wrongSize, 0, 0), piano);
}

} // namespace
