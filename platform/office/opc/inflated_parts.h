// Parts inflated before, per archive (its exact bytes): a file opened again unchanged, as
// grading opens the same workbooks pass after pass, gets its parts copied instead of inflated.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace opc {

class InflatedParts {
 public:
  // The parts of the archive with these bytes; null when it is too large to keep.
  static std::shared_ptr<InflatedParts> For(std::string_view archive);

  // Copies the part's bytes into `out` (of the part's size); false when not kept.
  bool CopyTo(std::string_view entry, char* out, size_t size) const;
  void Keep(std::string_view entry, std::string_view bytes);

  // What a reader made of an entry's stored bytes alone (of its own `kind`, which says the type),
  // kept for the next package of the same archive; null when nothing is.
  std::shared_ptr<const void> Made(std::string_view kind, std::string_view entry) const;
  void KeepMade(std::string_view kind, std::string_view entry, std::shared_ptr<const void> made);

  struct State;
  explicit InflatedParts(std::shared_ptr<State> state) : state_(std::move(state)) {}

 private:
  std::shared_ptr<State> state_;
};

}  // namespace opc
