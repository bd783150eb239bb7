// Sentences that are to play before the chosen order's next one (those due for review), asked
// for each time the bar moves on.
#pragma once

#include <QString>
#include <optional>

struct DueSentence {
    int id = 0; // a French id of the table, or a deck sentence id of the deck playing
    QString french;
    QString english;
};

class DueSentences {
public:
    virtual ~DueSentences() = default;
    // The sentence to play now instead of the order's next, if one is due; each is offered once.
    virtual std::optional<DueSentence> takeDue() = 0;
};
