// What an output shows: the information types shared by the output dialog,
// the text report, the printed pages and the workbook (the automation
// interface passes them plus one).
#pragma once

enum class InfoType : int {
    TourResults = 0,      // places, towns, captains, scores
    FinalTable = 1,       // "+" / "-" of every team for every question
    TakenQuestions = 2,   // each team's taken questions with their ratings
    QuestionRatings = 3,  // the rating of every question
    Championship = 4,     // the championship table
};

// The main window's rating type, which the question ratings report names.
enum class RatingType : int {
    PlusOne = 0,  // "Минусы + 1"
    Zero = 1,     // "Нулевой"
};
