// Elements and attributes found by local name, so parts written with a namespace prefix
// ("x:row", "a:srgbClr") by some suites read the same as unprefixed ones. Every office reader
// looks names up through these.
#pragma once

#include <cstring>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace office {

// The part of a qualified name after its prefix ("a:srgbClr" -> "srgbClr").
inline std::string_view LocalName(const char* qualified) {
  const char* colon = std::strchr(qualified, ':');
  return colon == nullptr ? std::string_view(qualified) : std::string_view(colon + 1);
}

// True for an element whose local name is `local`.
inline bool IsElement(pugi::xml_node node, std::string_view local) {
  if (node.type() != pugi::node_element) return false;
  const char* name = node.name();
  // Most parts are unprefixed: compare the whole name first, without searching for a colon.
  if (std::strncmp(name, local.data(), local.size()) == 0 && name[local.size()] == '\0')
    return true;
  return LocalName(name) == local;
}

// The first child element with that local name; an empty handle when there is none.
inline pugi::xml_node Child(pugi::xml_node node, std::string_view local) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
    if (IsElement(child, local)) return child;
  }
  return {};
}

// The attribute with that local name, prefixed or not; an empty handle when absent.
inline pugi::xml_attribute Attr(pugi::xml_node node, std::string_view local) {
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

}  // namespace office
