#pragma once

#include <functional>
#include <string>

namespace vex {

// Returns the label text of an id; core asks for texts through this so it
// does not depend on the language layer. An empty function gives "".
using TextLookup = std::function<std::string(int labelTextId)>;

inline std::string LookUp(const TextLookup& lookup, int id) { return lookup ? lookup(id) : std::string(); }

}  // namespace vex
