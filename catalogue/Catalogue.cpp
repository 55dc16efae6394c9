#include "catalogue/Catalogue.h"

#include "catalogue/CatalogueData.h"

namespace {
std::vector<CatalogueEntry> Assemble() {
    std::vector<CatalogueEntry> all;
    for (auto part : {CatalogueSheets0to2, CatalogueSheet3, CatalogueSheets4to5, CatalogueSheet6,
                      CatalogueSheet7}) {
        const std::vector<CatalogueEntry> entries = part();
        all.insert(all.end(), entries.begin(), entries.end());
    }
    return all;
}
} // namespace

const std::vector<CatalogueEntry>& Catalogue() {
    // Built on first use, so no other static initialiser can see it half made.
    static const std::vector<CatalogueEntry> all = Assemble();
    return all;
}

std::vector<const CatalogueEntry*> CatalogueOfSheet(int sheet) {
    std::vector<const CatalogueEntry*> entries;
    for (const CatalogueEntry& e : Catalogue()) {
        if (e.sheet == sheet) {
            entries.push_back(&e);
        }
    }
    return entries;
}

const CatalogueEntry* EntryAtRow(int sheet, int row) {
    if (row < 1) {
        return nullptr; // the header, and the entries that no row shows
    }
    for (const CatalogueEntry& e : Catalogue()) {
        if (e.sheet == sheet && e.row == row) {
            return &e;
        }
    }
    return nullptr;
}

const CatalogueEntry* EntryOf(quint16 number) {
    for (const CatalogueEntry& e : Catalogue()) {
        if (e.number == number) {
            return &e;
        }
    }
    return nullptr;
}
