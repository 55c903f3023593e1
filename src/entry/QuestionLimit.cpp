#include "entry/QuestionLimit.h"

#include "model/VemoData.h"

bool FitsQuestionLimit(const TVemoData& game, int tour, int64_t count) {
    const int64_t others = game.QuestionCount() - game.TourQuestCount(tour);
    return count >= 0 && others + count <= TVemoData::kMaxCount;
}
