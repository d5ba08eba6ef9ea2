// The sweep of the programs listed in [KIRV] KillProcess that the proctor's transfer runs before
// packing a candidate's folder, so that no open document is left out or half written.
#pragma once

#include <string_view>

// True when the kill list (lower case) names the process: its host name, lower-cased and with
// ".exe" added when it has none, stands in the list where a name may begin (at the start or
// after a character that cannot be part of a name), so "her" is not found in "publisher.exe".
// "explore.exe" is never listed.
bool InKillList(std::string_view killList, std::string_view processName);

// Ends every running process the kill list names (never this program itself).
void KillListedProcesses(std::string_view killList);
