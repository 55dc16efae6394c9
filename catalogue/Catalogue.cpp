#include "catalogue/Catalogue.h"

namespace {
std::vector<std::reference_wrapper<const ParameterRecord>> Assemble() {
    std::vector<std::reference_wrapper<const ParameterRecord>> all;
    for (const ParameterRecord& r : Records()) {
        if (r.HasRule()) {
            all.push_back(std::cref(r));
        }
    }
    return all;
}
} // namespace

const std::vector<std::reference_wrapper<const ParameterRecord>>& Catalogue() {
    // Built once on first use; the initialisation of a local static is
    // thread-safe.
    static const std::vector<std::reference_wrapper<const ParameterRecord>> all = Assemble();
    return all;
}

std::vector<const ParameterRecord*> CatalogueOfSheet(int sheet) {
    std::vector<const ParameterRecord*> entries;
    for (const ParameterRecord& r : Catalogue()) {
        if (r.sheet == sheet) {
            entries.push_back(&r);
        }
    }
    return entries;
}

const ParameterRecord* EntryAtRow(int sheet, int row) {
    if (row < 1) {
        return nullptr; // the header, and the records that no row shows
    }
    for (const ParameterRecord& r : Records()) {
        if (r.sheet == sheet && r.row == row) {
            return &r;
        }
    }
    return nullptr;
}

const ParameterRecord* CatalogueEntryOf(quint16 number) {
    const ParameterRecord* r = RecordOf(number);
    return r != nullptr && r->HasRule() ? r : nullptr;
}

int CatalogueRowCount(int sheet) {
    int rows = 0;
    for (const ParameterRecord& r : Records()) {
        if (r.sheet == sheet && r.row > rows) {
            rows = r.row;
        }
    }
    return rows;
}
