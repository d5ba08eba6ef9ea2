// The action log: every user action of the browser simulation becomes one Log row, appended
// before the action is carried out, with the action's name from the fixed vocabulary below, its
// parameter, and the date and time as text. The network-part grader finds a seeded Log row
// satisfied when a candidate row carries the same action and parameter.
#pragma once

#include <ctime>
#include <string_view>

#include "netdb/ado_connection.h"

namespace netdb {

// The vocabulary of actions (the space after "点击" is one ASCII space, "-" an ASCII hyphen).
namespace action {
inline constexpr std::string_view kStarted = "程序正常启动";
inline constexpr std::string_view kToStartPage = "转到启动页";  // parameter: the start page
inline constexpr std::string_view kExited = "程序正常退出";
inline constexpr std::string_view kAddressEntered = "地址栏输入并回车";  // the text as typed
inline constexpr std::string_view kOpenAddress = "打开网址";  // the real address, lower case
inline constexpr std::string_view kHome = "点击 主页";
inline constexpr std::string_view kForward = "点击 前进";
inline constexpr std::string_view kBack = "点击 后退";
inline constexpr std::string_view kRefresh = "点击 刷新";
inline constexpr std::string_view kStop = "点击 停止";
inline constexpr std::string_view kFavouritesAdd = "点击 收藏夹-添加";
inline constexpr std::string_view kFavouritesOrganise = "点击 收藏夹-管理";
inline constexpr std::string_view kFileOpen = "点击 文件-打开";
inline constexpr std::string_view kFilePageSetup = "点击 文件-页面设置";
inline constexpr std::string_view kFilePrintPreview = "点击 文件-打印预览";
inline constexpr std::string_view kFileProperties = "点击 文件-属性";
inline constexpr std::string_view kFileSaveAs = "点击 文件-另存为";
inline constexpr std::string_view kInternetOptions = "点击 工具-Internet 选项";
inline constexpr std::string_view kViewSource = "点击 查看-查看源文件";
inline constexpr std::string_view kDeleteCookies = "删除Cookies";
inline constexpr std::string_view kDeleteTemporaryFiles = "删除临时文件";
inline constexpr std::string_view kClearHistory = "清除历史记录";
inline constexpr std::string_view kSetStartPage = "设定起始页";  // the new start page
inline constexpr std::string_view kMail = "邮件操作";            // the mail command's name
}  // namespace action

// Every name of the vocabulary, in the order above.
inline constexpr std::string_view kActions[] = {
    action::kStarted,        action::kToStartPage,   action::kExited,
    action::kAddressEntered, action::kOpenAddress,   action::kHome,
    action::kForward,        action::kBack,          action::kRefresh,
    action::kStop,           action::kFavouritesAdd, action::kFavouritesOrganise,
    action::kFileOpen,       action::kFilePageSetup, action::kFilePrintPreview,
    action::kFileProperties, action::kFileSaveAs,    action::kInternetOptions,
    action::kViewSource,     action::kDeleteCookies, action::kDeleteTemporaryFiles,
    action::kClearHistory,   action::kSetStartPage,  action::kMail,
};

// Appends one Log row: Action, Parameter, Date ("%Y-%m-%d") and Time ("%H:%M:%S") of the local
// time `when`, ItemScore from the column default. False when the row could not be stored (the
// recordset's open has shown its "ADO Error" box; a failed store is reported the same way).
bool LogAction(CAdoConnection& connection, std::string_view action, std::string_view parameter,
               std::time_t when);
// The same at the current time.
bool LogAction(CAdoConnection& connection, std::string_view action, std::string_view parameter);

}  // namespace netdb
