// Builds the reference database "Tidewarm.ref.mdb": the tables of the record classes, filled by
// the catalogue script (the built-in rows). A new database is a copy of this file.
//
// Usage: make_reference_database OUTPUT CATALOGUE.sql
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Transaction.h>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "schema.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT CATALOGUE.sql\n", argv[0]);
        return 2;
    }
    const fs::path output = argv[1];
    fs::path building = output;
    building += ".building";
    try {
        std::ifstream script(argv[2]);
        if (!script) throw std::runtime_error(std::string("cannot read ") + argv[2]);
        std::ostringstream catalogue;
        catalogue << script.rdbuf();
        fs::remove(building);
        {
            SQLite::Database database(building.string(),
                                      SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Transaction transaction(database);
            CreateTables(database);
            database.exec(catalogue.str());
            transaction.commit();
        }
        fs::rename(building, output);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        std::error_code ignored;
        fs::remove(building, ignored);
        return 1;
    }
    return 0;
}
