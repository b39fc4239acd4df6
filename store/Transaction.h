#pragma once
// BEGIN IMMEDIATE on construction; ROLLBACK on destruction unless committed,
// so an exception or a cancel leaves nothing half-written.

namespace store {

class Database;

class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& db_;
    bool open_ = true;
};

} // namespace store
