// Builds a reference database: the tables of the record classes, filled by the catalogue script
// (the built-in rows), then changed by the scripts that follow it (the French names of the French
// reference database). A new database is a copy of the reference database of its language.
//
// Usage: make_reference_database OUTPUT CATALOGUE.sql [SCRIPT.sql...]
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

namespace {

std::string ReadScript(const char* path) {
    std::ifstream script(path);
    if (!script) throw std::runtime_error(std::string("cannot read ") + path);
    std::ostringstream text;
    text << script.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTPUT CATALOGUE.sql [SCRIPT.sql...]\n", argv[0]);
        return 2;
    }
    const fs::path output = argv[1];
    fs::path building = output;
    building += ".building";
    try {
        fs::remove(building);
        {
            SQLite::Database database(building.string(),
                                      SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Transaction transaction(database);
            CreateTables(database);
            for (int script = 2; script < argc; ++script) database.exec(ReadScript(argv[script]));
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
