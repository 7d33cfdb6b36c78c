// Cross-reference checks over the program's resources: the skins, styles,
// strings and both layouts must name each other and their images
// consistently. Shared by the test of the resource files and the test of the
// resources linked into a Windows executable.
#pragma once

#include <functional>
#include <string>
#include <vector>

enum class ResourceKind { Xml, Png, Bitmap };

// Fetches the bytes of one resource; false when there is none.
using ResourceLookup = std::function<bool(ResourceKind kind, int id, std::string* bytes)>;

// One readable line per problem found; empty when everything fits.
std::vector<std::string> CrossCheckResources(const ResourceLookup& lookup);
