// The exam client's run-wide state: the candidate globals set by start-up and the login, the
// exam database with its two shared recordsets, and the settings defaults of KIRV.ini.
#pragma once

#include <string>
#include <string_view>

class CAdoConnection;
class CAdoRecordSet;

// Candidate globals.
extern std::string ExamCode;       // the candidate's exam code, empty before the login
extern std::string CandidateName;  // "未知" until known
extern std::string StudentFolder;  // the candidate folder, ends with "\" once set
extern int ExamSeconds;            // exam length in seconds
extern bool TrainingMode;          // [KIRV] Training is exactly "1"
extern std::string ServerMode;     // [KIRV] Server in lower case, "app" when empty

// The exam database and the two recordsets every query of the client runs on; the second serves
// queries nested inside a walk of the main one. They live for the whole run.
extern CAdoConnection ExamDatabase;
extern CAdoRecordSet MainRecordSet;
extern CAdoRecordSet SecondRecordSet;

// Defaults the client puts in place of an empty settings value.
namespace settings_default {
inline constexpr std::string_view Server = "app";
inline constexpr std::string_view PortApp = "8888";
inline constexpr std::string_view PortWeb = "80";
inline constexpr std::string_view Timeout = "5000";
inline constexpr std::string_view NIC = "0";
inline constexpr std::string_view TitleShortcut = "Kirvex";
inline constexpr std::string_view TitleBar = "KIRV";
inline constexpr std::string_view Theme = "0";
inline constexpr std::string_view Paper = "Random";
inline constexpr std::string_view SourceTable = "xuesheng";
}  // namespace settings_default

// The exam database's password.
inline constexpr std::string_view ExamDatabasePassword = "kestrelqu";

// Reads [KIRV] key of the settings file; `fallback` when the value is empty.
std::string ReadSetting(std::string_view key, std::string_view fallback = {});

// Points the settings store at ProgramFolder + "KIRV.ini", opens ProgramFolder + "db\kirv.mdb"
// ("DB \ KIRV.MDB 数据库连接失败" when it cannot; start-up goes on) and sets the candidate
// globals. The second form takes the program folder (ending with "\") itself.
void InitGlobals();
void InitGlobals(std::string_view programFolder);

// Closes the recordsets that are open, then the connection.
void CloseDatabase();
