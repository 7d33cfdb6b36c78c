#include "inspect/PermissionCatalogue.h"

void BuildPermissionCatalogue(PermissionCatalogue& catalogue)
{
    size_t count = 0;
    const PermissionRecord* rows = PermissionTable(&count);
    for (size_t i = 0; i < count; ++i) {
        // emplace keeps an entry already present, so rebuilding is harmless.
        catalogue.emplace(rows[i].name,
                          PermissionInfo{rows[i].level, rows[i].title, rows[i].description});
    }
}

const PermissionCatalogue& SharedPermissionCatalogue()
{
    static const PermissionCatalogue* shared = [] {
        auto* catalogue = new PermissionCatalogue;
        BuildPermissionCatalogue(*catalogue);
        return catalogue;
    }();
    return *shared;
}
