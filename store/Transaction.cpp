#include "store/Transaction.h"

#include <sqlite3.h>

#include "store/Database.h"

namespace store {

Transaction::Transaction(Database& db) : db_(db)
{
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    // A failed write may have rolled the transaction back already; the
    // statement then fails harmlessly.
    if (open_ && !sqlite3_get_autocommit(db_.handle()))
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit()
{
    db_.exec("COMMIT");
    open_ = false;
}

} // namespace store
