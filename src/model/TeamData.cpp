#include "model/TeamData.h"

#include "model/VemoData.h"

uint8_t TTeamData::Mark(int q) const {
    if (!FOwner) return 0;
    return RawMark(FOwner->TourStart() + q);
}

bool TTeamData::SetMark(int q, uint8_t value) {
    if (!FOwner) return false;
    return SetRawMark(FOwner->TourStart() + q, value);
}

uint8_t TTeamData::RawMark(int q) const {
    if (!FOwner || q < 0 || q >= MarkCount()) return 0;
    return FMarks[static_cast<std::size_t>(q)];
}

bool TTeamData::SetRawMark(int q, uint8_t value) {
    if (!FOwner || q < 0 || q >= MarkCount()) return false;
    FMarks[static_cast<std::size_t>(q)] = value;
    return true;
}

std::unique_ptr<TTeamData> TTeamData::CreateCopy(const TTeamData& source, TVemoData& owner) {
    auto copy = std::make_unique<TTeamData>(&owner);
    static_cast<TTeamValues&>(*copy) = source;
    copy->SetMarkCount(owner.QuestionCount());
    for (int q = 0; q < owner.QuestionCount(); ++q) copy->FMarks[q] = source.RawMark(q);
    if (source.Group()) copy->FGroup = owner.GroupNamed(source.Group()->Name);
    return copy;
}
