// The page setup kept in the program's profile between runs: paper, orientation and margins,
// under KIRV-browsim\browsim\PageSetup in the registry store.
#pragma once

#include <QPageLayout>
#include <optional>

// The layout saved last; none when nothing usable is saved (a value that does not read is
// passed over, the printer's defaults then apply).
std::optional<QPageLayout> LoadPageSetup();
// False when the store could not be written.
bool SavePageSetup(const QPageLayout& layout);
