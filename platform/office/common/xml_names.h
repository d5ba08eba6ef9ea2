// Elements and attributes found by local name, so parts written with a namespace prefix
// ("x:row", "a:srgbClr") by some suites read the same as unprefixed ones. Every office reader
// looks names up through these.
#pragma once

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

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

// The node after `at` in document order that still lies below `within`; an empty handle after
// the last. Walks without recursion, so a candidate's file may nest elements as deep as it likes.
inline pugi::xml_node NextBelow(pugi::xml_node at, pugi::xml_node within) {
  if (pugi::xml_node child = at.first_child()) return child;
  while (at && at != within) {
    if (pugi::xml_node next = at.next_sibling()) return next;
    at = at.parent();
  }
  return {};
}

// The first element below `node` with that local name, in document order; empty when none.
inline pugi::xml_node FirstDescendant(pugi::xml_node node, std::string_view local) {
  for (pugi::xml_node at = NextBelow(node, node); at; at = NextBelow(at, node))
    if (IsElement(at, local)) return at;
  return {};
}

// Every element below `node` with that local name, in document order.
inline std::vector<pugi::xml_node> Descendants(pugi::xml_node node, std::string_view local) {
  std::vector<pugi::xml_node> found;
  for (pugi::xml_node at = NextBelow(node, node); at; at = NextBelow(at, node))
    if (IsElement(at, local)) found.push_back(at);
  return found;
}

// The prefix of a node's name ("x:" of "x:sheetData"), so new elements match their siblings.
inline std::string PrefixOf(pugi::xml_node node) {
  const char* name = node.name();
  const char* colon = std::strchr(name, ':');
  return colon == nullptr ? std::string()
                          : std::string(name, static_cast<size_t>(colon - name + 1));
}

}  // namespace office
