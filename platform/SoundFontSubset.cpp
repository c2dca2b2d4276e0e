// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SoundFontSubset.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// INFO and the preset data of a whole General MIDI set stay far below this.
constexpr std::uint32_t MaxTableBytes = 16u << 20;
// Zeros after each sample, as the format asks.
constexpr std::uint32_t SamplePadding = 46;
constexpr std::uint16_t GenInstrument = 41;
constexpr std::uint16_t GenSampleId = 53;
constexpr std::uint16_t RomSample = 0x8000;
constexpr std::uint16_t LinkedTypes = 2 | 4 | 8; // right, left, linked

std::uint16_t U16(std::string_view s, std::size_t at) {
    return std::uint16_t(std::uint8_t(s[at]) | std::uint8_t(s[at + 1]) << 8);
}
std::uint32_t U32(std::string_view s, std::size_t at) {
    return U16(s, at) | std::uint32_t(U16(s, at + 2)) << 16;
}
void Put16(std::string& s, std::size_t at, std::uint16_t value) {
    s[at] = char(value & 0xFF);
    s[at + 1] = char(value >> 8);
}
void Put32(std::string& s, std::size_t at, std::uint32_t value) {
    Put16(s, at, std::uint16_t(value & 0xFFFF));
    Put16(s, at + 2, std::uint16_t(value >> 16));
}
void AppendChunk(std::string& out, std::string_view id, std::string_view body) {
    std::string header(8, '\0');
    header.replace(0, 4, id);
    Put32(header, 4, std::uint32_t(body.size()));
    out += header;
    out += body;
    if (body.size() % 2)
        out += '\0';
}

// One table of the preset data: records of a fixed size, the last a terminal one.
struct Table {
    std::string_view id;
    std::size_t record;
    std::string bytes;

    std::size_t Count() const { return bytes.size() / record; }
    std::string_view At(std::size_t i) const { return std::string_view(bytes).substr(i * record, record); }
};

enum TableIndex { Phdr, Pbag, Pmod, Pgen, Inst, Ibag, Imod, Igen, Shdr, TableCount };

std::array<Table, TableCount> EmptyTables() {
    return {Table{"phdr", 38, {}}, Table{"pbag", 4, {}},  Table{"pmod", 10, {}},
            Table{"pgen", 4, {}},  Table{"inst", 22, {}}, Table{"ibag", 4, {}},
            Table{"imod", 10, {}}, Table{"igen", 4, {}},  Table{"shdr", 46, {}}};
}

struct Region {
    std::uint64_t offset = 0;
    std::uint32_t size = 0;
};

class SoundFont {
public:
    SoundFont(const SoundFontReader& read, std::uint64_t fileSize) : read_(read), fileSize_(fileSize) {}

    bool Parse() {
        char head[12];
        if (fileSize_ < 12 || !read_(0, 12, head) || std::memcmp(head, "RIFF", 4) != 0 ||
            std::memcmp(head + 8, "sfbk", 4) != 0)
            return false;
        const std::uint64_t end = std::min<std::uint64_t>(fileSize_, 8 + std::uint64_t(U32({head, 12}, 4)));
        bool ok = true;
        ForEachChunk(12, end, ok, [&](std::string_view id, Region body) {
            char type[4];
            if (id != "LIST" || body.size < 4 || !read_(body.offset, 4, type))
                return;
            const Region inner{body.offset + 4, body.size - 4};
            const std::string_view listType(type, 4);
            std::string bytes;
            if (listType == "INFO" && (ok = ok && ReadBytes(inner, bytes)))
                info_ = "INFO" + bytes;
            else if (listType == "sdta")
                ForEachChunk(inner.offset, inner.offset + inner.size, ok,
                             [&](std::string_view sub, Region data) {
                                 if (sub == "smpl")
                                     smpl_ = data;
                                 else if (sub == "sm24")
                                     sm24_ = data;
                             });
            else if (listType == "pdta")
                ForEachChunk(inner.offset, inner.offset + inner.size, ok,
                             [&](std::string_view sub, Region data) {
                                 for (Table& table : tables_)
                                     if (sub == table.id)
                                         ok = ok && ReadBytes(data, table.bytes);
                             });
        });
        if (!ok || !smpl_)
            return false;
        for (const Table& table : tables_)
            if (table.bytes.size() % table.record != 0 || table.Count() < 1)
                return false;
        return true;
    }

