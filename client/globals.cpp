// The exam client's run-wide state and its setting up at start-up.
#include "client/globals.h"

#include <algorithm>

#include "client/db/ado_connection.h"
#include "client/db/ado_record_set.h"
#include "client/ini_file.h"
#include "client/system_utils.h"

std::string ExamCode;
std::string CandidateName = "未知";
std::string StudentFolder;
int ExamSeconds = 0;
bool TrainingMode = false;
std::string ServerMode = "app";

CAdoConnection ExamDatabase;
CAdoRecordSet MainRecordSet;
CAdoRecordSet SecondRecordSet;

std::string ReadSetting(std::string_view key, std::string_view fallback) {
  std::string value = IniFile.Read("KIRV", key);
  return value.empty() ? std::string(fallback) : value;
}

void InitGlobals() {
  InitGlobals(ProgramFolder);
}

void InitGlobals(std::string_view programFolder) {
  const std::string folder(programFolder);
  IniFile.SetPath(folder + "KIRV.ini");

  // The recordsets are bound only to an open database; unbound, their queries fail quietly.
  MainRecordSet.SetConnection(nullptr);
  SecondRecordSet.SetConnection(nullptr);
  if (ExamDatabase.OpenJet(folder + "db\\kirv.mdb", std::string(ExamDatabasePassword), -1)) {
    MainRecordSet.SetConnection(&ExamDatabase);
    SecondRecordSet.SetConnection(&ExamDatabase);
  } else {
    ShowMessage("DB \\ KIRV.MDB 数据库连接失败");
  }

  ExamCode.clear();
  StudentFolder.clear();
  CandidateName = "未知";
  TrainingMode = IniFile.Read("KIRV", "Training") == "1";
  ServerMode = IniFile.Read("KIRV", "Server");
  std::transform(ServerMode.begin(), ServerMode.end(), ServerMode.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  if (ServerMode.empty()) ServerMode = settings_default::Server;
  ExamSeconds = 0;
}

void CloseDatabase() {
  if (MainRecordSet.IsOpen()) MainRecordSet.Close();
  if (SecondRecordSet.IsOpen()) SecondRecordSet.Close();
  if (ExamDatabase.IsOpen()) ExamDatabase.Close();
}
