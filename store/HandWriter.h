#pragma once
// Writes hands and their decisions with statements prepared once and reused
// for every hand of an import.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "history/grading/Decision.h"
#include "history/model/HandHistory.h"
#include "history/readers/HandReader.h"
#include "store/Statement.h"

namespace store {

class Database;

class HandWriter {
public:
    explicit HandWriter(Database& db);

    // Stores the hand unless a hand with its key is stored already; returns
    // the new hand's id, or nothing for a hand stored before. The text is
    // stored as the reader gave it, to be read again alone.
    std::optional<std::int64_t> insertHand(const history::HandHistory& hand, std::string_view text,
                                           history::FileFormat format, std::optional<std::int64_t> fileId);
    void insertDecision(std::int64_t handId, const history::Decision& decision);

private:
    Database& db_;
    Statement insertHand_;
    Statement insertDecision_;
    std::string key_;
};

} // namespace store
