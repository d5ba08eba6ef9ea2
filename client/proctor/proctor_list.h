// The proctor dialog's list and choices without a window: the eight columns of a candidate row
// (from this machine's exam database or from the exam server's room list), the server modes of
// the settings combo, and the room and session choices.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "client/store/exam_store.h"

// One row of the candidate list: 考场, 场次, 座位, 准考证号, 姓名, 状态, 是否已评分,
// 是否已发送成绩.
using ProctorListRow = std::array<std::string, 8>;

// The column titles and widths in pixels.
struct ProctorColumn {
  std::string_view title;
  int width;
};
inline constexpr std::array<ProctorColumn, 8> kProctorColumns = {{{"考场", 100},
                                                                  {"场次", 100},
                                                                  {"座位", 50},
                                                                  {"准考证号", 100},
                                                                  {"姓名", 100},
                                                                  {"状态", 50},
                                                                  {"是否已评分", 100},
                                                                  {"是否已发送成绩", 100}}};
// The column holding the exam code every operation takes.
inline constexpr int kExamCodeColumn = 3;

// A candidate of this machine: the state word and "是" / "否" for graded and sent.
ProctorListRow ListRowOf(const CandidateRecord& record);

// The list of this machine: the candidates whose State is not 0, by room, session, seat and code.
base::Result<std::vector<ProctorListRow>> MachineListRows(ExamStore& store);

// The rows of a room list ([3] of a RoomQuery reply): room and session as two digits, the seat,
// code, name and state word of each complete group of four values; graded and sent left empty.
std::vector<ProctorListRow> RoomListRows(int room, int session, std::string_view list);

// The server mode combo: "网站认证", "服务器认证", "本机离线认证", "人工认证".
inline constexpr std::array<std::string_view, 4> kServerModeNames = {"网站认证", "服务器认证",
                                                                     "本机离线认证", "人工认证"};
// The combo's index for [KIRV] Server ("App" when empty; compared in lower case); -1 for a
// value that is none of web, app, local, manual.
int ServerModeIndex(std::string_view setting);
// The value written to [KIRV] Server for an index: "Web", "App", "Local", "Manual"; "App" for
// any other index.
std::string_view ServerModeValue(int index);

// The room and session choices 1-50: "第 07 考场", "第 07 场".
std::string RoomChoice(int room);
std::string SessionChoice(int session);
inline constexpr int kRoomChoices = 50;