    std::string Subset(int bank, int program) {
        std::optional<std::size_t> preset;
        for (std::size_t i = 0; i + 1 < tables_[Phdr].Count() && !preset; ++i)
            if (U16(tables_[Phdr].At(i), 20) == program && U16(tables_[Phdr].At(i), 22) == bank)
                preset = i;
        if (!preset)
            return {};
        auto out = EmptyTables();
        std::string header(tables_[Phdr].At(*preset));
        Put16(header, 24, 0);
        out[Phdr].bytes = header;
        if (!CopyZones(Pbag, Pgen, Pmod, BagsOf(Phdr, *preset, 24), GenInstrument, instruments_, out))
            return {};
        for (std::size_t i = 0; i < instruments_.order.size(); ++i) {
            const std::uint16_t old = instruments_.order[i];
            if (std::size_t(old) + 1 >= tables_[Inst].Count())
                return {};
            std::string record(tables_[Inst].At(old));
            Put16(record, 20, std::uint16_t(out[Ibag].Count()));
            out[Inst].bytes += record;
            if (!CopyZones(Ibag, Igen, Imod, BagsOf(Inst, old, 20), GenSampleId, samples_, out))
                return {};
        }
        std::string smpl, sm24;
        if (!CopySamples(out[Shdr], smpl, sm24))
            return {};
        return Write(out, smpl, sm24);
    }

private:
    // The items (instruments, samples) the copied zones point to, numbered in the order met.
    struct Links {
        std::map<std::uint16_t, std::uint16_t> index;
        std::vector<std::uint16_t> order;

        std::uint16_t Add(std::uint16_t old) {
            const auto [at, added] = index.emplace(old, std::uint16_t(order.size()));
            if (added)
                order.push_back(old);
            return at->second;
        }
    };

    template <class F> void ForEachChunk(std::uint64_t at, std::uint64_t end, bool& ok, F f) {
        while (ok && at + 8 <= end) {
            char header[8];
            if (!read_(at, 8, header)) {
                ok = false;
                return;
            }
            const std::uint32_t size = U32({header, 8}, 4);
            const std::uint64_t body = at + 8;
            if (body + size > end) {
                ok = false;
                return;
            }
            f(std::string_view(header, 4), Region{body, size});
            at = body + size + (size & 1);
        }
    }

    bool ReadBytes(Region region, std::string& out) {
        if (region.size > MaxTableBytes)
            return false;
        out.assign(region.size, '\0');
        return read_(region.offset, region.size, out.data());
    }

    // The zones of record `i` of `table`: from its bag index to the next record's.
    std::pair<std::size_t, std::size_t> BagsOf(TableIndex table, std::size_t i, std::size_t field) const {
        return {U16(tables_[table].At(i), field), U16(tables_[table].At(i + 1), field)};
    }

    bool CopyZones(TableIndex bags, TableIndex gens, TableIndex mods,
                   std::pair<std::size_t, std::size_t> range, std::uint16_t linkOperator, Links& links,
                   std::array<Table, TableCount>& out) {
        const auto [from, to] = range;
        if (from > to || to >= tables_[bags].Count())
            return false;
        for (std::size_t bag = from; bag < to; ++bag) {
            const std::size_t gen0 = U16(tables_[bags].At(bag), 0), gen1 = U16(tables_[bags].At(bag + 1), 0);
            const std::size_t mod0 = U16(tables_[bags].At(bag), 2), mod1 = U16(tables_[bags].At(bag + 1), 2);
            if (gen0 > gen1 || gen1 >= tables_[gens].Count() || mod0 > mod1 || mod1 >= tables_[mods].Count())
                return false;
            std::string record(4, '\0');
            Put16(record, 0, std::uint16_t(out[gens].Count()));
            Put16(record, 2, std::uint16_t(out[mods].Count()));
            out[bags].bytes += record;
            for (std::size_t gen = gen0; gen < gen1; ++gen) {
                std::string generator(tables_[gens].At(gen));
                if (U16(generator, 0) == linkOperator)
                    Put16(generator, 2, links.Add(U16(generator, 2)));
                out[gens].bytes += generator;
            }
            for (std::size_t mod = mod0; mod < mod1; ++mod)
                out[mods].bytes += tables_[mods].At(mod);
            if (out[bags].Count() >= 0xFFFF || out[gens].Count() >= 0xFFFF || out[mods].Count() >= 0xFFFF)
                return false;
        }
        return true;
    }

