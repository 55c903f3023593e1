// The undo and redo commands follow the document's history: enabled when
// there is a step to take, captioned with that step's description
// ("Отменить: Ответ команды 7 на вопрос 12").
#pragma once

class GameDocument;
class MainActions;

void BindUndoActions(MainActions& actions, const GameDocument& document);
