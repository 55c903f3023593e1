#include "GameFileBytes.h"

const char* const kSignatureV1 = "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 1.01";
const char* const kSignatureV2 = "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 1.03";
const char* const kSignatureV3 = "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 3.00";
const char* const kSignatureV4 = "LUM \"Kvizo?Tarn?Qulm?\" file.Ver 3.LE";
const char* const kSignatureV5 = "LUM VeMo Windows Program File.Ver 1.01";
const char* const kSignatureV6 = "(c)Q.Durnabelsk VeMo Data File ver 2.01";

FileBytes& FileBytes::U8(int value) {
    FData += static_cast<char>(value & 0xFF);
    return *this;
}

FileBytes& FileBytes::U16(int value) { return U8(value).U8(value >> 8); }

FileBytes& FileBytes::Fixed(const std::string& text, std::size_t size) {
    U8(static_cast<int>(text.size()));
    FData += text;
    FData.append(size - 1 - text.size(), '\0');
    return *this;
}

FileBytes& FileBytes::Counted(const std::string& text) {
    U16(static_cast<int>(text.size()));
    FData += text;
    return *this;
}

FileBytes& FileBytes::Raw(const std::string& bytes) {
    FData += bytes;
    return *this;
}

namespace {

const char* SignatureOf(int version) {
    const char* const all[] = {kSignatureV1, kSignatureV2, kSignatureV3, kSignatureV4, kSignatureV5, kSignatureV6};
    return all[version - 1];
}

void PackedMarks(FileBytes& out, const std::string& marks, int questions) {
    const int bytes = (questions - 1) / 8 + 1;
    for (int b = 0; b < bytes; ++b) {
        int value = 0;
        for (int k = 0; k < 8; ++k) {
            const std::size_t q = static_cast<std::size_t>(b * 8 + k);
            if (q < marks.size() && marks[q] == '+') value |= 1 << k;
        }
        out.U8(value);
    }
}

}  // namespace

std::string OldVersionFile(int version, const std::string& gameName, int questions,
                           const std::vector<FileTeam>& teams) {
    FileBytes out;
    out.Fixed(SignatureOf(version), 41);
    if (version <= 3) out.U8(static_cast<int>(teams.size())).U8(questions);
    else out.U16(static_cast<int>(teams.size())).U16(questions);
    out.U16(2004).U8(5).U8(9);
    out.Fixed(gameName, 61);
    for (const FileTeam& t : teams) {
        if (version == 1) {
            for (int q = 0; q < questions; ++q) out.U8(t.marks[static_cast<std::size_t>(q)] == '+' ? 1 : 0);
        } else {
            PackedMarks(out, t.marks, questions);
        }
    }
    for (const FileTeam& t : teams) out.Fixed(t.name, 26);
    for (const FileTeam& t : teams) out.Fixed(t.town, 11);
    for (const FileTeam& t : teams) out.Fixed(t.captain, 21);
    if (version >= 3)
        for (const FileTeam& t : teams) out.Fixed(t.trainer, 21);
    return out.Data();
}

std::string Version6File(const Version6Layout& layout) {
    FileBytes out;
    out.Fixed(kSignatureV6, 41);
    out.U16(static_cast<int>(layout.teams.size())).U16(layout.questions);
    out.U16(2007).U8(3).U8(1);
    out.Counted(layout.gameName).Counted(layout.presenter);
    for (const FileTeam& t : layout.teams)
        for (int q = 0; q < layout.questions; ++q) out.U8(t.marks[static_cast<std::size_t>(q)] == '+' ? 1 : 0);
    for (const FileTeam& t : layout.teams) out.Counted(t.name);
    for (const FileTeam& t : layout.teams) out.Counted(t.town);
    for (const FileTeam& t : layout.teams) out.Counted(t.captain);
    for (const FileTeam& t : layout.teams) out.Counted(t.trainer);
    if (!layout.deposits) return out.Data();
    for (const FileTeam& t : layout.teams) out.U16(t.deposit);
    if (!layout.tours) return out.Data();
    out.U16(static_cast<int>(layout.tours->size()));
    for (const auto& [count, name] : *layout.tours) out.U16(count).Counted(name);
    if (!layout.tours->empty()) out.U16(layout.currentTour);
    out.U16(static_cast<int>(layout.groups.size()));
    if (layout.groups.empty()) return out.Data();
    for (const std::string& g : layout.groups) out.Counted(g);
    for (const FileTeam& t : layout.teams) out.U16(t.group);
    out.U16(layout.currentGroup);
    return out.Data();
}
