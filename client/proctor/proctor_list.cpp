// The proctor list's rows and the dialog's choices (see proctor_list.h).
#include "client/proctor/proctor_list.h"

#include <cstdio>

#include "client/common/ini_file.h"
#include "client/server/server_protocol.h"
#include "platform/base/text.h"

namespace {

std::string TwoDigits(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

std::string YesNo(bool value) {
  return value ? "是" : "否";
}

// The state word of a state given as text: its leading decimal number.
std::string StateWordOf(const std::string& state) {
  return StateName(std::atoi(state.c_str()));
}

}  // namespace

ProctorListRow ListRowOf(const CandidateRecord& r) {
  return {r.room, r.session,          r.seat,           r.examCode,
          r.name, StateName(r.state), YesNo(r.scoreOk), YesNo(r.sendOk)};
}

base::Result<std::vector<ProctorListRow>> MachineListRows(ExamStore& store) {
  const base::Result<std::vector<CandidateRecord>> records = store.ProctorList();
  if (!records) return records.error();
  std::vector<ProctorListRow> rows;
  for (const CandidateRecord& r : *records) rows.push_back(ListRowOf(r));
  return rows;
}

std::vector<ProctorListRow> RoomListRows(int room, int session, std::string_view list) {
  std::vector<ProctorListRow> rows;
  // An empty list is no candidate, and a last group short of four values is none either.
  for (const RoomEntry& e : ParseRoomList(list))
    rows.push_back(
        {TwoDigits(room), TwoDigits(session), e.seat, e.examCode, e.name, StateWordOf(e.state)});
  return rows;
}

int ServerModeIndex(std::string_view setting) {
  const std::string mode = base::AsciiLower(setting.empty() ? settings_default::Server : setting);
  const char* modes[] = {"web", "app", "local", "manual"};
  for (int i = 0; i < 4; ++i)
    if (mode == modes[i]) return i;
  return -1;
}

std::string_view ServerModeValue(int index) {
  constexpr std::string_view values[] = {"Web", "App", "Local", "Manual"};
  return index >= 0 && index < 4 ? values[index] : values[1];
}

std::string RoomChoice(int room) {
  return "第 " + TwoDigits(room) + " 考场";
}

std::string SessionChoice(int session) {
  return "第 " + TwoDigits(session) + " 场";
}