    // Each sample's data, and the sample a stereo one is linked with, moved into the new sample
    // chunk; loop points keep their distance from the start.
    bool CopySamples(Table& headers, std::string& smpl, std::string& sm24) {
        const std::uint64_t frames = smpl_->size / 2;
        const bool has24 = sm24_ && sm24_->size >= frames;
        for (std::size_t i = 0; i < samples_.order.size(); ++i) {
            const std::uint16_t old = samples_.order[i];
            if (std::size_t(old) + 1 >= tables_[Shdr].Count())
                return false;
            std::string record(tables_[Shdr].At(old));
            const std::uint32_t start = U32(record, 20), end = U32(record, 24);
            const std::uint32_t loopStart = U32(record, 28), loopEnd = U32(record, 32);
            if ((U16(record, 44) & RomSample) || start > end || end > frames ||
                smpl.size() / 2 + (end - start) > frames || loopStart < start || loopEnd < start)
                return false;
            if (U16(record, 44) & LinkedTypes)
                Put16(record, 42, samples_.Add(U16(record, 42)));
            const std::uint32_t newStart = std::uint32_t(smpl.size() / 2);
            // Loop points far past the data would wrap round once moved: such a file is broken.
            const std::uint64_t newLoopStart = std::uint64_t(loopStart) - start + newStart;
            const std::uint64_t newLoopEnd = std::uint64_t(loopEnd) - start + newStart;
            if (newLoopStart > UINT32_MAX || newLoopEnd > UINT32_MAX)
                return false;
            Put32(record, 28, std::uint32_t(newLoopStart));
            Put32(record, 32, std::uint32_t(newLoopEnd));
            Put32(record, 20, newStart);
            Put32(record, 24, newStart + (end - start));
            headers.bytes += record;
            std::string data(std::size_t(end - start) * 2, '\0');
            if (!read_(smpl_->offset + std::uint64_t(start) * 2, data.size(), data.data()))
                return false;
            smpl += data;
            smpl.append(SamplePadding * 2, '\0');
            if (has24) {
                std::string low(end - start, '\0');
                if (!read_(sm24_->offset + start, low.size(), low.data()))
                    return false;
                sm24 += low;
                sm24.append(SamplePadding, '\0');
            }
        }
        return true;
    }

    std::string Write(std::array<Table, TableCount>& out, const std::string& smpl,
                      const std::string& sm24) const {
        // The terminal records, with the counts of the tables they close.
        std::string eop(tables_[Phdr].At(tables_[Phdr].Count() - 1));
        Put16(eop, 24, std::uint16_t(out[Pbag].Count()));
        out[Phdr].bytes += eop;
        std::string bagEnd(4, '\0');
        Put16(bagEnd, 0, std::uint16_t(out[Pgen].Count()));
        Put16(bagEnd, 2, std::uint16_t(out[Pmod].Count()));
        out[Pbag].bytes += bagEnd;
        std::string eoi(tables_[Inst].At(tables_[Inst].Count() - 1));
        Put16(eoi, 20, std::uint16_t(out[Ibag].Count()));
        out[Inst].bytes += eoi;
        Put16(bagEnd, 0, std::uint16_t(out[Igen].Count()));
        Put16(bagEnd, 2, std::uint16_t(out[Imod].Count()));
        out[Ibag].bytes += bagEnd;
        for (const TableIndex table : {Pmod, Pgen, Imod, Igen, Shdr})
            out[table].bytes += tables_[table].At(tables_[table].Count() - 1);

        std::string sdta = "sdta";
        AppendChunk(sdta, "smpl", smpl);
        if (!sm24.empty())
            AppendChunk(sdta, "sm24", sm24);
        std::string pdta = "pdta";
        for (const Table& table : out)
            AppendChunk(pdta, table.id, table.bytes);
        std::string body = "sfbk";
        AppendChunk(body, "LIST", info_);
        AppendChunk(body, "LIST", sdta);
        AppendChunk(body, "LIST", pdta);
        std::string file;
        AppendChunk(file, "RIFF", body);
        return file;
    }

    const SoundFontReader& read_;
    std::uint64_t fileSize_;
    std::string info_ = "INFO";
    std::optional<Region> smpl_, sm24_;
    std::array<Table, TableCount> tables_ = EmptyTables();
    Links instruments_, samples_;
};

} // namespace

std::string SoundFontSubset(const SoundFontReader& read, std::uint64_t fileSize, int bank, int program) {
    SoundFont font(read, fileSize);
    return font.Parse() ? font.Subset(bank, program) : std::string();
}
