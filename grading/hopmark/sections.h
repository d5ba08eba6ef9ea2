// The six sections of a grading run, in their order: pages browsed (and not), favourites, saved
// files, logged actions, mail keywords, mail-account settings. Each reads the candidate's rows it
// compares with once, with the lookup recordset, then walks its expected rows with the rule
// recordset and appends one result row per item, adding the points of the satisfied ones. Every
// value read from the database reaches a query as a bound parameter; the column a rule names is
// found among the row's fields, never written into a query.
#pragma once

#include <string>

#include "grading/hopmark/driver.h"
#include "netdb/ado_connection.h"

namespace hopmark {

struct SectionContext {
  netdb::CAdoConnection& db;
  netdb::RecordsetPtr& rules;
  netdb::RecordsetPtr& lookup;
  const std::string& studentDir;
  RunValues& values;

  // Appends the item's row; a satisfied item adds its points.
  void Item(std::string label, std::string parameter, bool satisfied, int points);
};

using SectionFn = void (*)(SectionContext&);

struct Section {
  const char* name;
  SectionFn run;
};

// In the order they run.
extern const Section kSections[6];

}  // namespace hopmark
