// Element and attribute look-up by local name, so parts written with a namespace prefix
// ("x:row") by some suites read the same as unprefixed ones.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace excel {

// The part of a qualified name after its prefix.
inline std::string_view LocalName(const char* qualified) {
  const char* colon = std::strchr(qualified, ':');
  return colon == nullptr ? std::string_view(qualified) : std::string_view(colon + 1);
}

inline bool IsElement(pugi::xml_node node, std::string_view local) {
  if (node.type() != pugi::node_element) return false;
  const char* name = node.name();
  if (std::strncmp(name, local.data(), local.size()) == 0 && name[local.size()] == '\0')
    return true;
  return LocalName(name) == local;
}

// The first child element with the local name; an empty handle when there is none.
inline pugi::xml_node ChildElement(pugi::xml_node node, std::string_view local) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (IsElement(child, local)) return child;
  }
  return {};
}

// An unprefixed attribute by name, else a prefixed one with that local name.
inline pugi::xml_attribute AttributeByLocalName(pugi::xml_node node, std::string_view local) {
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
    if (LocalName(a.name()) == local) return a;
  }
  return {};
}

// The prefix of a node's name ("x:" of "x:sheetData"), so new elements match their siblings.
inline std::string PrefixOf(pugi::xml_node node) {
  const char* name = node.name();
  const char* colon = std::strchr(name, ':');
  return colon == nullptr ? std::string()
                          : std::string(name, static_cast<size_t>(colon - name + 1));
}

}  // namespace excel
